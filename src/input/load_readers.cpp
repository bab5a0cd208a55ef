// Loads of the keyword input file: the pile-head load cases, the unfactored
// LRFD load groups and the factored LRFD load combinations.
#include <string>

#include "engine/store.h"
#include "input/input_errors.h"
#include "input/keyword_sections.h"
#include "input/value_reader.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

constexpr int kNumLoadTypes = 5;           // pile-head boundary conditions
constexpr int kMinLRFDDistPts = 2;         // a distributed load needs two points
constexpr double kDefaultResistanceFactor = 0.75;
constexpr int kLRFDLoadsError = 98;
constexpr int kLRFDOrderError = 97;
constexpr int kLRFDDistOrderError = 96;
constexpr int kLRFDCombosError = 94;
constexpr int kZeroFactorsError = 72;

// A report-only block: two empty lines, the heading, an empty line, the body, two empty lines.
void LRFD_Error(int n, std::initializer_list<std::string_view> body) {
    Report_Blank_Lines(2);
    Report_Line("***** Input Data Error No. " + Int_Text(n) + " *****");
    Report_Blank_Lines(1);
    for (auto line : body) Report_Line(line);
    Report_Blank_Lines(2);
    Stop_Input_Error(n);
}

void Read_LRFD_Distributed_Load(int i, int nd) {
    ProblemData& pd = g.pd;
    for (int k = 1; k <= nd; ++k) {
        int point = 0;
        Read_Values({point, pd.rd_LRFDDistDepth(k, i), pd.rd_LRFDDist(k, i)});
        if (point != k)
            LRFD_Error(kLRFDDistOrderError,
                       {"Input appears to be out-of-order for LRFD distributed load " + Int_Text(i), "",
                        "Input distributed load point is " + Int_Text(point) + " and the expected point number is ",
                        Int_Text(k)});
    }
}

}  // namespace

void Read_LRFD_Loads() {
    ProblemData& pd = g.pd;
    Put_Line(g_Out.msg, "Reading LRFD unfactored load data");
    int n = 0;
    Read_Values({n});
    if (n < 1 || n > kMaxLRFDLoads)
        LRFD_Error(kLRFDLoadsError,
                   {"Number of LRFD loads specified is " + Int_Text(n), "This is outside of the valid range to 1 to 100"});
    pd.i_NumLRFDLoads = n;
    for (int i = 1; i <= n; ++i) {
        int group = 0, type = pd.i_LRFDLoadType(i), nd = pd.i_LRFDNumDist(i);
        Read_Values({group, type, pd.rd_LRFDShear(i), pd.rd_LRFDMoment(i), pd.rd_LRFDAxial(i), nd});
        if (group != i)
            LRFD_Error(kLRFDOrderError, {"Input appears to be out-of-order for LRFD loading",
                                         "Input load number is " + Int_Text(group) +
                                             " and the expected load number is " + Int_Text(i)});
        Check_Code(type, 1, kNumLRFDLoadTypes, "LRFD load type");
        pd.i_LRFDLoadType(i) = type;
        if (nd != 0 && (nd < kMinLRFDDistPts || nd > kMaxLRFDDistPts))
            LRFD_Error(kOptionError, {"Number of distributed load points for LRFD load number " + Int_Text(i) +
                                          " is outside of the valid range of 0 or 2 to 100.",
                                      "", "The input number of distributed load points is " + Int_Text(nd)});
        pd.i_LRFDNumDist(i) = nd;
        Read_LRFD_Distributed_Load(i, nd);
    }
}

void Read_LRFD_Combinations() {
    ProblemData& pd = g.pd;
    Put_Line(g_Out.msg, "Reading LRFD load and resistance factor data ");
    int n = 0;
    Read_Values({n});
    if (n < 1 || n > kMaxLRFDCombos)
        LRFD_Error(kLRFDCombosError, {"Number of LRFD load combinations outside of the valid range of 1 to 100.", "",
                                      "Number of LRFD load combinations input is " + Int_Text(n)});
    pd.i_NumLRFDCombos = n;
    for (int k = 1; k <= n; ++k) {
        int number = 0;
        auto f = [&](int m) -> double& { return pd.rd_LoadFactor(m, k); };
        Read_Values({number, f(1), f(2), f(3), f(4), f(5), f(6), f(7), f(8), f(9), f(10), f(11), f(12), f(13),
                     pd.rd_PhiFlexure(k), pd.rd_PhiShear(k)});
        pd.ComboName(k).set(Read_Text_Line());
        if (pd.rd_PhiFlexure(k) <= 0) pd.rd_PhiFlexure(k) = kDefaultResistanceFactor;
        if (pd.rd_PhiShear(k) <= 0) pd.rd_PhiShear(k) = kDefaultResistanceFactor;
        double sum = 0;
        for (int m = 1; m <= kNumLRFDLoadTypes; ++m) sum += f(m);
        if (sum <= 0)
            LRFD_Error(kZeroFactorsError, {"All input load factors for LRFD analysis are zero.", "",
                                           "The number of the LRFD load combination in error is " + Int_Text(number)});
    }
}

void Read_Pile_Head_Loading() {
    ProblemData& pd = g.pd;
    Put_Line(g_Out.msg, "Reading pile head loading data");
    int n = 0;
    Read_Values({n});
    Check_Count(n, kMaxLoads, "pile-head load cases");
    pd.i_NumLoads = n;
    int index = 0;
    for (int i = 1; i <= n; ++i) {
        int type = pd.i_LoadType(i);
        int length_study = on(pd.b_ComputeYvsL(i)) ? 0 : 1;  // 1: no pile-length study
        Read_Values({index, type, pd.rd_LoadCond1(i), pd.rd_LoadCond2(i), pd.rd_AxialThrust(i), length_study});
        Check_Code(type, 1, kNumLoadTypes, "pile-head load type");
        pd.i_LoadType(i) = type;
        pd.b_ComputeYvsL(i) = length_study == 1 ? kFalse : kTrue;
    }
    int m = 0;
    Read_Values({m});
    Check_Count(m, kMaxDistLoadPts, "distributed-load points");
    pd.i_NumDistLoadPts = m;
    if (m < 1) {
        for (int i = 1; i <= 2; ++i) pd.rd_DistLoadDepth(i) = pd.rd_DistLoad(i) = 0;
        return;
    }
    for (int i = 1; i <= m; ++i) Read_Values({index, pd.rd_DistLoadDepth(i), pd.rd_DistLoad(i)});
}

}  // namespace tarvex
