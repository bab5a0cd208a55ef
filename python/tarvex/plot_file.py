"""Reading the plot output file: numbered fixed-layout records "Line 1" .. "Line 14".

Each record kind is one entry of `RECORD_READERS`: the layout of its numbers
(integers and reals in fixed widths, blanks skipped) and what its label carries.
A line is sorted by its record number in one pass; its numbers are parsed only
when a table asks for that record kind. A number too large for its field is a
field of asterisks and reads as NaN (None for an integer).
"""
from __future__ import annotations

import math
import re
from dataclasses import dataclass
from typing import Callable, Optional

_RECORD_NUMBER = re.compile(r"Line ?(\d+)")


def _int_label(pattern: str):
    rx = re.compile(pattern)

    def parse(label: str) -> dict:
        m = rx.search(label)
        return {k: int(v) for k, v in m.groupdict().items()} if m else {}
    return parse


def _py_curve_label(label: str) -> dict:
    m = re.search(r"depth in (.*?), no\.", label)
    n = re.search(r"(\d+)\s*$", label)
    return {"model": m.group(1) if m else "", "curve": int(n.group(1)) if n else None}


def _py_point_label(label: str) -> dict:
    m = re.search(r"Line 8\(\s*(\d+)\):.*?for (.*)$", label)
    return {"point": int(m.group(1)), "model": m.group(2).strip()} if m else {}


def _thrust_source_label(label: str) -> dict:
    m = re.search(r"axial thrusts(.*)$", label)
    return {"source": m.group(1).strip() if m else ""}


@dataclass(frozen=True)
class RecordReader:
    """The layout of one record kind: fields ('i' integer, 'r' real, 'x' blanks)
    with their widths, and a parser of what its label carries."""

    number: int
    fields: tuple
    names: tuple
    label: Optional[Callable[[str], dict]] = None

    @property
    def width(self) -> int:
        return sum(w for _, w in self.fields)


I5, E15 = ("i", 5), ("r", 15)

RECORD_READERS = {r.number: r for r in (
    RecordReader(1, (I5, I5, I5, I5), ("ICOM", "IUNITS", "KYL", "kmatrix")),
    RecordReader(2, (I5,), ("sections",)),
    RecordReader(3, (I5,), ("thrusts",), _thrust_source_label),
    RecordReader(4, (I5, ("x", 10), E15, E15), ("points", "thrust", "capacity")),
    RecordReader(5, (E15, E15, E15), ("moment", "ei", "curvature"),
                 _int_label(r"Sect#=\s*(?P<section>\d+), AxLd#=\s*(?P<thrust_index>\d+), "
                            r"CurvPnt#=\s*(?P<point>\d+)")),
    RecordReader(6, (I5,), ("curves",)),
    RecordReader(7, (E15, I5), ("depth", "points"), _py_curve_label),
    RecordReader(8, (E15, E15), ("y", "p"), _py_point_label),
    RecordReader(9, (I5, I5, I5), ("loads", "nodes", "IUNITS")),
    RecordReader(10, (E15,) * 6, ("depth", "deflection", "moment", "shear", "soil_reaction", "ei"),
                 _int_label(r"Line 10\(\s*(?P<node>\d+)\)")),
    RecordReader(11, (I5,), ("points",), _int_label(r"case (?P<case>\d+)\s*$")),
    RecordReader(12, (E15,) * 4, ("pile_length", "head_deflection", "max_moment", "max_shear")),
    RecordReader(13, (E15,) * 5, ("head_shear", "head_deflection", "max_moment", "max_shear",
                                  "head_rotation")),
    RecordReader(14, (E15,) * 8, ("shear", "moment", "K22", "K23", "K32", "K33", "head_deflection",
                                  "head_rotation")),
)}


def _number(text: str, kind: str):
    t = text.strip()
    if not t or "*" in t:
        return None if kind == "i" else math.nan
    try:
        return int(t) if kind == "i" else float(t.replace("D", "E"))
    except ValueError:
        return None if kind == "i" else math.nan


@dataclass
class Record:
    """One parsed record: its position among all records, its values and label."""

    seq: int
    values: dict
    label: str


class PlotFile:
    """The records of a plot output file, sorted by kind, parsed on first use."""

    def __init__(self, text: str):
        self.text = text
        self._lines: dict = {}
        self._parsed: dict = {}
        for seq, line in enumerate(text.splitlines()):
            m = _RECORD_NUMBER.search(line)
            if m:
                self._lines.setdefault(int(m.group(1)), []).append((seq, line))

    def kinds(self) -> list:
        return sorted(self._lines)

    def records(self, number: int) -> list:
        """The records of one kind in file order (an unknown kind gives raw labels)."""
        if number not in self._parsed:
            reader = RECORD_READERS.get(number)
            out = []
            for seq, line in self._lines.get(number, []):
                if reader is None:
                    out.append(Record(seq, {}, line.strip()))
                    continue
                values, pos = {}, 0
                names = iter(reader.names)
                for kind, width in reader.fields:
                    if kind != "x":
                        values[next(names)] = _number(line[pos:pos + width], kind)
                    pos += width
                label = line[reader.width:].strip()
                if reader.label:
                    values.update(reader.label(label))
                out.append(Record(seq, values, label))
            self._parsed[number] = out
        return self._parsed[number]

    def first(self, number: int) -> Optional[Record]:
        r = self.records(number)
        return r[0] if r else None
