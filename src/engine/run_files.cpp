// Run files: NAMES.DAT, the four files of a run, the format tag and the end of the run.
#include <cstdio>

#include "engine/entry.h"
#include "engine/store.h"
#include "input/input_file.h"
#include "input/readers.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

constexpr int kNamesLines = 4;

// Text of runtime errors 3 to 6 (line n of NAMES.DAT cannot be read).
constexpr const char* kNamesLineError[kNamesLines] = {
    "The name of the input data file is corrupted.",
    "The name of the output report file is corrupted.",
    "The name of the plot output file is corrupted.",
    "Name of runtime message file is corrupted",
};

// Text of runtime error 17 (name n is blank).
constexpr const char* kBlankNameError[kNamesLines] = {
    "Input data filename information corrupted. No analysis was performed.",
    "Output filename information is corrupted. No analysis was performed.",
    "Plot output filename information is corrupted. No analysis was performed.",
    "Run message filename information is corrupted. No analysis performed.",
};

Text<kPathLength>* Run_File_Name(int n) {
    Text<kPathLength>* names[kNamesLines] = {&g.run.InputFileName, &g.run.OutputFileName,
                                             &g.run.PlotFileName, &g.run.RunMessageFileName};
    return names[n];
}

std::string Path_Of(const Text<kPathLength>& name) { return std::string(name.trimmed()); }

void Error_On_Stderr(std::initializer_list<std::string_view> lines) {
    Channel err;
    Attach_Channel(err, stderr);
    for (auto l : lines) Put_Line(err, l);
    Close_Channel(err);
}

// Status lines of the end of the run: an empty line, the text, an empty line.
void Status_Line(Channel& ch, std::string_view text) {
    if (ch.open) End(ch);
    Blank_Lines(ch, 1);
    Put_Line(ch, text);
    Blank_Lines(ch, 1);
}

}  // namespace

void Fallback_Message_Block(std::initializer_list<std::string_view> lines) {
    if (!Has_Destination(g_Out.msg)) Open_Channel(g_Out.msg, kFallbackMessageFile);
    for (auto l : lines) Put_Line(g_Out.msg, l);
}

void Read_Run_File_Names() {
    InputFile names;
    if (!Load_Input_File(names, "NAMES.DAT")) {
        Fallback_Message_Block({"", "", Runtime_Error_Heading(2), "",
                                "Contents of file NAMES.DAT is corrupted."});
        Stop_With_Error(Error_Code(202), 202);
    }
    for (int n = 0; n < kNamesLines; ++n) {
        std::string_view line;
        if (!Next_Line(names, line)) {
            Fallback_Message_Block({"", "", Runtime_Error_Heading(3 + n), "", kNamesLineError[n]});
            Stop_With_Error(Error_Code(203 + n), 203 + n);
        }
        Run_File_Name(n)->set(line.substr(0, kPathLength));
    }
    for (int n = 0; n < kNamesLines; ++n) {
        if (Run_File_Name(n)->blank()) {
            Error_On_Stderr({Runtime_Error_Heading(17), "", kBlankNameError[n]});
            Stop_With_Error(Error_Code(217), 217);
        }
    }
}

void Open_Run_Files() {
    std::string input = Path_Of(g.run.InputFileName);
    if (!Load_Input_File(g_Input, input.c_str())) {
        Error_On_Stderr({Runtime_Error_Heading(7), "",
                         "The input data file cannot be opened: " + input});
        Raise_Error(207);
    }
    const Text<kPathLength>* outputs[3] = {&g.run.OutputFileName, &g.run.PlotFileName,
                                           &g.run.RunMessageFileName};
    Channel* channels[3] = {&g_Out.report, &g_Out.plot, &g_Out.msg};
    for (int k = 0; k < 3; ++k) {
        std::string path = Path_Of(*outputs[k]);
        if (!Open_Channel(*channels[k], path.c_str())) {
            if (k == 0) Attach_Channel(g_Out.report, stdout);
            Error_On_Stderr({Runtime_Error_Heading(8), "",
                             "The output file cannot be created: " + path});
            Raise_Error(208);
        }
    }
    g.run.b_RunFilesOpen = true;
}

void Dispatch_Input_Reader() {
    if (g_Input.text.empty()) {
        Fallback_Message_Block({"", "", Input_Error_Heading(25), "",
                                "Size of input data file is 0 bytes.  No analysis performed.", ""});
        Stop_With_Error(Error_Code(125), 125);
    }
    std::string_view first;
    Next_Line(g_Input, first);
    switch (Format_Of_First_Line(first)) {
        case InputFormat::Keyword: Read_Keyword_Input_File(); break;
        case InputFormat::Previous: Read_Tagged_Previous_Format(); break;
        case InputFormat::Untagged:
            Rewind_Input(g_Input);
            Read_Untagged_Format();
            break;
    }
}

InputFormat Format_Of_First_Line(std::string_view first) {
    size_t b = first.find_first_not_of(' ');
    std::string_view token = (b == std::string_view::npos) ? std::string_view() : first.substr(b);
    token = token.substr(0, token.find_first_of(" ,"));
    g.run.FormatTag.set(token.substr(0, 7));
    if (g.run.FormatTag == "TARVEX6") return InputFormat::Keyword;
    if (g.run.FormatTag == "TARVEX5") return InputFormat::Previous;
    return InputFormat::Untagged;
}

void End_Of_Run() {
    const int state = g.err.i_ErrorState;
    std::string status;
    if (state >= 100 && state <= 199)
        status = "The analysis ended due to input error No. " + Int_Text(state - 100) + ".";
    else if (state >= 200 && state <= 299)
        status = "The analysis ended due to runtime error No. " + Int_Text(state - 200) + ".";
    if (!status.empty()) {
        if (!Has_Destination(g_Out.msg)) Open_Channel(g_Out.msg, kFallbackMessageFile);
        Status_Line(g_Out.msg, status);
        Status_Line(g_Out.report, status);
    }
    if (Count_Distinct_Warnings() > 0) {
        Blank_Lines(g_Out.msg, 2);
        Put_Line(g_Out.msg,
                 "The analysis ended with one or more warning messages. See the output report file for more details.");
        Blank_Lines(g_Out.msg, 2);
        Write_Warning_Summary();
    }
    if (state == 0) {
        Status_Line(g_Out.msg, "The analysis ended normally. ");
        Status_Line(g_Out.report, "The analysis ended normally. ");
    }
}

int Return_Value() {
    const int state = g.err.i_ErrorState;
    if (state != 0) return state;
    int distinct = Count_Distinct_Warnings();
    if (distinct == 0) return 0;
    if (distinct > 1) return -300;
    for (int k = 1; k <= kMaxWarningNumber; ++k)
        if (g.err.i_WarningTally(k) > 0) return -k;
    return 0;
}

}  // namespace tarvex
