// The p-y models: each is called with the index k of a soil layer after ITOP
// and IBOT have been set to the first and last node of the layer.
//
// Solution mode (i_PrintPYCurves = 0): for every node of the layer, the model
// evaluates its curve at yc = |y - ys| / ymult and writes the secant modulus
// Es = pmult * p(yc) / (ymult * yc); with soil movement loading it also writes
// q = ys * Es + W. Report mode (i_PrintPYCurves = 1): it writes the report
// block and the plot records of the curve at the requested depth.
#pragma once

namespace tarvex {

void PY_SoftClay(int k);  // Matlock (1970) soft clay, J = 0.5
void PY_SoftClyJ(int k);  // soft clay with a user-defined J
void PY_StfClyBW(int k);  // Reese et al. (1975) stiff clay with free water
void PY_StfClyAW(int k);  // Welch and Reese (1972) stiff clay without free water
void PY_StfClyAK(int k);  // stiff clay without free water with an initial modulus k
void PY_Sand(int k);      // Reese, Cox and Koop (1974) sand
void PY_APISand(int k);   // API RP 2A sand
void PY_Piedmont(int k);  // Piedmont residual soil from field-test moduli
void PY_KSLoess(int k);   // loess from the cone tip resistance
void PY_ElastSG(int k);   // elastic subgrade, a straight line
void PY_UserPY(int k);    // user-input curves at the layer top and bottom
void PY_WeakRock(int k);  // Reese (1997) weak rock
void PY_VuggyLS(int k);   // vuggy limestone (strong rock)
void PY_MassRock(int k);  // Liang et al. (2009) massive rock from the Hoek-Brown criterion
void PY_LiqSand(int k);   // Rollins et al. (2005) liquefied sand
void PY_CemSilt(int k);   // cemented silt (c-phi soil): Reese sand shape with a cohesive part

}  // namespace tarvex
