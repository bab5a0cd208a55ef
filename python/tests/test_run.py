"""Running one analysis: results, the engine's error stops as EngineError, warnings,
and the caller's process left as it was."""
import os

import pytest

import tarvex
from conftest import EXAMPLES
from test_keyword_file import _elastic_problem


def test_run_a_path_and_a_problem_in_a_worker_process(tmp_path, monkeypatch):
    monkeypatch.chdir(tmp_path)
    result = tarvex.run(EXAMPLES / "soft_clay_free_head_us.dat")
    assert result.status == 0 and result.ok and result.error is None and result.warnings == []
    again = tarvex.run(tarvex.Problem.read(EXAMPLES / "soft_clay_free_head_us.dat"))
    assert again.plot_text == result.plot_text
    assert os.getcwd() == str(tmp_path) and os.listdir(tmp_path) == []


def test_input_error_carries_its_number_and_block():
    p = _elastic_problem(tolerance=0.5)  # above 0.1 in: the engine's input error 66
    with pytest.raises(tarvex.EngineError) as e:
        tarvex.run(p)
    err = e.value
    assert (err.number, err.kind) == (66, "input")
    assert err.block == ("**** Input Data Error No. 66 ****\n\n"
                         "Input value for convergence tolerance is too large (more than 0.1 inches). \n"
                         "The recommended value for convergence tolerance is 0.00001 inches.")
    assert err.result.status == 166 and not err.result.ok


def test_input_error_written_to_the_report_only():
    text = (EXAMPLES / "soft_clay_free_head_us.dat").read_text().replace("UseLRFD NO", "UseLRFD  NO")
    path = os.path.join(os.environ.get("TMPDIR", "/tmp"), f"tarvex-lrfd-{os.getpid()}.dat")
    with open(path, "w") as f:
        f.write(text)
    try:
        err = tarvex.run(path, check=False).error
    finally:
        os.remove(path)
    assert (err.number, err.kind) == (95, "input")
    assert err.block == "INPUT ERROR - Unrecognized command for LRFD analysis option"


def test_runtime_error_carries_its_number_and_block():
    p = _elastic_problem()
    p.loads = [tarvex.ShearMoment(shear=1000.0, axial=1.0e9)]  # far beyond the buckling load
    with pytest.raises(tarvex.EngineError) as e:
        tarvex.run(p)
    err = e.value
    assert (err.number, err.kind) == (44, "runtime")
    assert err.block.startswith("**** Runtime Error No. 44 ****")
    assert "buckling" in err.block
    assert "runtime error 44" in str(err)


def test_warnings_are_on_the_result():
    p = _elastic_problem()
    p.soil_layers[0].cohesion = (1300.0, 1400.0)  # above 1,250 psf: warning -3041 of soft clay
    result = tarvex.run(p)
    assert result.status == -3041 and result.ok
    assert len(result.warnings) == 1
    assert result.warnings[0].startswith("The following warning was reported ")
    assert "greater than 8.68" in result.warnings[0]


def test_library_not_found_says_how_to_set_it(monkeypatch):
    monkeypatch.setenv("TARVEX_LIBRARY", "/nonexistent/libtarvex.so")
    with pytest.raises(tarvex.LibraryNotFound, match="TARVEX_LIBRARY"):
        tarvex.run(EXAMPLES / "soft_clay_free_head_us.dat")


def test_command_line_writes_the_figures(tmp_path, capsys):
    from tarvex.__main__ import main
    assert main(["run", str(EXAMPLES / "fixed_head_two_loads_us.dat"), "--plots", str(tmp_path)]) == 0
    out = capsys.readouterr().out
    assert "head_deflection_in" in out
    # the elastic section's table gives a moment-curvature figure too
    assert sorted(os.listdir(tmp_path)) == ["moment_curvature.png", "response.png"]
    assert (tmp_path / "response.png").stat().st_size > 1000
