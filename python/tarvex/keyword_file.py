"""Reading and writing the "TARVEX6" keyword input file.

The reader follows the engine's own rules: keyword lines compared exactly
(trailing blanks ignored, first 256 columns), values in free format (blanks or
commas, "r*v" repeat counts, an empty value between commas, "/" ending a read),
each read starting on a new line and continuing on the next when it needs more.
The writer puts every value on the lines the engine expects, reals in their
shortest exact decimal form, so that a problem read and written again gives
the engine the same numbers.
"""
from __future__ import annotations

import math

from . import problem as P

FORMAT_TAG = "TARVEX6"
KEYWORD_COLUMNS = 256


class InputFileError(P.ProblemError):
    """A keyword file that this reader (and so the engine) cannot accept."""


# --------------------------------------------------------------------------- reader

class _Lines:
    def __init__(self, text: str, name: str):
        self.lines = text.split("\n")
        if self.lines and self.lines[-1] == "":
            self.lines.pop()
        self.lines = [ln[:-1] if ln.endswith("\r") else ln for ln in self.lines]
        self.i = 0
        self.name = name

    def error(self, why: str, line_no=None):
        n = self.i if line_no is None else line_no
        text = self.lines[n - 1] if 0 < n <= len(self.lines) else ""
        raise InputFileError(f"{self.name}, line {n}: {why}: {text[:80]!r}")

    def line(self) -> str:
        if self.i >= len(self.lines):
            self.i += 1
            self.error("end of file before the END line")
        self.i += 1
        return self.lines[self.i - 1]

    def keyword(self) -> str:
        return self.line()[:KEYWORD_COLUMNS].rstrip(" ")

    def expect(self, choices: dict, what: str):
        kw = self.keyword()
        if kw not in choices:
            self.error(f"expected {what} ({' / '.join(choices)})")
        return choices[kw]

    def values(self, kinds: str) -> list:
        """One free-format read: 'i' integer, 'r' real, 't' token; None stays unset."""
        out = [None] * len(kinds)
        items = self._items()
        for k, kind in enumerate(kinds):
            item = next(items)
            if item is _SLASH:
                break
            if item is None:
                continue
            out[k] = self._convert(item, kind)
        return out

    def value(self, kind: str, default=0):
        v = self.values(kind)[0]
        return default if v is None else v

    def labelled(self, kind: str, default=0):
        v = self.values("t" + kind)[1]
        return default if v is None else v

    def _items(self):
        line = self.line()
        pos, after_comma = 0, True
        while True:
            while pos < len(line) and line[pos] in " \t":
                pos += 1
            if pos >= len(line):
                line, pos = self.line(), 0
                continue
            ch = line[pos]
            if ch == "/":
                yield _SLASH
                return
            if ch == ",":
                pos += 1
                if after_comma:
                    yield None
                after_comma = True
                continue
            start = pos
            while pos < len(line) and line[pos] not in " \t,/":
                pos += 1
            after_comma = False
            token = line[start:pos]
            star = token.find("*")
            if star > 0 and token[:star].isdigit():
                count = int(token[:star])
                if count < 1 or count > 1000:
                    self.error(f"unreasonable repeat count {count}")
                value = token[star + 1:] or None
                for _ in range(count):
                    yield value
                continue
            yield token

    def _convert(self, token: str, kind: str):
        if kind == "t":
            return token
        try:
            if kind == "i":
                if not token.lstrip("+-").isdigit():
                    raise ValueError
                v = int(token)
                if not -2**31 <= v < 2**31:
                    raise ValueError
                return v
            v = float(token.replace("d", "e").replace("D", "e"))
            if not math.isfinite(v) or token.lower().lstrip("+-").startswith(("inf", "nan")):
                raise ValueError
            return v
        except ValueError:
            self.error(f"{token!r} is not {'an integer' if kind == 'i' else 'a real number'}")


_SLASH = object()

_YES_NO = {"YES": True, "NO": False}


