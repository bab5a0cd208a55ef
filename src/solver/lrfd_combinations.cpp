// LRFD load combinations.
#include "solver/lrfd_combinations.h"

#include "engine/driver.h"

namespace tarvex {

namespace {
constexpr const char* kStage = "LRFD load combinations";
}

void Compute_Factored_Loads() { Stop_Stage_Not_Available(kStage); }
double Factored_Shear(int c) { Stop_Stage_Not_Available(kStage); }
double Factored_Moment(int c) { Stop_Stage_Not_Available(kStage); }
double Factored_Axial(int c) { Stop_Stage_Not_Available(kStage); }
void Write_LRFD_Performance() { Stop_Stage_Not_Available(kStage); }

}  // namespace tarvex
