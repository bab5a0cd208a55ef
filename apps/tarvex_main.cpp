#include "host.h"

int main(int argc, char** argv) { return Host_Main(argc, argv); }
