// User-input p-y curves: the curves given at the top and at the bottom of the
// layer, each linear between its points, interpolated linearly in depth.
#include <cmath>
#include <string>

#include "soil/py_model_support.h"
#include "soil/py_models.h"
#include "soil/py_protocol.h"
#include "soil/soil_profile.h"

namespace tarvex {

namespace {

constexpr double kFirstReportDeflection = 0.0010000000474974513;
constexpr double kReportFractions[14] = {double(0.00625f), double(0.0125f), double(0.01875f), double(0.025f),
                                         double(0.03125f), double(0.0375f), double(0.04375f), double(0.05f),
                                         double(0.05625f), double(0.0625f), double(0.06875f), double(0.075f),
                                         double(0.2f),     double(0.375f)};

// Resistance of the curve of profile point j at deflection y. Below the first
// point the curve runs straight from the origin; a curve of one point is flat.
double User_Curve_Value(int j, double y) {
    const ProblemData& pd = g.pd;
    const int n = pd.i_UserPyNumPts(j);
    if (n < 1) return 0.0;
    const double y1 = pd.rd_UserPyY(j, 1), p1 = pd.rd_UserPyP(j, 1);
    if (y == y1) return p1;
    if (y > pd.rd_UserPyY(j, n)) return pd.rd_UserPyP(j, n);
    if (n < 2) return p1;
    if (y < y1) return y1 > 0.0 ? p1 * y / y1 : p1;
    int m = n;
    for (int q = 2; q <= n - 1; ++q)
        if (pd.rd_UserPyY(j, q - 1) < y && y <= pd.rd_UserPyY(j, q)) {
            m = q;
            break;
        }
    const double ya = pd.rd_UserPyY(j, m - 1), yb = pd.rd_UserPyY(j, m);
    const double pa = pd.rd_UserPyP(j, m - 1), pb = pd.rd_UserPyP(j, m);
    if (yb == ya) return pb;
    return pa + (y - ya) * (pb - pa) / (yb - ya);
}

// Value v_top at depth D1 and v_bottom at D2, linear in the axial distance xa; 0 outside.
double Between_Curves(int k, double xa, double v_top, double v_bottom) {
    const double d1 = g.pd.rd_UserPyDepth(2 * k - 1), d2 = g.pd.rd_UserPyDepth(2 * k);
    if (xa < d1 || xa > d2) return 0.0;
    if (d2 == d1) return v_top;
    return v_top + (v_bottom - v_top) * (xa - d1) / (d2 - d1);
}

double User_PY_Value(int k, double xa, double y) {
    return Between_Curves(k, xa, User_Curve_Value(2 * k - 1, y), User_Curve_Value(2 * k, y));
}

// Slope of the first segment of the curve of point j.
double Initial_Slope(int j) {
    if (g.pd.i_UserPyNumPts(j) < 2 || g.pd.rd_UserPyY(j, 2) == 0.0) return 0.0;
    return g.pd.rd_UserPyP(j, 2) / g.pd.rd_UserPyY(j, 2);
}

double Last_P(int j) {
    const int n = g.pd.i_UserPyNumPts(j);
    return n >= 1 ? g.pd.rd_UserPyP(j, n) : 0.0;
}

void User_PY_Report(int k, int i, double xa, double xp, double b, double pmult, double ymult) {
    PY_Report_Title("p-y Curve Computed by Interpolation Between User-input Curves");
    PY_Report_Int("Soil Layer Number", k);
    PY_Report_Depths(xa, xp - g.pd.XGround);
    PY_Report_Value("Pile diameter", b, 3, Unit_Length());
    PY_Report_Multipliers(pmult, ymult, 3);
    Report_Blank_Lines(1);
    std::string head = "      y, " + Label(g.units.LengthLabel);
    head.resize(24, ' ');
    Report_Line(head + "p, " + Unit_Force_Per_Length());
    Report_Line("----------------    ----------------");
    PY_Plot_Curve_Record(xp, 17, "Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve no. ",
                         i);
    for (int j = 1; j <= 17; ++j) {
        double y;
        if (j == 1) y = 0.0;
        else if (j == 2) y = kFirstReportDeflection;
        else if (j <= 16) y = b * kReportFractions[j - 3];
        else y = 0.5 * b;
        const double yout = ymult * y, pout = pmult * User_PY_Value(k, xa, y);
        Report_Line(Edit_F(yout, 15, 4) + std::string(5, ' ') + Edit_F(pout, 15, 4));
        Put_Line(g_Out.plot, Edit_E(yout, 15, 7) + Edit_E(pout, 15, 7) + std::string(20, ' ') + "Line 8(" +
                                 Edit_I(j, 2) + "): y, p, for user-input p-y curve");
    }
}

}  // namespace

void PY_UserPY(int k) {
    const PileNode& nd = g.nodes;
    if (nd.IBOT < nd.ITOP) return;
    const double h = g.pd.rd_PileLength / double(g.pd.i_NumIncrements);
    const double d1 = g.pd.rd_UserPyDepth(2 * k - 1), d2 = g.pd.rd_UserPyDepth(2 * k);
    for (int i = nd.ITOP; i <= nd.IBOT; ++i) {
        const double xa = nd.xa(i);
        const double xp = PY_Node_Depth(i);
        const double b = PY_Pile_Width(i);
        const double pmult = fn_pMultiplier(xa);
        const double ymult = fn_yMultiplier(xa);
        if (PY_Report_Mode()) {
            User_PY_Report(k, i, xa, xp, b, pmult, ymult);
            continue;
        }
        const double yc = PY_Relative_Deflection(i, ymult);
        const double e_init = Between_Curves(k, xa, Initial_Slope(2 * k - 1), Initial_Slope(2 * k));
        PY_Store_Modulus(i, yc >= 1.0E-14 ? pmult * User_PY_Value(k, xa, yc) / (ymult * yc) : e_init);
        // The last resistance of the two curves, integrated along the layer.
        const double p_top = Last_P(2 * k - 1), p_bottom = Last_P(2 * k);
        const double pult =
            std::fabs(d2 - d1) <= 1.0E-6 ? p_top : p_top + (xa - d1) * (p_bottom - p_top) / (d2 - d1);
        if (i == nd.ITOP) g.soil.rd_LayerResistance(k) = 0.0;
        g.soil.rd_LayerResistance(k) += h * pult;
    }
}

}  // namespace tarvex
