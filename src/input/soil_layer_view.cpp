// The view of one soil layer over the layer arrays and the soil profile.
#include "input/problem_data.h"

namespace tarvex {

SoilLayer Soil_Layer(const ProblemData& pd, int b) {
    return {pd.i_SoilLayer_py_Type(b), pd.XLayerTop(b), pd.XLayerBottom(b), pd.rd_LayerKTop(b),
            pd.rd_LayerKBottom(b),     2 * b - 1,       2 * b};
}

}  // namespace tarvex
