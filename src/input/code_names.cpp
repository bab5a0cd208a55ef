// Names of the section types, LRFD load types, strand types and elastic
// section shapes, as the report shows them.
#include "input/problem_data.h"
#include "input/section_records.h"

namespace tarvex {
namespace {

template <int N>
const char* Name_Of(const char* const (&names)[N], int index) {
    return index >= 0 && index < N ? names[index] : "";
}

constexpr const char* kSectionTypeNames[kNumSectionTypes] = {
    "Rectangular Concrete Pile",
    "Drilled Shaft (Bored Pile)",
    "Drilled Shaft with Permanent Casing",
    "Drilled Shaft with Casing and Core",
    "Steel Pipe Pile",
    "Circular Solid Prestressed Pile",
    "Circular Hollow Prestressed Pile",
    "Square Solid Prestressed Pile",
    "Square Hollow Prestressed Pile",
    "Octagonal Solid Prestressed Pile",
    "Octagonal Hollow Prestressed Pile",
    "Elastic Pile",
    "Elastic with Specified Moment Capacity",
    "Pile with User-defined Nonlinear EI",
    "Micropile",
};

constexpr const char* kLRFDLoadNames[kNumLRFDLoadTypes] = {
    "Dead Load", "Live Load", "Earthquake", "Impact Load", "Wind Load", "Water Load", "Ice Load",
    "Horizontal Soil", "Live Roof", "Rain Load", "Snow Load", "Temperature", "Special",
};

constexpr const char* kLRFDLoadAbbrevs[kNumLRFDLoadTypes] = {
    "DL", "LL", "EQ", "IM", "W", "HW", "Ice", "Hs", "Lr", "Rn", "Sn", "Tm", "Sp",
};

constexpr const char* kStrandTypeNames[kNumStrandTypes] = {
    "PCI 250", "PCI 270", "PCI 300", "Smooth 145 ksi bars", "Smooth 160 ksi bars", "Deformed bars (150-160 ksi)",
};

constexpr const char* kElasticShapeNames[kShapeEmbeddedPole] = {
    "Rectangular", "Circular", "Circular Pipe", "Strong H-Pile", "Weak H-Pile", "Embedded Circular Pole",
};

}  // namespace

const char* Section_Type_Name(int type) { return Name_Of(kSectionTypeNames, type); }
const char* LRFD_Load_Type_Name(int type) { return Name_Of(kLRFDLoadNames, type - 1); }
const char* LRFD_Load_Type_Abbrev(int type) { return Name_Of(kLRFDLoadAbbrevs, type - 1); }
const char* Strand_Type_Name(int type) { return Name_Of(kStrandTypeNames, type); }
const char* Elastic_Shape_Name(int shape) { return Name_Of(kElasticShapeNames, shape - 1); }

}  // namespace tarvex
