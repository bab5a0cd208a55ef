// Load cases on Matlock soft clay: every head condition, cyclic loading and
// soil movement converge and keep the shear in balance with the soil reactions.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/store.h"
#include "soil/py_model_fixture.h"
#include "solver/pile_nodes.h"
#include "solver/solver.h"
#include "solver/solver_fixture.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

// 24-in pile, EI = 1E10 lb-in^2, 800 in long, in one soft clay layer (c = 3 psi).
void Set_Up_Soft_Clay(int increments) {
    PileSetup p;
    p.increments = increments;
    Set_Up_Pile(p);
    const int k = Add_Layer(kSoftClay, 0.0, 800.0);
    Set_Column(g.pd.rd_ProfileGamma, k, 0.0208, 0.0208);
    Set_Column(g.pd.rd_ProfileStrength, k, 3.0, 3.0);
    Set_Column(g.pd.rd_ProfileEps50, k, 0.02, 0.02);
    Assign_Nodes_To_Layers(g.nodes.i_NumNodes);
    Set_Starting_Soil_Moduli();
}

struct SoftClayCase {
    const char* name;
    int type;
    double v1, v2;
    bool cyclic, movement;
};

const SoftClayCase kCases[] = {
    {"shear and moment", 1, 2.0E4, 1.0E6, false, false},
    {"shear and zero slope", 2, 2.0E4, 0.0, false, false},
    {"shear and rotational stiffness", 3, 2.0E4, 1.0E10, false, false},
    {"deflection and moment", 4, 0.5, 0.0, false, false},
    {"deflection and slope", 5, 0.5, -0.001, false, false},
    {"cyclic loading", 1, 2.0E4, 0.0, true, false},
    {"soil movement", 2, 0.0, 0.0, false, true},
};

TEST(SoftClayCase, EveryHeadConditionConvergesInEquilibrium) {
    for (const SoftClayCase& c : kCases) {
        SCOPED_TRACE(c.name);
        Set_Up_Soft_Clay(100);
        Set_Head(c.type, c.v1, c.v2);
        if (c.cyclic) {
            g.pd.b_CyclicLoading = kTrue;
            g.pd.rd_NumCycles = 100.0;
        }
        if (c.movement) {  // the soil moves 1 in at the head, fading linearly to zero at 200 in
            g.pd.b_UseSoilMovement = kTrue;
            g.pd.i_NumSoilMovePts = 2;
            for (int i = 1; i <= g.nodes.i_NumNodes; ++i)
                g.nodes.ys(i) = std::fmax(0.0, 1.0 - g.nodes.xa(i) / 200.0);
        }
        Captured msg(g_Out.msg);
        Solve_Load_Case(1);
        EXPECT_TRUE(on(g.sol.b_Converged));
        EXPECT_GE(g.sol.i_Iteration, 6);
        EXPECT_NE(msg.text().find("The convergence criteria have been met"), std::string::npos);
        const double imbalance = Shear_Imbalance();
        EXPECT_NEAR(imbalance, 0.0, 0.01 * std::fmax(std::fabs(g.sol.rd_Shear), 1000.0));
        if (c.movement) EXPECT_GT(g.nodes.y(1), 0.0);  // the moving soil pushes the pile
    }
}

TEST(SoftClayCase, SecantModuliSoftenWithLoad) {
    Set_Up_Soft_Clay(100);
    Set_Head(1, 5.0E3, 0.0);
    Solve_Load_Case(1);
    const double light = g.nodes.y(1);
    Set_Up_Soft_Clay(100);
    Set_Head(1, 2.0E4, 0.0);
    Solve_Load_Case(1);
    EXPECT_GT(g.nodes.y(1), 4.0 * light);  // more than proportional
}

}  // namespace
}  // namespace tarvex_test
