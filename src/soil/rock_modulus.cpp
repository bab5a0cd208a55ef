// Rock mass modulus of a rock layer at a depth.
#include "soil/rock_modulus.h"

#include <string>

#include "engine/errors.h"
#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"

namespace tarvex {

namespace {

[[noreturn]] void Stop_Layer_Without_Thickness(int k) {
    const ProblemData& pd = g.pd;
    if (pd.i_SoilLayer_py_Type(k) == kMassRock) {
        Write_Error_Block(Runtime_Error_Heading(20),
                          {"Problem:  The top and bottom elevations for massive rock layer are equal.",
                           "          The top and bottom elevations for layer " + Int_Text(k) + " = " +
                               Edit_E(pd.XLayerTop(k), 12, 4),
                           "", "Solution: Correct the input data for elevations defining the massive rock layer.", ""},
                          false, 0);
    } else {
        Write_Error_Block(Runtime_Error_Heading(20),
                          {"Problem:  The top and bottom elevations for weak rock layer are equal.",
                           "Solution: Correct the input data for elevations defining weak rock layer.", ""},
                          false, 0);
    }
    Raise_Error(220);
}

}  // namespace

double fn_LayerModulus(int k, double x) {
    const ProblemData& pd = g.pd;
    const double top = pd.XLayerTop(k), bottom = pd.XLayerBottom(k);
    if (bottom == top) Stop_Layer_Without_Thickness(k);
    return pd.rd_LayerKTop(k) + (x - top) * (pd.rd_LayerKBottom(k) - pd.rd_LayerKTop(k)) / (bottom - top);
}

}  // namespace tarvex