def _yes_no(lines: _Lines, word: str) -> bool:
    return lines.expect({f"{word} YES": True, f"{word} NO": False}, f"the {word} option")


def _read_options(L: _Lines) -> P.Options:
    o = P.Options()
    o.units = L.expect({"Units USCS": "USCS", "Units SI": "SI", "Units GENERAL": "GENERAL"}, "the units")
    o.use_lrfd = _yes_no(L, "UseLRFD")
    o.compute_kmatrix = _yes_no(L, "ComputeKmatrix")
    o.use_tip_shear = _yes_no(L, "UseTipShear")
    o.use_soil_movement = _yes_no(L, "UseSoilMovement")
    o.use_py_modifiers = _yes_no(L, "UsePYModifiers")
    o.compute_ei_only = _yes_no(L, "ComputeEIOnly")
    line = L.line()
    kind = line[8:14]
    if kind not in ("CYCLIC", "STATIC"):
        L.error("expected CYCLIC or STATIC in columns 9 to 14 of the loading line")
    o.cyclic = kind == "CYCLIC"
    cycles = line[14:20].strip()
    try:
        o.num_cycles = float(cycles) if cycles else 0.0
    except ValueError:
        L.error("the number of cycles (columns 15 to 20) is not a number")
    if o.num_cycles == int(o.num_cycles):
        o.num_cycles = int(o.num_cycles)
    o.max_iterations = L.labelled("i")
    o.max_deflection = L.labelled("r")
    o.tolerance = L.labelled("r")
    o.increments = L.labelled("i")
    o.print_summary_only = _yes_no(L, "PrintSummaryOnly")
    o.print_increment = L.labelled("i")
    o.print_py_curves = _yes_no(L, "PrintPYCurves")
    o.compute_interaction = _yes_no(L, "ComputeInteraction")
    if o.compute_interaction:
        code = L.values("tt")[1]
        if code is None or code[:11] not in P.INTERACTION_CODES:
            L.error("expected the interaction code AASHTO, ACI318 or Eurocode2")
        o.interaction_code = code[:11]
    return o


def _read_concrete(L: _Lines) -> P.Concrete:
    c = P.Concrete(fc=L.value("r"), aggregate_size=L.value("r"))
    if L.expect({"Use default concrete tensile strength": False,
                 "Override concrete tensile strength": True}, "the tensile strength option"):
        c.tensile_strength = L.value("r")
    if L.expect({"Input stress-strain curve for concrete": True,
                 "Use internal stress-strain curve for concrete": False}, "the stress-strain option"):
        n = L.value("i")
        if not 0 <= n <= 100:
            L.error(f"{n} points of a concrete curve (0 to 100)")
        c.stress_strain = []
        for k in range(1, n + 1):
            num, a, b = L.values("irr")
            if num != k:
                L.error(f"expecting point {k} of the concrete curve")
            c.stress_strain.append((a or 0.0, b or 0.0))
    return c


def _read_rebar(L: _Lines):
    same = L.expect({"No rebar": None, "Rebar Arrangement Same As Section Above": True,
                     "Rebar Arrangement Not Same As Section Above": False}, "the rebar option")
    if same is None:
        return None
    pattern = L.expect({"Rebar in circle": "circle", "Rebar in noncircular pattern": "listed"},
                       "the rebar pattern")
    if pattern == "circle":
        layout = P.RebarCircle(*(L.value(k) for k in "rriirrrr"))
    else:
        layout = P.RebarListed(bar_yield=L.value("r"), bar_modulus=L.value("r"))
        n = L.value("i")
        if not 0 <= n <= 300:
            L.error(f"{n} bars (0 to 300)")
        for _ in range(n):
            _, size, d, a, x, y = L.values("iirrrr")
            layout.bars.append(P.Bar(size or 0, d or 0.0, a or 0.0, x or 0.0, y or 0.0))
    return P.Rebar(layout=layout, same_as_above=same)


