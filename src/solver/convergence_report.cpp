// The convergence-performance analysis written when a load case fails to converge.
#include "solver/convergence_report.h"

#include <climits>
#include <cmath>

#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"

namespace tarvex {

// Recommended upper limits of the convergence tolerance (single-precision values).
constexpr double kToleranceLimitInches = 9.999999747378752E-05;  // 0.0001 in
constexpr double kToleranceLimitMeters = 2.539999968576012E-06;  // 2.54E-6 m
constexpr int kIterationsCeiling = 1000;

namespace {

std::string Length_Unit() { return std::string(g.units.LengthLabel.trimmed()); }
std::string E12(double x) { return Edit_E(x, 12, 4); }

void Tolerance_Text(bool si) {
    const SolutionState& s = g.sol;
    Report_Line("The current value for convergence tolerance is less than the recommended upper limit of ");
    Report_Line(si ? "0.00000254 meters, so a solution is possible if the convergence tolerance is raised to a value "
                   : "0.0001 inches, so a solution is possible if the convergence tolerance is raised to a value ");
    Report_Line("greater than " + E12(s.rd_dYmax) + " " + Length_Unit() + ".");
    Report_Blank_Lines(1);
    Report_Line(si ? "It is recommended that the convergence tolerance not be raised above 0.00000254 meters."
                   : "It is recommended that the convergence tolerance not be raised above 0.0001 inches.");
    Report_Blank_Lines(1);
}

void Not_Likely_Text() {
    Report_Line("The analysis of convergence performance found that it is not likely that a ");
    Report_Line("solution can be obtained by changing the solution criteria for this problem. ");
    Report_Line("However, the maximum number of iterations is less than 1000, so a solution ");
    Report_Line("may be obtained by raising the maximum number of iterations to 1000.");
    Report_Blank_Lines(1);
}

void Not_Possible_Text() {
    Report_Line("The analysis of convergence performance found that it is not possible to obtain a ");
    Report_Line("solution by changing the solution criteria for this problem. This indicates that  ");
    Report_Line("the pile is loaded above its structural and/or geotechnical capacity.");
}

// Recommendations for US customary (limit in inches) or SI units (limit in meters).
void Recommendations(int ni, bool si) {
    const ProblemData& pd = g.pd;
    const double limit = si ? kToleranceLimitMeters : kToleranceLimitInches;
    const int max_it = pd.i_MaxIterations;
    const double dymax = g.sol.rd_dYmax;
    if (pd.rd_ConvergenceTol < limit && (si || max_it <= kIterationsCeiling)) {
        if (ni < kIterationsCeiling) {
            Report_Line("A solution may be possible by increasing the maximum number of iterations to above this value.");
        } else if (ni > kIterationsCeiling) {
            Report_Line("The estimated number of iterations required to obtain a solution is greater than 1000, so a ");
            Report_Line("solution can only be obtained if the convergence tolerance is increased in value.");
            Report_Blank_Lines(1);
        }
        if (dymax < limit) Tolerance_Text(si);
    }
    if (dymax >= limit) {
        if (ni < kIterationsCeiling && max_it < kIterationsCeiling)
            Not_Likely_Text();
        else if (!(ni == kIterationsCeiling && max_it < kIterationsCeiling))
            Not_Possible_Text();
    }
}

void Measure_Line(std::string_view label, double value, int blanks_after) {
    Report_Line(std::string(label) + E12(value) + " " + Length_Unit());
    Report_Blank_Lines(blanks_after);
}

}  // namespace

int Estimated_Iterations(int limit, double dymax, double tol, double delta) {
    const double e = std::fabs(limit + (dymax - tol) / delta);
    if (!std::isfinite(e) || e > double(INT_MAX)) return -1;
    return int(e);
}

void Write_Convergence_Failure() {
    const ProblemData& pd = g.pd;
    const SolutionState& s = g.sol;
    if (g_Out.report.open) End_Line();
    Report_Blank_Lines(2);
    Report_Line(std::string(36, '-'));
    Report_Line("  ****  Runtime Error No. 10  ****  ");
    Report_Line(std::string(36, '-'));
    Report_Blank_Lines(1);
    Report_Line("The analysis failed to converge within the limit of " + Int_Text(pd.i_MaxIterations) + " iterations.");
    Report_Blank_Lines(1);
    Measure_Line("Maximum change in nodal deflections                      = ", s.rd_dYmax, 1);
    Measure_Line("Maximum change in nodal deflections from prior iteration = ", s.rd_DeltaDYmax, 1);
    Measure_Line("Specified convergence tolerance on nodal deflections     = ", pd.rd_ConvergenceTol, 2);
    Report_Line(std::string(59, '-'));
    Report_Line("Analysis of Convergence Performance and Recommendations for");
    Report_Line("Modification of Iterations Limit and Convergence Tolerance ");
    Report_Line(std::string(59, '-'));
    Report_Blank_Lines(1);
    Report_Line("The following recommendations are made on the basis of an analysis of convergence performance ");
    Report_Line("for the last analysis. ");
    Report_Blank_Lines(1);

    const bool us = pd.IUNITS == kUnitsUS, si = pd.IUNITS == kUnitsSI;
    const int ni = Estimated_Iterations(pd.i_MaxIterations, s.rd_dYmax, pd.rd_ConvergenceTol, s.rd_DeltaDYmax);
    if (ni < 0) {
        Report_Line("The estimated number of iterations needed to obtain a solution cannot be computed.");
        Report_Line("for the current criteria values.");
        Report_Blank_Lines(1);
        const double limit = si ? kToleranceLimitMeters : kToleranceLimitInches;
        if ((us && pd.i_MaxIterations <= kIterationsCeiling) || si)
            if (pd.rd_ConvergenceTol < limit && s.rd_dYmax < limit) Tolerance_Text(si);
        return;
    }
    Report_Line("The estimated number of iterations needed to obtain a solution for the current convergence ");
    Report_Line("tolerance value is " + Int_Text(ni) + " iterations.");
    Report_Blank_Lines(1);
    if (us || si) Recommendations(ni, si);
}

}  // namespace tarvex
