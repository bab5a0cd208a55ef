// "SOIL LAYERS" of the keyword input file: per layer the p-y model code, the
// depths, and the model's properties at the layer's top and bottom.
#include "engine/store.h"
#include "input/input_errors.h"
#include "input/input_file.h"
#include "input/keyword_sections.h"
#include "input/value_reader.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

// The values of the model of layer b at profile point j (2b-1 top, 2b bottom);
// k is the layer's subgrade modulus (or initial modulus of rock) at that point.
void Read_Layer_Point(int code, int j, double& k) {
    ProblemData& pd = g.pd;
    double& gamma = pd.rd_ProfileGamma(j);
    switch (code) {
        case kSoftClay:
        case kStfClyAW: Read_Values({gamma, pd.rd_ProfileStrength(j), pd.rd_ProfileEps50(j)}); break;
        case kStfClyBW:
        case kStfClyAK: Read_Values({gamma, pd.rd_ProfileStrength(j), pd.rd_ProfileEps50(j), k}); break;
        case kSand:
        case kAPISand: Read_Values({gamma, pd.rd_ProfilePhi(j), k}); break;
        case kLiqSand: Read_Values({gamma}); break;
        case kWeakRock:
            Read_Values({gamma, pd.rd_ProfileStrength(j), k, pd.rd_ProfileRQD(j), pd.rd_ProfileEps50(j)});
            break;
        case kVuggyLS: Read_Values({gamma, pd.rd_ProfileStrength(j)}); break;
        case kPiedmont:
            Read_Values({gamma, pd.i_ProfileTestType(j), pd.rd_ProfileN60(j), pd.rd_ProfileQc(j),
                         pd.rd_ProfileEdmt(j), pd.rd_ProfileEpmt(j)});
            break;
        case kCemSilt:
            Read_Values({gamma, pd.rd_ProfileStrength(j), pd.rd_ProfilePhi(j), pd.rd_ProfileEps50(j), k});
            break;
        case kKSLoess: Read_Values({gamma, pd.rd_ProfileQc(j)}); break;
        case kElastSG: Read_Values({gamma, pd.rd_ProfileEs(j)}); break;
        case kUserPy: {
            int m = pd.i_UserPyNumPts(j);
            Read_Values({gamma, m});
            Check_Count(m, kMaxUserPyPairs, "pairs of a user-input p-y curve");
            pd.i_UserPyNumPts(j) = m;
            for (int i = 1; i <= m; ++i) Read_Values({pd.rd_UserPyY(j, i), pd.rd_UserPyP(j, i)});
            break;
        }
        case kSoftClyJ:
            Read_Values({gamma, pd.rd_ProfileStrength(j), pd.rd_ProfileEps50(j), pd.rd_ProfileJ(j)});
            break;
        case kMassRock:
            Read_Values({gamma, pd.rd_ProfileSigCi(j), pd.i_ProfileRockType(j), pd.rd_ProfileGSI(j),
                         pd.rd_ProfileEmass(j)});
            // The massive rock criterion reads its strength and rock modulus where
            // the other rock models keep theirs.
            pd.rd_ProfileStrength(j) = pd.rd_ProfileSigCi(j);
            k = pd.rd_ProfileEmass(j);
            break;
        default: break;  // frozen soil: the layer has its depths only
    }
}

// A layer that starts above the bottom of the layer over it would give two
// soils at one depth; its profile points would disagree with the layer tops.
void Check_Layer_Overlap(int b) {
    constexpr int kOverlapError = 83;
    const ProblemData& pd = g.pd;
    if (b < 2 || !(pd.XLayerTop(b) < pd.XLayerBottom(b - 1))) return;
    Write_Error_Block(Input_Error_Heading(kOverlapError),
                      {"Problem:  Soil layer " + Int_Text(b) + " starts at a depth of " + Real_Text(pd.XLayerTop(b)) +
                           ", above the bottom of soil layer " + Int_Text(b - 1) + " at " +
                           Real_Text(pd.XLayerBottom(b - 1)) + " (line " + Int_Text(g_Input.line_number) +
                           " of the input file).",
                       "Solution: Correct the layer depths so that each layer starts at or below the bottom of the "
                       "layer above it."},
                      true);
    Stop_Input_Error(kOverlapError);
}

}  // namespace

void Read_Soil_Layers() {
    ProblemData& pd = g.pd;
    Put_Line(g_Out.msg, "Reading soil layering data");
    int n = 0;
    Read_Values({n});
    Check_Count(n, kMaxLayers, "soil layers");
    int points = 0;
    for (int b = 1; b <= n; ++b) {
        int code = pd.i_SoilLayer_py_Type(b);
        Read_Values({code, pd.XLayerTop(b), pd.XLayerBottom(b)});
        Check_Code(code, 1, kNumPyModels, "p-y model code");
        Check_Layer_Overlap(b);
        pd.i_SoilLayer_py_Type(b) = code;
        const int top = 2 * b - 1, bottom = 2 * b;
        if (code == kUserPy) {
            pd.rd_UserPyDepth(top) = pd.XLayerTop(b);
            pd.rd_UserPyDepth(bottom) = pd.XLayerBottom(b);
        }
        Read_Layer_Point(code, top, pd.rd_LayerKTop(b));
        Read_Layer_Point(code, bottom, pd.rd_LayerKBottom(b));
        pd.rd_ProfileDepth(top) = pd.rd_GammaDepth(top) = pd.XLayerTop(b);
        pd.rd_ProfileDepth(bottom) = pd.rd_GammaDepth(bottom) = pd.XLayerBottom(b);
        points += 2;
    }
    pd.i_NumProfilePoints = points;
    pd.i_NumGammaPts = points;
    pd.i_Number_of_Layers = points / 2;
    pd.XGround = pd.XLayerTop(1);
}

}  // namespace tarvex
