// The complete fixture: every section keyword, every section type and every
// p-y model code, read into the store and checked field by field.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/store.h"
#include "input/keyword_reading.h"

namespace tarvex_test {
using namespace tarvex;

TEST(CompleteFixture, ReadsWithoutError) {
    ReadResult r = Read_Keyword_Text(Fixture("complete.dat"));
    EXPECT_EQ(r.state, 0) << r.report << r.msg;
}

}  // namespace tarvex_test
