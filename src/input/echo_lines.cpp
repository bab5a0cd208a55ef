// Report lines of the input echo.
#include "input/echo_lines.h"

#include "engine/store.h"
#include "output/report_lines.h"

namespace tarvex {

void Echo_Label(std::string_view label) { Report_Text(Fixed(label, kEchoLabelWidth) + "= "); }

void Echo_Real(std::string_view label, double x, int w, std::string_view unit) {
    Echo_Label(label);
    Write_Real_Field(x, w);
    Report_Line(" " + std::string(unit));
}

void Echo_Int(std::string_view label, int n, int w) {
    Echo_Label(label);
    Write_Int_Field(n, w);
    End_Line();
}

void Echo_Heading(int blank_before, int indent, std::string_view title) {
    Report_Blank_Lines(blank_before);
    Write_Block_Heading(indent, title);
}

std::string Unit_Force() { return std::string(g.units.ForceLabel.trimmed()); }
std::string Unit_Moment() { return Unit_Length() + "-" + Unit_Force(); }
std::string Unit_Power(int p) { return Unit_Length() + "^" + Int_Text(p); }
std::string Unit_Force_Per_Power(int p) {
    return Unit_Force() + "/" + (p == 1 ? Unit_Length() : Unit_Power(p));
}

}  // namespace tarvex
