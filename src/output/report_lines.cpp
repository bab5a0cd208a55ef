// Line-building operations of the output report.
#include "output/report_lines.h"

#include <array>
#include <cmath>

#include "output/fortran_edit.h"

namespace tarvex {

OutputFiles g_Out;

namespace {

struct BandLimits {
    double big, mid, small;
};

// Band limits are single-precision values compared in double precision.
BandLimits Compute_Band_Limits(int w) {
    return {double(std::pow(10.0f, float(w - 3)) - 1.0f), double(std::pow(10.0f, float(9 - w))),
            double(std::pow(10.0f, float(7 - w)))};
}

// The limits of the widths callers use, computed once; other widths each time.
constexpr int kCachedWidths = 41;
BandLimits Band_Limits(int w) {
    static const auto table = [] {
        std::array<BandLimits, kCachedWidths> t{};
        for (int k = 0; k < kCachedWidths; ++k) t[size_t(k)] = Compute_Band_Limits(k);
        return t;
    }();
    return (w >= 0 && w < kCachedWidths) ? table[size_t(w)] : Compute_Band_Limits(w);
}

}  // namespace

std::string Real_Field(double x, int w) {
    double a = std::fabs(x);
    if (a < 1.0E-12) {
        x = 0.0;
        a = 0.0;
    }
    const BandLimits lim = Band_Limits(w);
    const double l_big = lim.big, l_mid = lim.mid, l_small = lim.small;
    const int wf = w - 1;
    std::string body;
    if (x == 0.0 || a < 1.0E-25)
        body = Edit_F(0.0, wf, w - 8);
    else if (a > l_big)
        body = Edit_E(x, wf, w - 8);
    else if (a > 10000.0)
        body = Edit_F(x, wf, 0);
    else if (a > l_mid)
        body = Edit_F(x, wf, w - 7);
    else if (a >= l_small)
        body = Edit_F(x, wf, w - 5);
    else if (a < l_small)
        body = Edit_E(x, wf, w - 8);
    else
        return "  Not-a-Number";
    return " " + body;
}

std::string Int_Field(int n, int w) {
    if (w < 1 || w > 16) w = 10;
    return Edit_I(n, w);
}

void Write_Real_Field(double x, int w) { Put(g_Out.report, Real_Field(x, w)); }
void Write_Int_Field(int n, int w) { Put(g_Out.report, Int_Field(n, w)); }
void Write_Blanks(int n) {
    if (n > 0) Put(g_Out.report, std::string(size_t(n), ' '));
}
void End_Line() { End(g_Out.report); }
void Write_Text8_Line(std::string_view text8) {
    Put(g_Out.report, Fixed(text8, 8));
    End(g_Out.report);
}
void Write_Text10(std::string_view text10) { Put(g_Out.report, Fixed(text10, 10)); }

void Report_Text(std::string_view text) { Put(g_Out.report, text); }
void Report_Line(std::string_view text) { Put_Line(g_Out.report, text); }
void Report_Blank_Lines(int n) { Blank_Lines(g_Out.report, n); }

std::string Rule(char c) { return std::string(80, c); }

void Write_Block_Heading(int indent, std::string_view title) {
    Report_Line(Rule('-'));
    Report_Line(std::string(size_t(indent > 0 ? indent : 0), ' ') + std::string(title));
    Report_Line(Rule('-'));
}

std::string Fixed(std::string_view s, int n) {
    std::string r(s.substr(0, size_t(n)));
    r.resize(size_t(n), ' ');
    return r;
}

std::string Tab_To(std::string_view text, int column) {
    const int pad = column - 1 - int(text.size());
    return std::string(text) + std::string(size_t(pad > 0 ? pad : 0), ' ');
}

std::string Real_Text(double x) {
    const std::string field = Real_Field(x, 15);
    return field.substr(field.find_first_not_of(' '));
}

std::string Int_Text(long long n) { return std::to_string(n); }

}  // namespace tarvex
