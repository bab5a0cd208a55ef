"""Reading and writing the keyword input file: round trips through the engine,
the records of every section type and soil model, and the checks made before
the engine is called."""
import pytest

import tarvex
from tarvex import engine
from conftest import EXAMPLES, FIXTURES

def _keyword_files(paths):
    """The files in the keyword format: examples and fixtures also hold earlier formats."""
    return [p for p in paths if p.read_bytes().startswith(b"TARVEX6")]


WELL_FORMED = _keyword_files(sorted(EXAMPLES.glob("*.dat")) + sorted(FIXTURES.glob("*.dat")))
REGRESSIONS = sorted((FIXTURES / "regressions").glob("*.dat"))
# Crash-regression inputs that no keyword file reader can take: the Python reader
# rejects them, naming the line, before the engine is called.
MALFORMED = {"huge_repeat_count": "repeat count", "long_and_nul_lines": "unrecognized",
             "negative_counts": "pile sections", "soil_layers_given_twice": "second time"}


def _raw(text):
    return engine.process_engine().run_text(text)


@pytest.mark.parametrize("path", WELL_FORMED + [p for p in REGRESSIONS if p.stem not in MALFORMED],
                         ids=lambda p: p.name)
def test_read_and_written_again_gives_identical_plot_output(path):
    problem = tarvex.Problem.read(path)
    text = problem.to_text(validate=False)
    assert tarvex.Problem.from_text(text) == problem
    original, again = _raw(path.read_text(encoding="latin-1")), _raw(text)
    assert again.status == original.status
    assert again.plot == original.plot


@pytest.mark.parametrize("name", sorted(MALFORMED))
def test_malformed_files_are_rejected_with_their_line(name):
    with pytest.raises(tarvex.InputFileError, match=MALFORMED[name]) as e:
        tarvex.Problem.read(FIXTURES / "regressions" / f"{name}.dat")
    assert "line" in str(e.value)


def test_complete_file_gives_every_record_kind():
    p = tarvex.Problem.read(FIXTURES / "complete.dat")
    codes = [s.type_code for s in p.sections]
    assert codes == [0, 1, 2, 3, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14]
    assert [s.core_filled for s in p.sections if s.type_code == 3] == [True, False]
    assert [layer.code for layer in p.soil_layers] == list(range(1, 18))
    user = p.soil_layers[13]
    assert user.curve_top == [(0.0, 0.0), (0.5, 100.0), (1.0, 150.0)] and user.gamma == (110.0, 111.0)
    assert p.soil_layers[9].test_type == 1 and p.soil_layers[15].rock_type == (3, 4)
    assert p.sections[0].rebar.layout.bars[1] == tarvex.Bar(8, 1.0, 0.79, 6.0, 9.0)
    assert p.sections[1].concrete.stress_strain == [(0.0, 0.0), (0.003, 4000.0)]
    assert p.sections[2].rebar.same_as_above
    assert p.sections[12].shape == 6 and p.sections[12].hole_diameter == 24.0
    assert p.sections[13].plastic_moment_top == p.sections[13].plastic_moment_bottom == 3000000.0
    assert p.sections[14].curves[0].points == [(1000.0, 5.0e9), (2000.0, 4.0e9)]
    assert isinstance(p.loads[1], tarvex.DeflectionMoment) and p.loads[1].length_study
    assert p.py_multipliers == [(0.0, 0.7, 1.0), (85.0, 0.85, 1.2)]  # the later part wins
    assert p.lrfd_combinations[1].name == "Strength III wind"
    assert p.lrfd_combinations[1].phi_shear == -1.0
    assert p.options.cyclic and p.options.num_cycles == 100
    assert p.title[1] == "  second title line, kept with its leading blanks"


def test_free_format_values():
    text = (EXAMPLES / "soft_clay_free_head_us.dat").read_text()
    text = text.replace("50.0 400.0 0.02", "50.0,400.0 , 0.02").replace("1 0.0 70.0", "1\n0.0 70.0")
    text = text.replace("50.0 1200.0 0.01", "2*50.0 / ignored")
    p = tarvex.Problem.from_text(text)
    assert p.soil_layers[0].cohesion == (400.0, 50.0)
    assert p.soil_layers[0].eps50 == (0.02, 0.0)
    assert p.soil_layers[0].bottom == 70.0


def _elastic_problem(**options):
    return tarvex.Problem(
        title=["Elastic pile"],
        options=tarvex.Options(**options),
        sections=[tarvex.ElasticSection(length=50.0, shape=2, modulus=3.6e6, width_top=36.0, width_bottom=36.0,
                                        area_top=1017.876, area_bottom=1017.876, inertia_top=82447.96,
                                        inertia_bottom=82447.96)],
        soil_layers=[tarvex.SoftClay(top=0.0, bottom=60.0, gamma=55.0, cohesion=(600.0, 1200.0),
                                     eps50=(0.02, 0.01))],
        loads=[tarvex.ShearMoment(shear=10000.0)])


def test_a_built_problem_runs_like_the_same_file_written_by_hand():
    built = _elastic_problem(print_increment=10)
    by_hand = (FIXTURES / "minimal.dat").read_text()
    assert _raw(built.to_text()).plot == _raw(by_hand).plot


@pytest.mark.parametrize("change, field, value", [
    (lambda p: setattr(p.sections[0], "length", -5.0), "sections[0].length", "-5.0"),
    (lambda p: setattr(p, "soil_layers", []), "soil_layers", "[]"),
    (lambda p: setattr(p.soil_layers[0], "bottom", -1.0), "soil_layers[0].bottom", "-1.0"),
    (lambda p: setattr(p.options, "increments", 39), "options.increments", "39"),
    (lambda p: setattr(p.options, "max_iterations", 1001), "options.max_iterations", "1001"),
    (lambda p: setattr(p.soil_layers[0], "cohesion", float("nan")), "soil_layers[0].cohesion", "nan"),
    (lambda p: setattr(p.sections[0], "inertia_top", 0.0), "sections[0].inertia_top", "0.0"),
    (lambda p: setattr(p, "loads", []), "loads", "[]"),
    (lambda p: setattr(p, "distributed_load", [(0.0, 1.0)]), "distributed_load", "1"),
    (lambda p: setattr(p.options, "units", "metric"), "options.units", "'metric'"),
    (lambda p: setattr(p, "title", ["Pile \u2014 test"]), "title[0]", "'Pile \u2014 test'"),
])
def test_validation_names_the_field_and_the_value(change, field, value):
    p = _elastic_problem()
    change(p)
    with pytest.raises(tarvex.ProblemError) as e:
        p.to_text()
    assert str(e.value).startswith(f"{field} = {value}:")


def test_every_section_type_and_soil_model_writes_what_it_reads():
    p = tarvex.Problem.read(FIXTURES / "complete.dat")
    for s in p.sections:
        s.length = 7.5 if s.type_code != 14 else 2.0
    p.soil_layers[4].phi = (31.5, 32.25)
    again = tarvex.Problem.from_text(p.to_text(validate=False))
    assert again == p
