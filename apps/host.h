// Command-line host of the engine: prepares the run files, calls TGO and tells
// the engineer what happened.
#pragma once

int Host_Main(int argc, char** argv);
