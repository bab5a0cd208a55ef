// Text output channels: the output report, the plot output file and the runtime
// message file, each built line by line with at most one line open. A file of
// the run receives its lines in large pieces: a few system calls per file.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace tarvex {

struct Channel {
    std::FILE* f = nullptr;  // attached stream, written line by line; not owned
    int fd = -1;             // owned file, written in large pieces; -1 if none
    long long written = 0;   // bytes written to the owned file since it was emptied
    std::string pending;     // whole lines not yet written to the owned file
    std::string line;        // the open line, not yet written
    bool open = false;       // a line is open
};

void Put(Channel& ch, std::string_view text);        // appends to the open line
void End(Channel& ch);                                // closes the open line (an empty line if none)
void Put_Line(Channel& ch, std::string_view text);   // one whole line
void Blank_Lines(Channel& ch, int n);                 // n empty lines
bool Open_Channel(Channel& ch, const char* path);     // creates or replaces the file
void Attach_Channel(Channel& ch, std::FILE* f);       // writes to a stream it does not own
bool Has_Destination(const Channel& ch);              // a file is open or a stream attached
void Flush_Channel(Channel& ch);                      // the closed lines reach the file now
void Rewind_Channel(Channel& ch);                     // empties the file and starts again
void Close_Channel(Channel& ch);                      // ends an open line, closes an owned file

}  // namespace tarvex

namespace tarvex {

// The three output files of a run. Before the run files are open, the report
// goes to standard output and runtime messages to the fallback message file.
struct OutputFiles {
    Channel report;  // output report
    Channel plot;    // plot output file
    Channel msg;     // runtime message file
};
extern OutputFiles g_Out;

}  // namespace tarvex
