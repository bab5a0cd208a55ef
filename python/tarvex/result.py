"""The result of one analysis: tables read from the plot output file, the report
and the runtime messages. Every table is built when it is first asked for."""
from __future__ import annotations

import functools
import re

from .plot_file import PlotFile

UNITS = {
    # unit system: length, force, moment, bending stiffness, soil reaction
    1: dict(L="in", F="lb", M="in_lb", EI="lb_in2", P="lb_per_in", KL="kip", KM="in_kip",
            KEI="kip_in2", CURV="rad_per_in"),
    2: dict(L="m", F="kN", M="kN_m", EI="kN_m2", P="kN_per_m", KL="kN", KM="kN_m",
            KEI="kN_m2", CURV="rad_per_m"),
    3: dict(L="L", F="F", M="F_L", EI="F_L2", P="F_per_L", KL="F", KM="F_L",
            KEI="F_L2", CURV="rad_per_L"),
}
UNIT_SYSTEM_CODES = {"USCS": 1, "SI": 2, "GENERAL": 3}


class EngineError(RuntimeError):
    """The engine stopped on an error: `number`, `kind` ("input" or "runtime") and
    the text of its error `block`; the full `result` is attached."""

    def __init__(self, number: int, kind: str, block: str, result=None):
        self.number, self.kind, self.block, self.result = number, kind, block, result
        super().__init__(f"{kind} error {number}" + (f":\n{block}" if block else ""))


_HEADING = re.compile(r"\*{3,}\s*(Input Data|Runtime) Error No\.\s*(\d+)")
_STOP_LINES = ("Tarvex ended prematurely", "The analysis ended due to")
_OTHER_HEADINGS = ("INPUT ERROR", "***** INPUT ERROR", "SECTION DATA OUT-OF-ORDER")


def error_block(number: int, kind: str, messages: str, report: str) -> str:
    """The text of the error block that the engine wrote for this error: from its
    heading (in the runtime messages, else in the report) to the stop lines."""
    want = "Input Data" if kind == "input" else "Runtime"
    for text in (messages, report):
        lines = text.splitlines()
        start = None
        for i, line in enumerate(lines):
            m = _HEADING.search(line)
            if m and m.group(1) == want and int(m.group(2)) == number:
                start = i
                break
        if start is None:
            continue
        return _until_stop(lines, start)
    lines = report.splitlines()
    stop = next((i for i, ln in enumerate(lines) if ln.startswith(_STOP_LINES)), len(lines))
    for i in range(stop - 1, -1, -1):
        if lines[i].lstrip().startswith(_OTHER_HEADINGS):
            return _until_stop(lines, i)
    return ""


def _until_stop(lines, start) -> str:
    end = start + 1
    while end < len(lines) and not lines[end].startswith(_STOP_LINES):
        end += 1
    return "\n".join(lines[start:end]).strip("\n").rstrip()


