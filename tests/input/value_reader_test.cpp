// Free-format value reads, as a table of cases.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/store.h"
#include "input/input_file.h"
#include "input/value_reader.h"

namespace tarvex_test {
using namespace tarvex;

struct ValueCase {
    const char* text;      // the lines of the file
    const char* kinds;     // one target per letter: i integer, r real, t 16-character token
    const char* expected;  // the targets after the read, '|'-separated (start values: -7, -7.5, "init")
    const char* next;      // the line that the following read starts on ("<eof>" at the end)
    int state;             // error state after the read (0: none)
};

const ValueCase kValueCases[] = {
    // separators
    {"1 2 3\n", "iii", "1|2|3", "<eof>", 0},
    {"1,2,3\nnext\n", "iii", "1|2|3", "next", 0},
    {"  1 ,  2\t,3\nnext\n", "iii", "1|2|3", "next", 0},
    // the rest of a line is ignored; the next read starts on a new line
    {"1 2 3 comment text\nnext\n", "ii", "1|2", "next", 0},
    {"5   Depth of layer\nnext\n", "r", "5", "next", 0},
    // continuation on the following lines
    {"1 2\n3\nnext\n", "iii", "1|2|3", "next", 0},
    {"1\n\n\n2 9\nnext\n", "ii", "1|2", "next", 0},
    {"1,\n2\nnext\n", "ii", "1|2", "next", 0},
    // repeat counts
    {"3*0.5\nnext\n", "rrr", "0.5|0.5|0.5", "next", 0},
    {"2*4 5\n", "iii", "4|4|5", "<eof>", 0},
    {"2* 5\n", "iii", "-7|-7|5", "<eof>", 0},
    {"4*1.5\nnext\n", "rr", "1.5|1.5", "next", 0},
    {"2*\n3\n", "rrr", "-7.5|-7.5|3", "<eof>", 0},
    // empty values leave their targets unchanged
    {"1,,3\n", "iii", "1|-7|3", "<eof>", 0},
    {"1, ,3\n", "iii", "1|-7|3", "<eof>", 0},
    {",2,3\n", "iii", "-7|2|3", "<eof>", 0},
    {"1,,,4\n", "iiii", "1|-7|-7|4", "<eof>", 0},
    {"1 , , 3\n", "iii", "1|-7|3", "<eof>", 0},
    {"1,\n,3\n", "iii", "1|-7|3", "<eof>", 0},
    // a slash ends the read
    {"1 /\nnext\n", "iii", "1|-7|-7", "next", 0},
    {"1 2/ 3\nnext\n", "iii", "1|2|-7", "next", 0},
    {"/\nnext\n", "rr", "-7.5|-7.5", "next", 0},
    {"1,/\n", "ii", "1|-7", "<eof>", 0},
    // integers and reals
    {"-12 +7 0\n", "iii", "-12|7|0", "<eof>", 0},
    {"2147483647 -2147483648\n", "ii", "2147483647|-2147483648", "<eof>", 0},
    {"1.5 -.25 3. 1e3 2.5D-2 -4E+1 7\n", "rrrrrrr", "1.5|-0.25|3|1000|0.025|-40|7", "<eof>", 0},
    // labelled values
    {"MaxIter 100\n", "ti", "MaxIter|100", "<eof>", 0},
    {"ConvergenceTolerance_in 1e-5\n", "tr", "ConvergenceToler|1e-05", "<eof>", 0},
    {"100\n200\nnext\n", "ti", "100|200", "next", 0},
    {"Tol,0.5\n", "tr", "Tol|0.5", "<eof>", 0},
    // a CR before the line end is not part of the line; the last line needs no line end
    {"1 2\r\n3\r\nnext\r\n", "iii", "1|2|3", "next", 0},
    {"4 5", "ii", "4|5", "<eof>", 0},
    {"1.5\r", "r", "1.5", "<eof>", 0},
    // values that do not fit their type: input error 74
    {"1.0\n", "i", "", "", 174},
    {"abc\n", "r", "", "", 174},
    {"1e\n", "r", "", "", 174},
    {"1.5.2\n", "r", "", "", 174},
    {"2147483648\n", "i", "", "", 174},
    {"1e999\n", "r", "", "", 174},
    {"inf\n", "r", "", "", 174},
    {"nan\n", "r", "", "", 174},
    {"0*5\n", "i", "", "", 174},
    {"3*abc\n", "r", "", "", 174},
    {"12abc\n", "i", "", "", 174},
    {"+\n", "i", "", "", 174},
    {".\n", "r", "", "", 174},
    // the end of the file before the read is complete: input error 75
    {"", "i", "", "", 175},
    {"1 2\n", "iii", "", "", 175},
    {"1,\n\n", "ii", "", "", 175},
};

std::string Show(double x) {
    std::ostringstream s;
    s << x;
    return s.str();
}

class ValueReader : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueReader, ReadsTheTargets) {
    const ValueCase& c = GetParam();
    Reset_Store();
    g_Input = InputFile{};
    g_Input.text = c.text;
    const std::string kinds = c.kinds;
    std::vector<int> ints(kinds.size(), -7);
    std::vector<double> reals(kinds.size(), -7.5);
    std::vector<Label> labels(kinds.size(), Label("init"));
    std::vector<ValueTarget> targets;
    for (size_t k = 0; k < kinds.size(); ++k) {
        if (kinds[k] == 'i') targets.emplace_back(ints[k]);
        if (kinds[k] == 'r') targets.emplace_back(reals[k]);
        if (kinds[k] == 't') targets.emplace_back(labels[k]);
    }
    auto read = [&] {
        switch (targets.size()) {
            case 1: Read_Values({targets[0]}); break;
            case 2: Read_Values({targets[0], targets[1]}); break;
            case 3: Read_Values({targets[0], targets[1], targets[2]}); break;
            case 4: Read_Values({targets[0], targets[1], targets[2], targets[3]}); break;
            default: Read_Values({targets[0], targets[1], targets[2], targets[3], targets[4],
                                  targets[5], targets[6]});
        }
    };
    if (c.state != 0) {
        EXPECT_THROW(read(), EngineStop) << c.text;
        EXPECT_EQ(g.err.i_ErrorState, c.state) << c.text;
        return;
    }
    ASSERT_NO_THROW(read()) << c.text;
    std::string got;
    for (size_t k = 0; k < kinds.size(); ++k) {
        if (k) got += '|';
        if (kinds[k] == 'i') got += std::to_string(ints[k]);
        if (kinds[k] == 'r') got += Show(reals[k]);
        if (kinds[k] == 't') got += std::string(labels[k].trimmed());
    }
    EXPECT_EQ(got, c.expected) << c.text;
    std::string_view line;
    EXPECT_EQ(Next_Line(g_Input, line) ? std::string(line) : std::string("<eof>"), c.next) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Table, ValueReader, ::testing::ValuesIn(kValueCases));

TEST(KeywordForm, KeepsLeadingBlanksDropsTrailingBlanksAndColumnsBeyond256) {
    EXPECT_EQ(Keyword_Form("Units SI   "), "Units SI");
    EXPECT_EQ(Keyword_Form(" Units SI"), " Units SI");
    EXPECT_EQ(Keyword_Form(std::string(255, 'A') + "BCD"), std::string(255, 'A') + "B");
    EXPECT_EQ(Keyword_Form(std::string("END") + std::string(300, ' ') + "X"), "END");
}

}  // namespace tarvex_test
