// The iteration of a load case allocates no memory: every array it works on
// lives in the store, and the message lines reuse the channel's line buffer.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine/store.h"
#include "soil/py_model_fixture.h"
#include "solver/pile_nodes.h"
#include "solver/solver.h"
#include "solver/solver_fixture.h"

namespace {
std::atomic<bool> g_counting{false};
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t n) {
    if (g_counting.load(std::memory_order_relaxed)) g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace tarvex_test {
namespace {

using namespace tarvex;

TEST(Allocation, SoftClayLoadCaseIteratesWithoutAllocating) {
    PileSetup p;
    p.increments = 100;
    Set_Up_Pile(p);
    const int k = Add_Layer(kSoftClay, 0.0, 800.0);
    Set_Column(g.pd.rd_ProfileGamma, k, 0.0208, 0.0208);
    Set_Column(g.pd.rd_ProfileStrength, k, 3.0, 3.0);
    Set_Column(g.pd.rd_ProfileEps50, k, 0.02, 0.02);
    Assign_Nodes_To_Layers(g.nodes.i_NumNodes);
    Set_Head(1, 2.0E4, 0.0);
    Captured msg(g_Out.msg);
    Set_Starting_Soil_Moduli();
    Solve_Load_Case(1);  // the channel's line buffer and file buffer grow here
    ASSERT_TRUE(on(g.sol.b_Converged));
    const int iterations = g.sol.i_Iteration;

    for (int i = -1; i <= g.nodes.i_NumNodes + 1; ++i) g.nodes.y(i) = 0.0;
    Set_Starting_Soil_Moduli();
    g_allocations = 0;
    g_counting = true;
    Solve_Load_Case(1);
    g_counting = false;
    EXPECT_EQ(g.sol.i_Iteration, iterations);
    EXPECT_EQ(g_allocations.load(), 0);
}

}  // namespace
}  // namespace tarvex_test
