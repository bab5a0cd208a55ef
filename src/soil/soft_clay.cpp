// Matlock (1970) soft clay p-y curves.
#include "engine/internal_errors.h"
#include "engine/store.h"
#include "soil/py_models.h"

namespace tarvex {

void PY_SoftClay(int k) { Raise_Error(200 + kStageRuntimeError); }
void PY_SoftClyJ(int k) { Raise_Error(200 + kStageRuntimeError); }

}  // namespace tarvex
