// Line-building operations of the output report: labelled values are written
// as pieces appended to one open line, then the line is closed.
#pragma once

#include <string>
#include <string_view>

#include "output/channel.h"

namespace tarvex {

// The adaptive layout of a real number in a field of w characters (one blank
// and w-1 characters), or the 14 characters "  Not-a-Number".
std::string Real_Field(double x, int w);
// An integer right-justified in w characters; a width outside 1..16 becomes 10.
std::string Int_Field(int n, int w);

void Write_Real_Field(double x, int w);
void Write_Int_Field(int n, int w);
void Write_Blanks(int n);
void End_Line();
void Write_Text8_Line(std::string_view text8);
void Write_Text10(std::string_view text10);

// Appends text to the open report line; Report_Line writes a whole line.
void Report_Text(std::string_view text);
void Report_Line(std::string_view text);
void Report_Blank_Lines(int n);

// A heading: a line of 80 '-', the title after `indent` blanks, a line of 80 '-'.
void Write_Block_Heading(int indent, std::string_view title);
std::string Rule(char c);  // a line of 80 c

// A fixed-length text, cut or blank-padded to n characters.
std::string Fixed(std::string_view s, int n);
// The text followed by blanks up to `column`, where the next piece starts; a
// text that reaches the column already is kept whole.
std::string Tab_To(std::string_view text, int column);
// A real number in the layout of a field of width 15, without leading blanks.
std::string Real_Text(double x);
// An integer without leading blanks.
std::string Int_Text(long long n);

}  // namespace tarvex
