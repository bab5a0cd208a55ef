// p-y curves at requested depths.
#include "soil/py_at_depths.h"

#include "engine/driver.h"

namespace tarvex {

void PY_At_Depths() { Stop_Stage_Not_Available("p-y curves at requested depths"); }

}  // namespace tarvex