def _read_strands(L: _Lines):
    auto = L.expect({"Autoposition strands": True, "Manually-positioned strands": False},
                    "the strand option")
    if auto:
        return P.StrandsAuto(*(L.value(k) for k in "iiirrri"))
    s = P.StrandsManual(strand_type=L.value("i"))
    n = L.value("i")
    if not 0 <= n <= 300:
        L.error(f"{n} strands (0 to 300)")
    s.prestress_force, s.prestress_loss = L.value("r"), L.value("r")
    for k in range(1, n + 1):
        num, t, size, x, y = L.values("iiirr")
        if num != k:
            L.error(f"expecting strand {k}")
        s.strands.append(P.Strand(t or 0, size or 0, x or 0.0, y or 0.0))
    return s


def _read_elastic(L: _Lines, cls):
    sec = cls()
    sec.shape = L.value("i")
    if sec.shape not in P.ELASTIC_SHAPES:
        L.error(f"elastic shape {sec.shape} (1 to 6)")
    sec.modulus = L.value("r")
    if cls is P.ElasticPlasticSection:
        sec.plastic_moment_top = L.value("r")
        sec.plastic_moment_bottom = sec.plastic_moment_top if sec.shape in (4, 5) else L.value("r")
    for name in P.ELASTIC_SHAPE_FIELDS[sec.shape]:
        setattr(sec, name, L.value("r"))
    return sec


# Value lines after the type line, per section type (the length comes first).
_SECTION_LINES = {
    0: ("depth", "width"), 1: ("diameter",),
    2: ("diameter", "casing_thickness", "casing_yield", "casing_modulus"),
    3: ("diameter", "casing_thickness", "casing_yield", "casing_modulus", "core_diameter",
        "core_thickness", "core_yield", "core_modulus"),
    4: ("diameter", "wall_thickness", "yield_stress", "modulus"),
    5: ("diameter",), 6: ("diameter", "void_diameter"), 7: ("width", "chamfer"),
    8: ("width", "void_diameter", "chamfer"), 9: ("width",), 10: ("width", "void_diameter"),
    13: ("diameter",), 14: (),
}


def _read_section(L: _Lines, s: int):
    number = L.value("i")
    if number != s:
        L.error(f"expecting section number {s}")
    code = L.value("i")
    if code not in P.SECTION_TYPES and code != -3:
        L.error(f"section type {code} (0 to 14, or -3)")
    cls = P.SECTION_TYPES[abs(code)]
    length = L.value("r")
    if code in (11, 12):
        sec = _read_elastic(L, cls)
        sec.length = length
        return sec
    sec = cls(length=length)
    if code in (3, -3):
        sec.core_filled = code == 3
    for name in _SECTION_LINES[abs(code)]:
        setattr(sec, name, L.value("r"))
    if abs(code) <= 3:
        sec.concrete, sec.rebar = _read_concrete(L), _read_rebar(L)
    elif 5 <= code <= 10:
        sec.concrete, sec.strands = _read_concrete(L), _read_strands(L)
    elif code == 13:
        n = L.value("i")
        if not 0 <= n <= 100:
            L.error(f"{n} thrusts of a user EI section (0 to 100)")
        for _ in range(n):
            curve = P.UserEICurve(thrust=L.value("r"))
            m = L.value("i")
            if not 0 <= m <= 150:
                L.error(f"{m} points of a user EI curve (0 to 150)")
            for _ in range(m):
                curve.points.append((L.value("r"), L.value("r")))
            sec.curves.append(curve)
    return sec


