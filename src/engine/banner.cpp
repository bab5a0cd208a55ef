// Report banner, "Files Used for Analysis" block and "Date and Time of Analysis" block.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "engine/entry.h"
#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"

namespace tarvex {

PathParts Split_Path(std::string_view path) {
    PathParts p;
    if (path.size() >= 2 && path[1] == ':' &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))) {
        p.drive = std::string(path.substr(0, 2));
        path.remove_prefix(2);
    }
    size_t sep = path.find_last_of("/\\");
    if (sep != std::string_view::npos) {
        p.dir = std::string(path.substr(0, sep + 1));
        path.remove_prefix(sep + 1);
    }
    size_t dot = path.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0) {
        p.ext = std::string(path.substr(dot));
        path = path.substr(0, dot);
    }
    p.name = std::string(path);
    return p;
}

void Write_Banner() {
    Report_Line(Rule('='));
    Report_Blank_Lines(1);
    Report_Line(std::string(15, ' ') + "   Tarvex for Windows, Version " + std::string(g.run.VersionString.view()));
    Report_Blank_Lines(1);
    Report_Line(std::string(15, ' ') + " Analysis of Individual Piles and Drilled Shafts ");
    Report_Line(std::string(15, ' ') + "Subjected to Lateral Loading Using the p-y Method");
    Report_Blank_Lines(1);
    Report_Line(Rule('='));
    Report_Blank_Lines(1);
}

void Write_Files_Block() {
    Write_Block_Heading(28, "Files Used for Analysis");
    Report_Blank_Lines(1);
    PathParts in = Split_Path(g.run.InputFileName.trimmed());
    Report_Line("Path to file locations:        " + in.drive + in.dir);
    auto name_of = [](const Text<kPathLength>& t) {
        PathParts p = Split_Path(t.trimmed());
        return p.name + p.ext;
    };
    Report_Line("Name of input data file:       " + name_of(g.run.InputFileName));
    Report_Line("Name of output report file:    " + name_of(g.run.OutputFileName));
    Report_Line("Name of plot output file:      " + name_of(g.run.PlotFileName));
    Report_Line("Name of runtime messeage file: " + name_of(g.run.RunMessageFileName));
    Report_Blank_Lines(1);
}

// The local date and time, or the instant of SOURCE_DATE_EPOCH (in UTC) when
// the environment sets it, so that reports can be reproduced byte for byte.
static bool Analysis_Time(std::tm& t) {
    std::time_t now = std::time(nullptr);
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
        char* end = nullptr;
        long long v = std::strtoll(epoch, &end, 10);
        if (end && *end == '\0') {
            now = static_cast<std::time_t>(v);
            return gmtime_r(&now, &t) != nullptr;
        }
    }
    return localtime_r(&now, &t) != nullptr;
}

void Write_Date_And_Time() {
    static constexpr const char* kMonths[12] = {"January", "February", "March",     "April",
                                                "May",     "June",     "July",      "August",
                                                "September", "October", "November", "December"};
    Write_Block_Heading(27, "Date and Time of Analysis");
    Report_Blank_Lines(1);
    std::tm t{};
    if (!Analysis_Time(t)) return;
    int month = t.tm_mon + 1;
    if (month < 1 || month > 12) return;
    char clock[16];
    std::snprintf(clock, sizeof clock, "%2d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
    Report_Line(std::string(15, ' ') + "Date:  " + kMonths[month - 1] + " " + Int_Text(t.tm_mday) + ", " +
                Edit_I(t.tm_year + 1900, 4) + std::string(5, ' ') + "Time:  " + clock);
}

}  // namespace tarvex
