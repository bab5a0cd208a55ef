#include <gtest/gtest.h>

#include "support/run_dir.h"

namespace tarvex_test {

TEST(Entry, WrongInterfaceVersionReturns99AndCreatesNoFile) {
    RunDir d;
    d.write("NAMES.DAT", "in.dat\nout.txt\nplot.txt\nmsg.txt\n");
    d.write("in.dat", "TARVEX6\n");
    EXPECT_EQ(d.call(6029), 99);
    EXPECT_FALSE(d.exists("out.txt"));
    EXPECT_FALSE(d.exists("msg.txt"));
}

}  // namespace tarvex_test
