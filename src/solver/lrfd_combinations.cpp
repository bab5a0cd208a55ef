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
int LRFD_Type_Group_Count(int) { Stop_Stage_Not_Available(kStage); }
double LRFD_Type_Total_Shear(int) { Stop_Stage_Not_Available(kStage); }
double LRFD_Type_Total_Moment(int) { Stop_Stage_Not_Available(kStage); }
double LRFD_Type_Total_Axial(int) { Stop_Stage_Not_Available(kStage); }
double Factored_Horizontal(int) { Stop_Stage_Not_Available(kStage); }
double Factored_Vertical(int) { Stop_Stage_Not_Available(kStage); }
int Num_LRFD_Thrusts() { Stop_Stage_Not_Available(kStage); }
double LRFD_Thrust(int) { Stop_Stage_Not_Available(kStage); }

}  // namespace tarvex
