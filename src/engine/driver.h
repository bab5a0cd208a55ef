// Analysis driver: sequences every stage after the input file has been read.
#pragma once

namespace tarvex {

void Run_Analysis();

}  // namespace tarvex