def _read_soil_layers(L: _Lines):
    n = L.value("i")
    if not 0 <= n <= 40:
        L.error(f"{n} soil layers (0 to 40)")
    layers = []
    for _ in range(n):
        code, top, bottom = L.values("irr")
        if code not in P.SOIL_MODELS:
            L.error(f"p-y model code {code} (1 to 17)")
        cls = P.SOIL_MODELS[code]
        layer = cls(top=top or 0.0, bottom=bottom or 0.0)
        kinds = "".join("i" if p in cls.integer_properties else "r" for p in cls.properties)
        if cls is P.UserPY:
            gammas, curves = [], []
            for _ in range(2):
                gamma, m = L.values("ri")
                m = m or 0
                if not 0 <= m <= 30:
                    L.error(f"{m} points of a user p-y curve (0 to 30)")
                gammas.append(gamma or 0.0)
                curves.append([tuple(v or 0.0 for v in L.values("rr")) for _ in range(m)])
            layer.gamma = _pair(*gammas)
            layer.curve_top, layer.curve_bottom = curves
        elif kinds:
            top_v, bottom_v = L.values(kinds), L.values(kinds)
            for name, a, b in zip(cls.properties, top_v, bottom_v):
                setattr(layer, name, _pair(a or 0, b or 0))
        layers.append(layer)
    return layers


def _pair(a, b):
    return a if a == b else (a, b)


def _indexed(L: _Lines, kinds: str, count=None):
    """Lines of an index and values; the index is not checked."""
    n = L.value("i") if count is None else count
    if n > 1000:
        L.error(f"{n} lines")
    return [tuple(v or 0.0 for v in L.values("i" + kinds)[1:]) for _ in range(max(n, 0))], n


def read_problem(text: str, name: str = "<text>") -> P.Problem:
    L = _Lines(text, name)
    first = L.line()
    tag = first.replace(",", " ").split(" ")[0][:7]
    if tag != FORMAT_TAG:
        L.error(f"not a keyword input file (the first token must be {FORMAT_TAG})")
    # A part that the file does not contain stays None and is not written back.
    p = P.Problem(title=None, options=None, sections=None, soil_layers=None, loads=None)
    seen = set()
    while True:
        kw = L.keyword()
        if kw == "END":
            return p
        # The engine refuses a part given twice (input error 82): so does the reader.
        if kw in seen:
            L.error(f"the {kw} section is given a second time")
        seen.add(kw)
        if kw == "TITLE":
            p.title = [L.line()[:256] for _ in range(5)]
        elif kw == "OPTIONS":
            p.options = _read_options(L)
        elif kw == "SECTIONS":
            n = L.value("i")
            if not 0 <= n <= 20:
                L.error(f"{n} pile sections (1 to 20)")
            p.sections = [_read_section(L, s) for s in range(1, n + 1)]
        elif kw == "AXIAL THRUST LOADS":
            n = L.value("i")
            p.axial_thrusts = [v[0] for v in _indexed(L, "r", n)[0]] if n >= 1 else []
        elif kw == "SOIL LAYERS":
            p.soil_layers = _read_soil_layers(L)
        elif kw == "TIP SHEAR":
            p.tip_shear = _indexed(L, "rr")[0]
        elif kw == "PILE BATTER AND SLOPE":
            p.slope_angle, p.batter_angle = L.value("r"), L.value("r")
        elif kw in ("GROUPEFF", "GROUP EFFECT FACTORS"):
            p.py_multipliers = _indexed(L, "rrr")[0]
        elif kw == "LRFD LOADS":
            p.lrfd_loads = _read_lrfd_loads(L)
        elif kw == "LRFD FACTORS AND CASES":
            p.lrfd_combinations = _read_lrfd_combinations(L)
        elif kw == "LOADING":
            n = L.value("i")
            if not 0 <= n <= 100:
                L.error(f"{n} load cases (0 to 100)")
            p.loads = []
            for _ in range(n):
                _, t, c1, c2, axial, flag = L.values("irrrri")
                if t not in P.HEAD_LOAD_TYPES:
                    L.error(f"pile-head load type {t} (1 to 5)")
                cls = P.HEAD_LOAD_TYPES[t]
                load = cls(axial=axial or 0.0, length_study=(flag or 0) != 1)
                setattr(load, cls.conditions[0], c1 or 0.0)
                setattr(load, cls.conditions[1], c2 or 0.0)
                p.loads.append(load)
            m = L.value("i")
            p.distributed_load = _indexed(L, "rr", m)[0] if m >= 1 else []
        elif kw == "SOIL MOVEMENTS":
            if p.options is not None and p.options.use_soil_movement:
                rows, n = _indexed(L, "rr")
                if not 2 <= n <= 100:
                    L.error(f"{n} soil movement points (2 to 100)")
                p.soil_movements = rows
        elif kw == "DEPTHS OF PRINTED P-Y CURVES":
            if p.options is not None and p.options.print_py_curves:
                p.py_depths = [v[0] for v in _indexed(L, "r")[0]]
        else:
            L.error("unrecognized or out-of-order line")


