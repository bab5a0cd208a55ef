// p-y model code table: the keywords of the input file and the long names of the report.
#include "input/problem_data.h"

namespace tarvex {
namespace {

struct ModelName {
    const char* keyword10;  // keyword padded to 10 characters
    const char* long_name;
};

constexpr ModelName kModels[kNumPyModels] = {
    {"SoftClay  ", "Soft Clay"},
    {"StfClyBW  ", "Stiff Clay with Free Water"},
    {"StfClyAW  ", "Stiff Clay w/o Free Water"},
    {"StfClyAK  ", "Stiff Clay w/o Free Water, using k"},
    {"Sand      ", "Sand (Reese, et al.)"},
    {"API Sand  ", "API Sand"},
    {"Liq Sand  ", "Liquefied Sand"},
    {"WeakRock  ", "Weak Rock"},
    {"Vuggy LS  ", "Vuggy Limestone"},
    {"Piedmont  ", "Piedmont Residual"},
    {"Cem Silt  ", "Cemented Silt"},
    {"KS Loess  ", "Loess"},
    {"Elast SG  ", "Elastic Subgrade"},
    {"User p-y  ", "User Input p-y Curves"},
    {"SoftClyJ  ", "Soft Clay with User-defined J"},
    {"MassRock  ", "Massive Rock"},
    {"Frz Soil  ", "Frozen Soil"},
};

}  // namespace

const char* Model_Keyword10(int code) {
    return (code >= 1 && code <= kNumPyModels) ? kModels[code - 1].keyword10 : "Undefined ";
}

const char* Model_Long_Name(int code) {
    return (code >= 1 && code <= kNumPyModels) ? kModels[code - 1].long_name : "Undefined";
}

ModelTable::ModelTable() {
    for (int k = 1; k <= kNumModelCodes; ++k) SoilModelName(k).set(Model_Keyword10(k));
}

}  // namespace tarvex
