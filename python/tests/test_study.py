"""Studies: sweeps of problems run on the local pool and on a Dask cluster, checked
against Hetényi's closed form for a finite beam on an elastic foundation."""
import math

import pandas as pd
import pytest

import tarvex

E, I, B, ES = 3.6e6, 82447.96, 36.0, 50.0  # psi, in4, in, subgrade modulus in pci
LENGTHS_FT = [15.0, 25.0, 35.0, 50.0, 75.0]
SHEARS_LB = [5000.0, 10000.0, 20000.0]


def _elastic_pile_on_elastic_subgrade():
    return tarvex.Problem(
        title=["Elastic shaft on an elastic subgrade"],
        options=tarvex.Options(increments=200, print_summary_only=True),
        sections=[tarvex.ElasticSection(length=50.0, shape=2, modulus=E, width_top=B, width_bottom=B,
                                        area_top=1017.876, area_bottom=1017.876, inertia_top=I,
                                        inertia_bottom=I)],
        soil_layers=[tarvex.ElasticSubgrade(top=0.0, bottom=100.0, gamma=62.4, modulus=ES)],
        loads=[tarvex.ShearMoment(shear=10000.0)])


def hetenyi_head_deflection(shear, length):
    """Deflection under an end load of a free-free beam of finite length on a Winkler
    foundation of modulus k = Es b (Hetényi 1946)."""
    k = ES * B
    lam = (k / (4.0 * E * I)) ** 0.25
    x = lam * length
    return (2.0 * shear * lam / k * (math.sinh(x) * math.cosh(x) - math.sin(x) * math.cos(x))
            / (math.sinh(x) ** 2 - math.sin(x) ** 2))


@pytest.fixture(scope="module")
def hetenyi_sweep():
    study = tarvex.sweep(_elastic_pile_on_elastic_subgrade(), pile_length=LENGTHS_FT, shear=SHEARS_LB)
    return study, tarvex.run_many(study, workers=2, progress=False)


def test_sweep_of_lengths_and_loads_follows_hetenyi(hetenyi_sweep):
    study, table = hetenyi_sweep
    assert len(table) == 15 and (table["error"] == "").all()
    assert table[["pile_length", "shear"]].values.tolist() == [[L, V] for L in LENGTHS_FT for V in SHEARS_LB]
    assert [p.pile_length for p in study] == [L for L in LENGTHS_FT for _ in SHEARS_LB]
    for row in table.itertuples():
        expected = hetenyi_head_deflection(row.shear, row.pile_length * 12.0)
        assert row.head_deflection_in == pytest.approx(expected, rel=0.01), (row.pile_length, row.shear)
        assert row.head_shear_lb == pytest.approx(row.shear)


def test_dask_cluster_gives_the_same_table_and_a_failed_row_stops_nothing(hetenyi_sweep):
    distributed = pytest.importorskip("distributed")
    study, _ = hetenyi_sweep
    problems = list(study[:4])
    bad = problems[1].copy()
    bad.options.tolerance = 0.5  # the engine's input error 66
    problems.insert(2, bad)
    local = tarvex.run_many(problems, workers=2, progress=False)
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None,
                                  silence_logs=50) as cluster, distributed.Client(cluster) as client:
        remote = tarvex.run_many(problems, client=client, progress=False)
    pd.testing.assert_frame_equal(local.drop(columns="result"), remote.drop(columns="result"))
    assert local["error"].tolist()[2].startswith("input error 66: Input value for convergence tolerance")
    assert [e == "" for e in local["error"]] == [True, True, False, True, True]
    assert local["status"].tolist() == [0, 0, 166, 0, 0]
    assert math.isnan(local.loc[2, "head_deflection_in"])
    assert local.loc[3, "head_deflection_in"] == local.loc[3, "result"].summary.loc[1, "head_deflection_in"]


def test_problems_the_engine_never_sees_have_their_error_in_their_row(tmp_path):
    good = _elastic_pile_on_elastic_subgrade()
    negative = good.copy()
    negative.sections[0].length = -10.0
    table = tarvex.run_many([good, negative, tmp_path / "missing.dat"], workers=1, progress=False)
    assert table["error"].tolist()[0] == ""
    assert table["error"].tolist()[1] == "problem: sections[0].length = -10.0: must be greater than 0"
    assert table["error"].tolist()[2].startswith("problem: [Errno 2]")
    assert table["result"].tolist()[1:] == [None, None]


def test_sweep_by_attribute_path():
    base = _elastic_pile_on_elastic_subgrade()
    study = tarvex.sweep(base, {"soil_layers[0].modulus": [25.0, 50.0]}, options__increments=[100, 200])
    assert study.parameters == [{"soil_layers[0].modulus": m, "options__increments": n}
                                for m in (25.0, 50.0) for n in (100, 200)]
    assert [(p.soil_layers[0].modulus, p.options.increments) for p in study] == [(25.0, 100), (25.0, 200),
                                                                                 (50.0, 100), (50.0, 200)]
    assert base.soil_layers[0].modulus == ES  # the base problem is left as it was
    with pytest.raises(tarvex.ProblemError, match="no field 'stiffness'"):
        tarvex.sweep(base, {"sections[0].stiffness": [1.0]})


def test_an_empty_study_gives_an_empty_table():
    table = tarvex.run_many([], progress=False)
    assert list(table.columns) == ["status", "error", "result"] and len(table) == 0