def _read_lrfd_loads(L: _Lines):
    n = L.value("i")
    if not 1 <= n <= 100:
        L.error(f"{n} LRFD load groups (1 to 100)")
    groups = []
    for i in range(1, n + 1):
        num, t, v, m, a, nd = L.values("iirrri")
        if num != i:
            L.error(f"expecting LRFD load {i}")
        nd = nd or 0
        if nd != 0 and not 2 <= nd <= 50:
            L.error(f"{nd} distributed-load points of an LRFD load (0 or 2 to 50)")
        g = P.LRFDLoadGroup(load_type=t or 0, shear=v or 0.0, moment=m or 0.0, axial=a or 0.0)
        for k in range(1, nd + 1):
            kk, d, q = L.values("irr")
            if kk != k:
                L.error(f"expecting point {k} of LRFD distributed load {i}")
            g.distributed.append((d or 0.0, q or 0.0))
        groups.append(g)
    return groups


def _read_lrfd_combinations(L: _Lines):
    n = L.value("i")
    if not 1 <= n <= 100:
        L.error(f"{n} LRFD load combinations (1 to 100)")
    combos = []
    for _ in range(n):
        v = [x or 0.0 for x in L.values("r" * 16)]
        name = L.line()[:256]
        combos.append(P.LRFDCombination(name=name, factors=v[1:14], phi_flexure=v[14], phi_shear=v[15]))
    return combos


# --------------------------------------------------------------------------- writer

def fmt(x) -> str:
    """A value as the engine reads it back exactly: integers plain, reals in their
    shortest round-trip form (never NaN or infinite)."""
    if isinstance(x, bool):
        raise P.ProblemError(f"a flag {x!r} where a number is expected")
    if isinstance(x, int):
        return str(x)
    x = float(x)
    if not math.isfinite(x):
        raise P.ProblemError(f"{x!r} cannot be written into an input file")
    return repr(x)


def _real(x) -> str:
    if isinstance(x, int) and not isinstance(x, bool):
        x = float(x)
    return fmt(x)


def _int(x) -> str:
    if isinstance(x, bool) or int(x) != x:
        raise P.ProblemError(f"{x!r} where an integer is expected")
    return str(int(x))


def _write_options(o: P.Options, out: list):
    yn = lambda b: "YES" if b else "NO"  # noqa: E731
    cycles = o.num_cycles
    cycles_text = _int(cycles) if float(cycles).is_integer() else _real(cycles)
    if len(cycles_text) > 6:
        raise P.ProblemError(f"options.num_cycles = {cycles!r}: does not fit the 6 columns of the loading line")
    out += ["OPTIONS", f"Units {o.units}", f"UseLRFD {yn(o.use_lrfd)}", f"ComputeKmatrix {yn(o.compute_kmatrix)}",
            f"UseTipShear {yn(o.use_tip_shear)}", f"UseSoilMovement {yn(o.use_soil_movement)}",
            f"UsePYModifiers {yn(o.use_py_modifiers)}", f"ComputeEIOnly {yn(o.compute_ei_only)}",
            f"Loading {'CYCLIC' if o.cyclic else 'STATIC'}{cycles_text:>6}",
            f"MaxIterations {_int(o.max_iterations)}", f"MaxDeflection {_real(o.max_deflection)}",
            f"Tolerance {_real(o.tolerance)}", f"Increments {_int(o.increments)}",
            f"PrintSummaryOnly {yn(o.print_summary_only)}", f"PrintIncrement {_int(o.print_increment)}",
            f"PrintPYCurves {yn(o.print_py_curves)}", f"ComputeInteraction {yn(o.compute_interaction)}"]
    if o.compute_interaction:
        out.append(f"InteractionCode {o.interaction_code}")


