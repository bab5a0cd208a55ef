"""Figures: each plot function draws its lines with labelled axes and saves a
non-empty PNG (SVG and PDF by the file's extension)."""
import pytest

pytest.importorskip("matplotlib")
import matplotlib  # noqa: E402

matplotlib.use("Agg")


def _curves(ax, prefix):
    return [ln for ln in ax.get_lines() if ln.get_label().startswith(prefix)]


def _saved(fig, tmp_path, name):
    path = tmp_path / name
    fig.savefig(path)
    assert path.stat().st_size > 1000
    import matplotlib.pyplot as plt
    plt.close(fig)


def test_response_of_two_load_cases(example_results, tmp_path):
    result = example_results["fixed_head_two_loads_us"]
    fig = result.plot_response(save=tmp_path / "response.png")
    assert (tmp_path / "response.png").stat().st_size > 1000
    axes = fig.axes
    assert [ax.get_xlabel() for ax in axes] == ["Deflection (in)", "Moment (in-lb)", "Shear (lb)",
                                                "Soil reaction (lb/in)"]
    assert axes[0].get_ylabel() == "Depth below pile head (in)"
    assert axes[0].yaxis_inverted()
    assert [len(_curves(ax, "Load case")) for ax in axes] == [2, 2, 2, 2]
    _saved(fig, tmp_path, "response.svg")


def test_response_in_si_units(example_results, tmp_path):
    fig = example_results["soft_clay_free_head_si"].plot_response()
    assert fig.axes[1].get_xlabel() == "Moment (kN-m)"
    assert fig.axes[0].get_ylabel() == "Depth below pile head (m)"
    _saved(fig, tmp_path, "response_si.pdf")


def test_py_curves(synthetic_result, tmp_path):
    fig = synthetic_result.plot_py_curves(save=tmp_path / "py.png")
    ax = fig.axes[0]
    assert (ax.get_xlabel(), ax.get_ylabel()) == ("Lateral deflection y (in)", "Soil resistance p (lb/in)")
    assert [ln.get_label() for ln in ax.get_lines()] == ["60 in, soft clay", "120 in, user-input p-y curve"]
    _saved(fig, tmp_path, "py_curves.png")


def test_moment_curvature_with_capacities(synthetic_result, tmp_path):
    fig = synthetic_result.plot_moment_curvature(save=tmp_path / "mc.png")
    axm, axe = fig.axes
    assert axm.get_xlabel() == "Curvature (rad/in)"
    assert axm.get_ylabel() == "Moment (in-kip), capacity dashed"
    assert axe.get_ylabel() == "Bending stiffness EI (kip-in²)"
    assert len(_curves(axm, "Section")) == len(_curves(axe, "Section")) == 4
    dashed = [ln for ln in axm.get_lines() if ln.get_linestyle() == "--"]
    assert sorted(ln.get_ydata()[0] for ln in dashed) == [900.0, 1100.0, 2000.0, 2000.0]
    _saved(fig, tmp_path, "moment_curvature.png")


def test_length_study(synthetic_result, tmp_path):
    fig = synthetic_result.plot_length_study(save=tmp_path / "ls.png")
    ax = fig.axes[0]
    assert (ax.get_xlabel(), ax.get_ylabel()) == ("Pile length (in)", "Pile-head deflection (in)")
    assert len(_curves(ax, "Load case")) == 1
    _saved(fig, tmp_path, "length_study.png")


def test_a_figure_without_its_records_says_which(example_results):
    with pytest.raises(ValueError, match="Line 12"):
        example_results["soft_clay_free_head_us"].plot_length_study()
