"""Shared fixtures of the Python package tests: the examples and the keyword-file
fixtures of the source tree, and results of example runs (each run once)."""
import os
import sys
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "python"))
os.environ.setdefault("MPLBACKEND", "Agg")

EXAMPLES = Path(os.environ.get("TARVEX_EXAMPLES", ROOT / "examples"))
FIXTURES = Path(os.environ.get("TARVEX_FIXTURES", ROOT / "tests" / "input" / "fixtures"))

import tarvex  # noqa: E402


@pytest.fixture(scope="session")
def example_results():
    """name -> Result of every example (they all end normally)."""
    paths = sorted(EXAMPLES.glob("*.dat"))
    table = tarvex.run_many(paths, workers=2, progress=False)
    assert (table["error"] == "").all(), table["error"].tolist()
    return {p.stem: r for p, r in zip(paths, table["result"])}


def e15(x):
    """A real as the plot file writes it: E15.7, mantissa 0.ddddddd."""
    import math
    if x == 0:
        body = "0.0000000E+00"
    else:
        exp = math.floor(math.log10(abs(x))) + 1
        digits = round(abs(x) / 10 ** exp * 1e7)
        if digits >= 10 ** 7:
            digits //= 10
            exp += 1
        body = f"{'-' if x < 0 else ''}0.{digits:07d}E{exp:+03d}"
    return body.rjust(15)


def i5(n):
    return f"{n:5d}"


def record(numbers, label, column=81):
    """Numbers, then the label from the given column (1-based)."""
    return numbers.ljust(column - 1) + label


MC_US = [  # section, thrust index, thrust (kips), capacity (in-kips), points (moment, EI, curvature)
    (1, 1, 0.0, 900.0, [(100.0, 5.0e6, 2.0e-5), (500.0, 2.5e6, 2.0e-4), (800.0, 1.0e6, 8.0e-4)]),
    (1, 2, 100.0, 1100.0, [(120.0, 6.0e6, 2.0e-5), (700.0, 3.5e6, 2.0e-4)]),
]


def synthetic_plot_text():
    """A plot output file with every record kind, laid out as the engine writes
    them: two nonlinear thrust curves of section 1 and one elastic-plastic curve of
    section 2 (in lb-in), two p-y curves, two load cases of three nodes, a length
    study of the first case, the summary and ten stiffness-matrix levels."""
    out = [record(i5(3) + i5(1) + i5(0) + i5(1), "Line 1 : ICOM, IUNITS, KYL, ib_ComputeKmatrix_1T0F"),
           record(i5(2), "Line 2 : Total number of sections"),
           record(i5(2), "Line 3 : Total number of axial thrusts")]
    for s, t, thrust, cap, pts in MC_US:
        out.append(record(i5(len(pts)) + " " * 10 + e15(thrust) + e15(cap),
                          "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips)"))
        for k, (m, ei, c) in enumerate(pts, 1):
            out.append(record(e15(m) + e15(ei) + e15(c), "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature "
                              f"(rad/in) for Sect#={s}, AxLd#={t}, CurvPnt#={k}"))
    for t in (1, 2):
        out.append(record("    2" + " " * 10 + e15(float(t - 1) * 100) + e15(2000.0),
                          "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kip) "
                          "for elastic-plastic EI at top of section"))
        for k, (m, ei, c) in enumerate([(1.0e6, 2.0e10, 5.0e-5), (2.0e6, 1.0e10, 2.0e-4)], 1):
            out.append(record(e15(m) + e15(ei) + e15(c), "Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), "
                              f"Curvature (rad/in) for Sect#=2, AxLd#={t}, CurvPnt#={k}"))
    out.append(record(i5(2), "Line 6 : number of output p-y curves"))
    out.append(e15(60.0) + i5(3) + " " * 60 + "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1")
    for j, (y, p) in enumerate([(0.0, 0.0), (0.5, -40.0), (2.0, -80.0)], 1):
        out.append(e15(y) + e15(p) + " " * 50 + f"Line 8({j}): y, p, for soft clay")
    out.append(e15(120.0) + i5(2) + " " * 60 + "Line 7:  p-y curve depth in user-input p-y curve, no. p-y points "
               "on curve no. 2")
    for j, (y, p) in enumerate([(0.0, 0.0), (1.0, 150.0)], 1):
        out.append(e15(y) + e15(p) + " " * 20 + f"Line 8({j:2d}): y, p, for user-input p-y curve")
    out.append(record(i5(2) + i5(3) + i5(1), "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI"))
    for case, scale in ((1, 1.0), (2, 2.0)):
        for n, (x, y) in enumerate([(0.0, 0.4), (60.0, 0.1), (120.0, -0.01)], 1):
            out.append(record("".join(e15(v) for v in (x, y * scale, 1000.0 * n * scale, 500.0 * scale,
                                                        -100.0 * y * scale, 7.0e10)),
                              f"Line 10({n:3d}): nodal depth, y, M, V, p, EI", 92))
        count = 3 if case == 1 else 0
        out.append(record(i5(count), f"Line 11: Num. points on Ytop vs. pile length curve for load case {case}"))
        if case == 1:
            for length, y in ((120.0, 0.9), (240.0, 0.45), (360.0, 0.41)):
                out.append(e15(length) + e15(y) + e15(3.0e5) + e15(1.0e4) + " " * 20 +
                           "Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)")
    out.append(record(e15(10000.0) + e15(0.4) + e15(1.0e6) + e15(10000.0) + e15(-0.003),
                      "Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)"))
    out.append(record(e15(20000.0) + e15(0.8) + "*" * 15 + e15(20000.0) + e15(-0.006),
                      "Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)"))
    for j in range(1, 11):
        out.append("".join(e15(v) for v in (1000.0 * j, 1.0e5 * j, 5.0e4, -2.0e6, -2.0e6, 1.0e9, 0.02 * j,
                                             0.001 * j)) + "  Line 14: V, M, K22, K23, K32, K33, ytop, theta")
    return "\n".join(out) + "\n"


@pytest.fixture(scope="session")
def synthetic_result():
    return tarvex.Result(0, "", synthetic_plot_text(), "")
