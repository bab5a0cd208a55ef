"""Reading the plot output file into tables: every record kind, units in the
column names, overflowed fields, and the tables of the example runs."""
import math

import numpy as np
import pytest

import tarvex
from tarvex.plot_file import RECORD_READERS, PlotFile
from conftest import EXAMPLES, MC_US


def test_every_record_kind_has_a_reader():
    assert sorted(RECORD_READERS) == list(range(1, 15))


def test_summary_of_each_load_case(synthetic_result):
    s = synthetic_result.summary
    assert list(s.columns) == ["head_shear_lb", "head_deflection_in", "max_moment_in_lb", "max_shear_lb",
                               "head_rotation_rad"]
    assert s.loc[1].tolist() == [10000.0, 0.4, 1.0e6, 10000.0, -0.003]
    assert math.isnan(s.loc[2, "max_moment_in_lb"])  # a field of asterisks
    assert s.loc[2, "head_rotation_rad"] == -0.006


def test_nodal_response_per_case(synthetic_result):
    n = synthetic_result.nodes
    assert n.groupby("case").size().tolist() == [3, 3]
    c2 = synthetic_result.case(2)
    assert c2["deflection_in"].tolist() == [0.8, 0.2, -0.02]
    assert c2["moment_in_lb"].tolist() == [2000.0, 4000.0, 6000.0]
    assert c2["EI_lb_in2"].tolist() == [7.0e10] * 3
    # slope by central differences inside, one-sided at the ends; Es = -p / y
    assert c2["slope_rad"].tolist() == pytest.approx([-0.01, -0.0068333333, -0.0036666667])
    assert c2["soil_modulus_lb_per_in2"].tolist() == pytest.approx([100.0] * 3)


def test_moment_curvature_and_capacities(synthetic_result):
    mc = synthetic_result.moment_curvature
    caps = synthetic_result.capacities
    s1 = mc[mc.section == 1]
    expected = [(t, k, thrust, m, ei, c) for _, t, thrust, _, pts in MC_US
                for k, (m, ei, c) in enumerate(pts, 1)]
    got = list(s1[["thrust_index", "point", "thrust_kip", "moment_in_kip", "EI_kip_in2",
                   "curvature_rad_per_in"]].itertuples(index=False, name=None))
    assert got == expected
    # the elastic-plastic records are in lb-in and lb-in2: the table is in kip-in
    s2 = mc[mc.section == 2]
    assert s2["moment_in_kip"].tolist() == [1000.0, 2000.0, 1000.0, 2000.0]
    assert s2["EI_kip_in2"].tolist() == [2.0e7, 1.0e7, 2.0e7, 1.0e7]
    assert caps[["section", "thrust_index", "points"]].values.tolist() == [[1, 1, 3], [1, 2, 2], [2, 1, 2],
                                                                           [2, 2, 2]]
    assert caps["nominal_moment_capacity_in_kip"].tolist() == [900.0, 1100.0, 2000.0, 2000.0]


def test_py_curves_of_both_record_layouts(synthetic_result):
    py = synthetic_result.py_curves
    assert py.groupby("curve").size().tolist() == [3, 2]
    assert py[py.curve == 1]["p_lb_per_in"].tolist() == [0.0, -40.0, -80.0]
    assert py[py.curve == 2][["depth_in", "model", "y_in", "p_lb_per_in"]].values.tolist() == [
        [120.0, "user-input p-y curve", 0.0, 0.0], [120.0, "user-input p-y curve", 1.0, 150.0]]


def test_length_study_and_stiffness_matrix(synthetic_result):
    ls = synthetic_result.length_study
    assert ls["case"].tolist() == [1, 1, 1]
    assert ls["pile_length_in"].tolist() == [120.0, 240.0, 360.0]
    assert ls["head_deflection_in"].tolist() == [0.9, 0.45, 0.41]
    k = synthetic_result.stiffness_matrix
    assert len(k) == 10 and list(k.columns)[:4] == ["shear_lb", "moment_in_lb", "K22_lb_per_in",
                                                    "K23_lb_per_rad"]
    assert k.loc[10, "head_rotation_rad"] == pytest.approx(0.01)
    assert k["K33_in_lb_per_rad"].tolist() == [1.0e9] * 10


def test_reading_is_lazy():
    plot = PlotFile("    1" + " " * 75 + "Line 2 : Total number of sections\n" + "garbage" * 3 +
                    "    x" + " " * 75 + "Line 6 : number of output p-y curves\n")
    assert plot.kinds() == [2, 6]
    assert plot._parsed == {}
    assert plot.first(2).values == {"sections": 1}
    assert list(plot._parsed) == [2]
    assert plot.first(6).values == {"curves": None}  # unreadable number


def test_example_tables_agree_with_the_report(example_results):
    us, si = example_results["soft_clay_free_head_us"], example_results["soft_clay_free_head_si"]
    assert list(us.summary.columns)[1] == "head_deflection_in"
    assert list(si.summary.columns)[1] == "head_deflection_m"
    assert "moment_kN_m" in si.nodes.columns and "deflection_m" in si.nodes.columns
    assert us.summary.loc[1, "head_shear_lb"] == 15000.0
    nodes = us.case(1)
    assert len(nodes) == 101 and nodes["depth_in"].iloc[-1] == pytest.approx(720.0)
    assert nodes["deflection_in"].iloc[0] == us.summary.loc[1, "head_deflection_in"]
    # head shear and the soil reactions are in equilibrium (trapezoidal rule)
    depth, p = nodes["depth_in"].to_numpy(), nodes["soil_reaction_lb_per_in"].to_numpy()
    assert np.trapz(p, depth) == pytest.approx(-15000.0, rel=0.02)
    assert "Completed Analysis 1" in us.messages and "Analysis of Individual Piles" in us.report
    two = example_results["fixed_head_two_loads_us"]
    assert len(two.summary) == 2 and two.nodes.groupby("case").size().tolist() == [len(two.case(1))] * 2


def test_generic_units_name_their_columns_by_force_and_length():
    p = tarvex.Problem.read(EXAMPLES / "soft_clay_free_head_us.dat")
    p.options.units = "GENERAL"
    result = tarvex.run(p)
    assert list(result.summary.columns) == ["head_shear_F", "head_deflection_L", "max_moment_F_L", "max_shear_F",
                                            "head_rotation_rad"]
    assert "soil_reaction_F_per_L" in result.nodes.columns
