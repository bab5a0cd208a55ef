// Run control record: the interface version, the run files named by NAMES.DAT
// and the format tag of the problem input file.
#pragma once

#include "engine/checked_array.h"

namespace tarvex {

constexpr int kInterfaceVersion = 6030;
constexpr int kPathLength = 256;  // characters of a path read from NAMES.DAT

struct RunControl {
    Text<11> VersionString;                 // "2012-06.030", shown in the banner
    Text<kPathLength> CurrentDirectory;     // working directory at entry
    Text<kPathLength> InputFileName;        // problem input file
    Text<kPathLength> OutputFileName;       // output report
    Text<kPathLength> PlotFileName;         // plot output file
    Text<kPathLength> RunMessageFileName;   // runtime message file
    Text<7> FormatTag;                      // first token of line 1 of the input file
    bool b_RunFilesOpen = false;            // the four run files are open
};

}  // namespace tarvex