def _write_concrete(c: P.Concrete, out: list):
    out += [_real(c.fc), _real(c.aggregate_size)]
    if c.tensile_strength is None:
        out.append("Use default concrete tensile strength")
    else:
        out += ["Override concrete tensile strength", _real(c.tensile_strength)]
    if c.stress_strain is None:
        out.append("Use internal stress-strain curve for concrete")
    else:
        out += ["Input stress-strain curve for concrete", _int(len(c.stress_strain))]
        out += [f"{k} {_real(a)} {_real(b)}" for k, (a, b) in enumerate(c.stress_strain, 1)]


def _write_rebar(r, out: list):
    if r is None:
        out.append("No rebar")
        return
    out.append("Rebar Arrangement Same As Section Above" if r.same_as_above
               else "Rebar Arrangement Not Same As Section Above")
    b = r.layout
    if isinstance(b, P.RebarCircle):
        out += ["Rebar in circle", _real(b.bar_yield), _real(b.bar_modulus), _int(b.positions),
                _int(b.bars_per_bundle), _real(b.bar_diameter), _real(b.bar_area), _real(b.cover),
                _real(b.offset)]
    else:
        out += ["Rebar in noncircular pattern", _real(b.bar_yield), _real(b.bar_modulus), _int(len(b.bars))]
        out += [f"{k} {_int(x.size)} {_real(x.diameter)} {_real(x.area)} {_real(x.x)} {_real(x.y)}"
                for k, x in enumerate(b.bars, 1)]


def _write_strands(s, out: list):
    if isinstance(s, P.StrandsAuto):
        out += ["Autoposition strands", _int(s.strand_type), _int(s.strand_size), _int(s.count),
                _real(s.prestress_force), _real(s.prestress_loss), _real(s.cover), _int(s.pattern)]
    else:
        out += ["Manually-positioned strands", _int(s.strand_type), _int(len(s.strands)),
                _real(s.prestress_force), _real(s.prestress_loss)]
        out += [f"{k} {_int(x.strand_type)} {_int(x.size)} {_real(x.x)} {_real(x.y)}"
                for k, x in enumerate(s.strands, 1)]


def _write_section(sec, s: int, out: list):
    code = sec.type_code
    if code == 3 and not sec.core_filled:
        code = -3
    out += [str(s), str(code), _real(sec.length)]
    if sec.type_code in (11, 12):
        out += [_int(sec.shape), _real(sec.modulus)]
        if sec.type_code == 12:
            out.append(_real(sec.plastic_moment_top))
            if sec.shape not in (4, 5):
                out.append(_real(sec.plastic_moment_bottom))
        out += [_real(getattr(sec, n)) for n in P.ELASTIC_SHAPE_FIELDS[sec.shape]]
        return
    out += [_real(getattr(sec, n)) for n in _SECTION_LINES[sec.type_code]]
    if sec.type_code <= 3:
        _write_concrete(sec.concrete, out)
        _write_rebar(sec.rebar, out)
    elif 5 <= sec.type_code <= 10:
        _write_concrete(sec.concrete, out)
        _write_strands(sec.strands, out)
    elif sec.type_code == 13:
        out.append(_int(len(sec.curves)))
        for c in sec.curves:
            out += [_real(c.thrust), _int(len(c.points))]
            for m, ei in c.points:
                out += [_real(m), _real(ei)]


def _prop(layer, name, v) -> str:
    return _int(v) if name in layer.integer_properties else _real(v)


