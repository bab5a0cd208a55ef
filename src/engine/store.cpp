// Program-wide store.
#include "engine/store.h"

#include <memory>
#include <new>

namespace tarvex {
namespace {

// Static storage: the store is far too large for a stack temporary, so it is
// reset by destroying and value-initialising it where it lives.
alignas(Store) unsigned char storage[sizeof(Store)];
Store* Construct() { return ::new (static_cast<void*>(storage)) Store(); }

}  // namespace

Store& g = *Construct();

void Reset_Store() {
    std::destroy_at(&g);
    ::new (static_cast<void*>(&g)) Store();
}

}  // namespace tarvex
