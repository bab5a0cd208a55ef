// Summary of the pile responses of all load cases.
#pragma once

namespace tarvex {

// The "Summary of Pile Response(s)" table and one plot record per case.
void Write_Response_Summary();

}  // namespace tarvex