class Result:
    """One analysis. Tables (pandas DataFrames) have column names that end in their
    unit: `head_deflection_in` (US customary), `head_deflection_m` (SI),
    `head_deflection_L` (generic units)."""

    def __init__(self, status: int, report: str, plot: str, messages: str, input_text: str = "",
                 problem=None):
        self.status = status
        self.report = report
        self.messages = messages
        self.input_text = input_text
        self.problem = problem
        self.plot_text = plot
        self._plot = None

    # -- status
    @property
    def ok(self) -> bool:
        """True when the analysis ended normally (with or without warnings)."""
        return self.status <= 0

    @property
    def error(self):
        """The EngineError of a run that stopped on an error, else None."""
        if self.status <= 0:
            return None
        if 100 < self.status < 200:
            number, kind = self.status - 100, "input"
        elif 200 < self.status < 300:
            number, kind = self.status - 200, "runtime"
        elif self.status == 999:
            number, kind = 999, "runtime"
        else:
            return EngineError(self.status, "runtime", f"the engine returned {self.status}", self)
        return EngineError(number, kind, error_block(number, kind, self.messages, self.report), self)

    def raise_for_error(self):
        err = self.error
        if err is not None:
            raise err
        return self

    @functools.cached_property
    def warnings(self) -> list:
        """The warning texts of the report's warning summary, each with its count line."""
        lines = self.report.splitlines()
        try:
            start = next(i for i, ln in enumerate(lines) if "Summary of Warning Messages" in ln)
        except StopIteration:
            return []
        out, cur = [], None
        for ln in lines[start + 2:]:
            if ln.startswith(("The analysis ended", "The following warning was reported")) and cur:
                out.append("\n".join(cur).strip())
                cur = None
            if ln.startswith("The analysis ended"):
                break
            if ln.startswith("The following warning was reported"):
                cur = [ln]
            elif cur is not None:
                cur.append(ln)
        if cur:
            out.append("\n".join(cur).strip())
        return out

    # -- plot file
    @property
    def plot(self) -> PlotFile:
        if self._plot is None:
            self._plot = PlotFile(self.plot_text)
        return self._plot

    @property
    def unit_system(self) -> int:
        """1 US customary, 2 SI, 3 generic (from "Line 1", else from the problem)."""
        r = self.plot.first(1)
        if r and r.values.get("IUNITS") in UNITS:
            return r.values["IUNITS"]
        if self.problem is not None and self.problem.options is not None:
            return UNIT_SYSTEM_CODES[self.problem.options.units]
        return 1

    @property
    def units(self) -> dict:
        return UNITS[self.unit_system]

    def _frame(self, rows, columns, index=None):
        import pandas as pd
        df = pd.DataFrame(rows, columns=columns)
        if index:
            df = df.set_index(index)
        return df

    def summary_columns(self) -> list:
        u = self.units
        return [f"head_shear_{u['F']}", f"head_deflection_{u['L']}", f"max_moment_{u['M']}",
                f"max_shear_{u['F']}", "head_rotation_rad"]

    def case_summary(self, case: int = 1) -> dict:
        """The summary of one load case as a dict (empty when there is no such case)."""
        records = self.plot.records(13)
        if not 1 <= case <= len(records):
            return {}
        values = records[case - 1].values
        return dict(zip(self.summary_columns(), (values[k] for k in RECORD_KEYS[13])))

    @functools.cached_property
    def summary(self):
        """One row per load case ("Line 13"): head shear, head deflection, maximum
        moment, maximum shear and head rotation; index `case` from 1."""
        cols = self.summary_columns()
        keys = RECORD_KEYS[13]
        rows = [[i] + [r.values[k] for k in keys] for i, r in enumerate(self.plot.records(13), 1)]
        return self._frame(rows, ["case"] + cols, "case")

    @functools.cached_property
    def nodes(self):
        """The nodal response of every load case ("Line 10"): one row per case and
        node, with depth below the pile head, deflection, moment, shear, soil
        reaction and EI, and the derived slope (central differences of the
        deflection) and secant soil modulus Es = -p / y."""
        import numpy as np
        u = self.units
        case_ends = [r.seq for r in self.plot.records(11)]
        rows = []
        for r in self.plot.records(10):
            case = 1 + sum(1 for s in case_ends if s < r.seq)
            v = r.values
            rows.append([case, v.get("node"), v["depth"], v["deflection"], v["moment"], v["shear"],
                         v["soil_reaction"], v["ei"]])
        cols = ["case", "node", f"depth_{u['L']}", f"deflection_{u['L']}", f"moment_{u['M']}",
                f"shear_{u['F']}", f"soil_reaction_{u['P']}", f"EI_{u['EI']}"]
        df = self._frame(rows, cols)
        slope = np.full(len(df), np.nan)
        for _, idx in df.groupby("case").indices.items():
            if len(idx) >= 2:
                slope[idx] = np.gradient(df[cols[3]].to_numpy()[idx], df[cols[2]].to_numpy()[idx])
        df["slope_rad"] = slope
        y = df[cols[3]].to_numpy()
        p = df[cols[6]].to_numpy()
        with np.errstate(divide="ignore", invalid="ignore"):
            df[f"soil_modulus_{u['F']}_per_{u['L']}2"] = np.where(y != 0, -p / y, 0.0)
        return df

    def case(self, case: int = 1):
        """The nodal response of one load case, indexed by node."""
        df = self.nodes
        return df[df["case"] == case].drop(columns="case").set_index("node")

    @functools.cached_property
    def py_curves(self):
        """The p-y curves at the requested depths ("Line 6" to "Line 8"): one row per
        point with the curve number, its depth, the model and y, p."""
        u = self.units
        rows = []
        curves = self.plot.records(7)
        points = self.plot.records(8)
        for n, c in enumerate(curves, 1):
            nxt = curves[n].seq if n < len(curves) else float("inf")
            curve_no = c.values.get("curve") or n
            for p in points:
                if c.seq < p.seq < nxt:
                    rows.append([curve_no, c.values["depth"], c.values.get("model", ""), p.values.get("point"),
                                 p.values["y"], p.values["p"]])
        return self._frame(rows, ["curve", f"depth_{u['L']}", "model", "point", f"y_{u['L']}",
                                  f"p_{u['P']}"])

    @functools.cached_property
    def moment_curvature(self):
        """The moment-curvature curves of every section and thrust ("Line 3" to
        "Line 5"): moment, EI and curvature, moments in kip-in (US) / kN-m (SI)."""
        u = self.units
        rows = []
        for (section, thrust_index), cap, pts in self._mc_groups():
            for p in pts:
                scale = _moment_scale(p.label, self.unit_system)
                rows.append([section, thrust_index, p.values.get("point"), cap.values["thrust"],
                             p.values["moment"] * scale, p.values["ei"] * scale, p.values["curvature"]])
        return self._frame(rows, ["section", "thrust_index", "point", f"thrust_{u['KL']}",
                                  f"moment_{u['KM']}", f"EI_{u['KEI']}", f"curvature_{u['CURV']}"])

    @functools.cached_property
    def capacities(self):
        """The nominal moment capacity of every section and thrust ("Line 4")."""
        u = self.units
        rows = [[s, t, cap.values["points"], cap.values["thrust"], cap.values["capacity"]]
                for (s, t), cap, _ in self._mc_groups()]
        return self._frame(rows, ["section", "thrust_index", "points", f"thrust_{u['KL']}",
                                  f"nominal_moment_capacity_{u['KM']}"])

    def _mc_groups(self):
        """(section, thrust index), its "Line 4" record and its "Line 5" records."""
        header = self.plot.first(3)
        per_section = header.values["thrusts"] if header and header.values["thrusts"] else None
        caps, pts = self.plot.records(4), self.plot.records(5)
        out = []
        for k, cap in enumerate(caps):
            nxt = caps[k + 1].seq if k + 1 < len(caps) else float("inf")
            mine = [p for p in pts if cap.seq < p.seq < nxt]
            if mine and mine[0].values.get("section"):
                key = (mine[0].values["section"], mine[0].values["thrust_index"])
            elif per_section:
                key = (k // per_section + 1, k % per_section + 1)
            else:
                key = (1, k + 1)
            out.append((key, cap, mine))
        return out

    @functools.cached_property
    def length_study(self):
        """Pile-head deflection against pile length ("Line 11" of a case, then its
        "Line 12" records): one row per point and load case; pile length in in (US) / m (SI)."""
        u = self.units
        rows = []
        ends = self.plot.records(11)
        for r in self.plot.records(12):
            before = [(i, e) for i, e in enumerate(ends, 1) if e.seq < r.seq]  # the case's "Line 11" comes first
            case = (before[-1][1].values.get("case") or before[-1][0]) if before else None
            v = r.values
            rows.append([case, v["pile_length"], v["head_deflection"], v["max_moment"], v["max_shear"]])
        return self._frame(rows, ["case", f"pile_length_{u['L']}", f"head_deflection_{u['L']}",
                                  f"max_moment_{u['M']}", f"max_shear_{u['F']}"])

    @functools.cached_property
    def stiffness_matrix(self):
        """The pile-head stiffness terms of the ten trial load levels ("Line 14")."""
        u = self.units
        L, F, M = u["L"], u["F"], u["M"]
        rows = [[i] + [r.values[k] for k in RECORD_KEYS[14]] for i, r in enumerate(self.plot.records(14), 1)]
        return self._frame(rows, ["level", f"shear_{F}", f"moment_{M}", f"K22_{F}_per_{L}",
                                  f"K23_{F}_per_rad", f"K32_{M}_per_{L}", f"K33_{M}_per_rad",
                                  f"head_deflection_{L}", "head_rotation_rad"], "level")

    # -- plots
    def plot_response(self, **kw):
        from .plots import plot_response
        return plot_response(self, **kw)

    def plot_py_curves(self, **kw):
        from .plots import plot_py_curves
        return plot_py_curves(self, **kw)

    def plot_moment_curvature(self, **kw):
        from .plots import plot_moment_curvature
        return plot_moment_curvature(self, **kw)

    def plot_length_study(self, **kw):
        from .plots import plot_length_study
        return plot_length_study(self, **kw)

    def __repr__(self):
        err = self.error
        state = "normal end" if self.status == 0 else (
            f"normal end with warnings ({self.status})" if self.status < 0 else f"{err.kind} error {err.number}")
        return f"<tarvex.Result {state}, {len(self.plot.records(13))} load case(s)>"


from .plot_file import RECORD_READERS  # noqa: E402

RECORD_KEYS = {n: r.names for n, r in RECORD_READERS.items()}


def _moment_scale(label: str, unit_system: int) -> float:
    """Factor that brings a "Line 5" moment and EI to kip-in and kip-in2 in US units:
    the elastic-plastic records are in lb-in, the user M-EI records in input units."""
    if unit_system != 1:
        return 1.0
    if "(in-lb)" in label or "lb-in^2" in label or "Moment, EI, Curvature" in label:
        return 1e-3
    return 1.0
