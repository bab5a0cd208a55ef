// Elastic subgrade: a straight p-y line p = Es b y of a subgrade modulus that
// varies linearly over the layer (the Winkler foundation of Hetenyi 1946).
#include "soil/py_model_support.h"
#include "soil/py_models.h"
#include "soil/py_protocol.h"
#include "soil/soil_profile.h"

namespace tarvex {

void PY_ElastSG(int k) {
    const PileNode& nd = g.nodes;
    if (nd.IBOT < nd.ITOP) return;
    for (int i = nd.ITOP; i <= nd.IBOT; ++i) {
        const double xp = PY_Node_Depth(i);
        const double b = PY_Pile_Width(i);
        const double es_sub = Layer_Profile_Value(g.pd.rd_ProfileEs, k, xp);
        const double pmult = fn_pMultiplier(nd.xa(i));
        const double ymult = fn_yMultiplier(nd.xa(i));
        if (!PY_Report_Mode()) {
            PY_Store_Modulus(i, pmult * es_sub * b / ymult);
            continue;
        }
        PY_Report_Title("p-y Curve for Elastic Subgrade");
        PY_Report_Text("Soil Layer Number", Edit_I(k, 10));
        PY_Report_Depths(xp, xp - g.pd.XGround);
        PY_Report_Value("Shaft Diameter", b, 3, Unit_Length());
        PY_Report_Value("Elastic Subgrade Modulus", es_sub, 3, Unit_Unit_Weight());
        PY_Report_Multipliers(pmult, ymult);
        Report_Blank_Lines(1);
        PY_Report_Short_Table_Head();
        PY_Plot_Curve_Record(xp, 17, "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. ",
                             i);
        for (int j = 1; j <= 17; ++j) {
            const double y = (j - 1) * (2.0 * b * 0.0625);
            const double yout = ymult * y, pout = pmult * es_sub * b * y;
            PY_Report_Table_Row(yout, pout);
            PY_Plot_Point_Record(yout, pout, j, "elastic subgrade");
        }
    }
}

}  // namespace tarvex
