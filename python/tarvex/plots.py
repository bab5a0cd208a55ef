"""Figures of a Result with matplotlib (imported here, when a figure is first drawn).

Every function returns the matplotlib Figure; with `save=PATH` it also writes it,
in the format of the file's extension (.png, .svg or .pdf)."""
from __future__ import annotations


def _plt():
    try:
        import matplotlib.pyplot as plt
    except ImportError as e:
        raise ImportError("tarvex plots need matplotlib: install python3-matplotlib") from e
    return plt


def _unit(column: str, quantity: str) -> str:
    """The unit part of a column name, written for an axis label."""
    unit = column[len(quantity) + 1:]
    return unit.replace("_per_", "/").replace("_", "-").replace("in2", "in²").replace("m2", "m²")


def _finish(fig, save):
    fig.tight_layout()
    if save:
        fig.savefig(save)
    return fig


def _label(column: str, name: str, quantity: str) -> str:
    return f"{name} ({_unit(column, quantity)})"


def plot_response(result, cases=None, save=None, figsize=(12, 6)):
    """Deflection, moment, shear and soil reaction against depth (depth increasing
    downward), one line per load case."""
    plt = _plt()
    df = result.nodes
    if df.empty:
        raise ValueError("the result has no nodal response (\"Line 10\" records)")
    cols = list(df.columns)
    depth = cols[2]
    panels = [(cols[3], "Deflection", "deflection"), (cols[4], "Moment", "moment"),
              (cols[5], "Shear", "shear"), (cols[6], "Soil reaction", "soil_reaction")]
    fig, axes = plt.subplots(1, 4, sharey=True, figsize=figsize)
    for case, grp in df.groupby("case"):
        if cases is not None and case not in cases:
            continue
        for ax, (col, _, _) in zip(axes, panels):
            ax.plot(grp[col], grp[depth], label=f"Load case {case}")
    for ax, (col, name, q) in zip(axes, panels):
        ax.set_xlabel(_label(col, name, q))
        ax.axvline(0.0, color="0.6", linewidth=0.6)
        ax.grid(True, alpha=0.3)
    axes[0].set_ylabel(_label(depth, "Depth below pile head", "depth"))
    axes[0].invert_yaxis()
    axes[0].legend(loc="lower right", fontsize="small")
    return _finish(fig, save)


def plot_py_curves(result, save=None, figsize=(7, 5)):
    """The p-y curves at the requested depths, one line per depth."""
    plt = _plt()
    df = result.py_curves
    if df.empty:
        raise ValueError("the result has no p-y curves at requested depths (\"Line 7\" and \"Line 8\")")
    cols = list(df.columns)
    fig, ax = plt.subplots(figsize=figsize)
    for curve, grp in df.groupby("curve"):
        depth = grp[cols[1]].iloc[0]
        ax.plot(grp[cols[4]], grp[cols[5]], marker=".", label=f"{depth:g} {_unit(cols[1], 'depth')}, "
                f"{grp['model'].iloc[0]}")
    ax.set_xlabel(_label(cols[4], "Lateral deflection y", "y"))
    ax.set_ylabel(_label(cols[5], "Soil resistance p", "p"))
    ax.grid(True, alpha=0.3)
    ax.legend(fontsize="small")
    return _finish(fig, save)


def plot_moment_curvature(result, section=None, save=None, figsize=(12, 5)):
    """Moment and EI against curvature for every section and thrust, the nominal
    moment capacity of each marked as a horizontal line on the moment panel."""
    plt = _plt()
    df = result.moment_curvature
    if df.empty:
        raise ValueError("the result has no moment-curvature curves (\"Line 4\" and \"Line 5\")")
    caps = result.capacities
    cols = list(df.columns)
    thrust, moment, ei, curv = cols[3], cols[4], cols[5], cols[6]
    cap_col = list(caps.columns)[4]
    fig, (axm, axe) = plt.subplots(1, 2, figsize=figsize)
    for (s, t), grp in df.groupby(["section", "thrust_index"]):
        if section is not None and s != section:
            continue
        label = f"Section {s}, thrust {grp[thrust].iloc[0]:g} {_unit(thrust, 'thrust')}"
        line, = axm.plot(grp[curv], grp[moment], label=label)
        axe.plot(grp[curv], grp[ei], color=line.get_color(), label=label)
        cap = caps[(caps.section == s) & (caps.thrust_index == t)][cap_col]
        if len(cap) and cap.iloc[0] == cap.iloc[0] and cap.iloc[0] > 0:
            axm.axhline(cap.iloc[0], color=line.get_color(), linestyle="--", linewidth=0.8)
    axm.set_xlabel(_label(curv, "Curvature", "curvature"))
    axm.set_ylabel(_label(moment, "Moment", "moment") + ", capacity dashed")
    axe.set_xlabel(_label(curv, "Curvature", "curvature"))
    axe.set_ylabel(_label(ei, "Bending stiffness EI", "EI"))
    for ax in (axm, axe):
        ax.grid(True, alpha=0.3)
    axm.legend(fontsize="small")
    return _finish(fig, save)


def plot_length_study(result, save=None, figsize=(7, 5)):
    """Pile-head deflection against pile length, one line per load case."""
    plt = _plt()
    df = result.length_study
    if df.empty:
        raise ValueError("the result has no pile-length study (\"Line 12\" records)")
    cols = list(df.columns)
    fig, ax = plt.subplots(figsize=figsize)
    for case, grp in df.groupby("case"):
        ax.plot(grp[cols[1]], grp[cols[2]], marker="o", label=f"Load case {case}")
    ax.set_xlabel(_label(cols[1], "Pile length", "pile_length"))
    ax.set_ylabel(_label(cols[2], "Pile-head deflection", "head_deflection"))
    ax.grid(True, alpha=0.3)
    ax.legend(fontsize="small")
    return _finish(fig, save)