def _write_layer(layer, out: list):
    out.append(f"{layer.code} {_real(layer.top)} {_real(layer.bottom)}")
    if isinstance(layer, P.UserPY):
        g = layer.pair("gamma")
        for gamma, curve in ((g[0], layer.curve_top), (g[1], layer.curve_bottom)):
            out.append(f"{_real(gamma)} {len(curve)}")
            out += [f"{_real(y)} {_real(p)}" for y, p in curve]
        return
    if not layer.properties:
        return
    pairs = [layer.pair(n) for n in layer.properties]
    for end in (0, 1):
        out.append(" ".join(_prop(layer, n, v[end]) for n, v in zip(layer.properties, pairs)))


def _rows(rows) -> list:
    return [f"{k} " + " ".join(_real(v) for v in (r if isinstance(r, (tuple, list)) else (r,)))
            for k, r in enumerate(rows, 1)]


def write_problem(p: P.Problem) -> str:
    out = [FORMAT_TAG]
    if p.title is not None:
        title = [str(t) for t in p.title][:5]
        for t in title:
            if "\n" in t:
                raise P.ProblemError(f"title line {t!r}: must be one line")
        out += ["TITLE"] + (title + [""] * 5)[:5]
    if p.options is not None:
        _write_options(p.options, out)
    if p.sections is not None:
        out += ["SECTIONS", str(len(p.sections))]
        for s, sec in enumerate(p.sections, 1):
            _write_section(sec, s, out)
    if p.axial_thrusts is not None:
        out += ["AXIAL THRUST LOADS", str(len(p.axial_thrusts))] + _rows(p.axial_thrusts)
    if p.soil_layers is not None:
        out += ["SOIL LAYERS", str(len(p.soil_layers))]
        for layer in p.soil_layers:
            _write_layer(layer, out)
    if p.tip_shear is not None:
        out += ["TIP SHEAR", str(len(p.tip_shear))] + _rows(p.tip_shear)
    if p.slope_angle is not None or p.batter_angle is not None:
        out += ["PILE BATTER AND SLOPE", _real(p.slope_angle or 0.0), _real(p.batter_angle or 0.0)]
    if p.py_multipliers is not None:
        out += ["GROUPEFF", str(len(p.py_multipliers))] + _rows(p.py_multipliers)
    if p.lrfd_loads is not None:
        out += ["LRFD LOADS", str(len(p.lrfd_loads))]
        for i, g in enumerate(p.lrfd_loads, 1):
            out.append(f"{i} {_int(g.load_type)} {_real(g.shear)} {_real(g.moment)} {_real(g.axial)} "
                       f"{len(g.distributed)}")
            out += _rows(g.distributed)
    if p.lrfd_combinations is not None:
        out += ["LRFD FACTORS AND CASES", str(len(p.lrfd_combinations))]
        for k, c in enumerate(p.lrfd_combinations, 1):
            out.append(f"{k} " + " ".join(_real(f) for f in list(c.factors) + [c.phi_flexure, c.phi_shear]))
            out.append(str(c.name))
    if p.loads is not None:
        out += ["LOADING", str(len(p.loads))]
        for i, load in enumerate(p.loads, 1):
            c1, c2 = load.values()
            out.append(f"{i} {load.load_type} {_real(c1)} {_real(c2)} {_real(load.axial)} "
                       f"{0 if load.length_study else 1}")
        out.append(str(len(p.distributed_load)))
        out += _rows(p.distributed_load)
    if p.soil_movements is not None and p.options is not None and p.options.use_soil_movement:
        out += ["SOIL MOVEMENTS", str(len(p.soil_movements))] + _rows(p.soil_movements)
    if p.py_depths is not None and p.options is not None and p.options.print_py_curves:
        out += ["DEPTHS OF PRINTED P-Y CURVES", str(len(p.py_depths))] + _rows(p.py_depths)
    out.append("END")
    return "\n".join(out) + "\n"
