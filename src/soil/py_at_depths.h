// p-y curves reported at the depths the input asks for.
#pragma once

namespace tarvex {

void PY_At_Depths();

}  // namespace tarvex
