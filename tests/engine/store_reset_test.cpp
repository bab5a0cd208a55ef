// Store reset: after a run that touched few pages or a great many, the store
// equals a freshly constructed one byte for byte.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "engine/store.h"

namespace tarvex {
namespace {

// Fills `bytes` bytes of the store from `offset` with a pattern, as a run would
// leave its values there.
void Scribble(size_t offset, size_t bytes) {
    unsigned char* p = reinterpret_cast<unsigned char*>(&g) + offset;
    for (size_t i = 0; i < bytes; ++i) p[i] = static_cast<unsigned char>(0x5A ^ i);
}

bool Equals_Fresh_Store() {
    const auto fresh = std::make_unique<Store>();
    return std::memcmp(&g, fresh.get(), sizeof(Store)) == 0;
}

TEST(StoreReset, FewTouchedPagesComeBackToTheResetState) {
    Reset_Store();
    Scribble(0, 64);
    Scribble(sizeof(Store) / 2, 10000);
    Scribble(sizeof(Store) - 100, 100);
    g.err.i_ErrorState = 205;
    g.soil.rd_XeqTop(3) = 12.5;
    Reset_Store();
    EXPECT_TRUE(Equals_Fresh_Store());
    EXPECT_EQ(g.soil.rd_XeqTop(3), kXeqNotComputed);
}

TEST(StoreReset, EveryPageTouchedComesBackToTheResetState) {
    Reset_Store();
    Scribble(0, sizeof(Store));
    Reset_Store();
    EXPECT_TRUE(Equals_Fresh_Store());
    // and again from the reset state, as the next call of a run starts
    Reset_Store();
    EXPECT_TRUE(Equals_Fresh_Store());
}

}  // namespace
}  // namespace tarvex
