"""The problem as data: typed records of the whole "TARVEX6" keyword input file.

Every value is held as the input file gives it (input units): with US customary
units depths along the pile are in feet, section dimensions in inches, unit
weights in pcf and cohesions in psf; with SI units depths are in metres, section
dimensions in millimetres, unit weights in kN/m3 and cohesions in kPa; with
generic units everything is in the user's force F and length L. The engine makes
its own conversions after reading, so a problem written by `Problem.to_text`
reads back exactly as it was built.

Reading and writing live in `keyword_file`; this module holds the records and
their checks.
"""
from __future__ import annotations

import math
from dataclasses import dataclass, field, fields, replace
from typing import ClassVar, Optional, Union

__all__ = [
    "ProblemError", "Options", "Concrete", "RebarCircle", "RebarListed", "Bar", "Rebar",
    "StrandsAuto", "StrandsManual", "Strand", "RectangularConcrete", "DrilledShaft",
    "CasedShaft", "CasedShaftWithCore", "SteelPipe", "CircularPrestressed",
    "CircularHollowPrestressed", "SquarePrestressed", "SquareHollowPrestressed",
    "OctagonalPrestressed", "OctagonalHollowPrestressed", "ElasticSection",
    "ElasticPlasticSection", "UserEICurve", "UserEISection", "Micropile", "SECTION_TYPES",
    "SoilLayer", "SoftClay", "StiffClayFreeWater", "StiffClayNoFreeWater",
    "StiffClayNoFreeWaterK", "Sand", "APISand", "LiquefiedSand", "WeakRock",
    "VuggyLimestone", "Piedmont", "CementedSilt", "Loess", "ElasticSubgrade", "UserPY",
    "SoftClayJ", "MassiveRock", "FrozenSoil", "SOIL_MODELS", "HeadLoad", "ShearMoment",
    "ShearSlope", "ShearRotationalStiffness", "DeflectionMoment", "DeflectionSlope",
    "HEAD_LOAD_TYPES", "LRFDLoadGroup", "LRFDCombination", "LRFD_LOAD_TYPES", "Problem",
]


class ProblemError(ValueError):
    """A problem that the engine would reject or misread, found before it is called."""


def _fail(where: str, value, why: str):
    raise ProblemError(f"{where} = {value!r}: {why}")


def _check_finite(where: str, value):
    if isinstance(value, bool) or not isinstance(value, (int, float)) or not math.isfinite(value):
        _fail(where, value, "must be a finite number")


def _check_nonnegative(where: str, value):
    _check_finite(where, value)
    if value < 0:
        _fail(where, value, "must not be negative")


def _check_positive(where: str, value):
    _check_finite(where, value)
    if value <= 0:
        _fail(where, value, "must be greater than 0")


# --------------------------------------------------------------------------- options

UNIT_SYSTEMS = ("USCS", "SI", "GENERAL")
INTERACTION_CODES = ("AASHTO", "ACI318", "Eurocode2")


@dataclass
class Options:
    """The analysis options, in the order of the "OPTIONS" part of the file.

    units: "USCS" (lb, in, ft), "SI" (kN, m, mm) or "GENERAL" (F, L: nothing converted).
    max_deflection, tolerance: pile-head deflection limit and convergence tolerance
        in in (US) / m (SI) / L; the tolerance must lie in 1E-20 .. 0.1 in or
        2.54E-22 .. 0.00254 m.
    increments: pile increments, 40 to 500. max_iterations: 30 to 1000.
    print_increment: nodal spacing of the report tables.
    """

    units: str = "USCS"
    use_lrfd: bool = False
    compute_kmatrix: bool = False
    use_tip_shear: bool = False
    use_soil_movement: bool = False
    use_py_modifiers: bool = False
    compute_ei_only: bool = False
    cyclic: bool = False
    num_cycles: float = 0
    max_iterations: int = 100
    max_deflection: float = 100.0
    tolerance: float = 1.0e-5
    increments: int = 100
    print_summary_only: bool = False
    print_increment: int = 10
    print_py_curves: bool = False
    compute_interaction: bool = False
    interaction_code: str = "ACI318"

    def validate(self):
        if self.units not in UNIT_SYSTEMS:
            _fail("options.units", self.units, f"must be one of {UNIT_SYSTEMS}")
        if not 30 <= self.max_iterations <= 1000:
            _fail("options.max_iterations", self.max_iterations, "must lie between 30 and 1000")
        if not 40 <= self.increments <= 500:
            _fail("options.increments", self.increments, "must lie between 40 and 500")
        _check_finite("options.tolerance", self.tolerance)
        _check_finite("options.max_deflection", self.max_deflection)
        _check_nonnegative("options.num_cycles", self.num_cycles)
        if self.cyclic and self.num_cycles < 1:
            _fail("options.num_cycles", self.num_cycles, "cyclic loading needs at least 1 cycle")
        if self.print_increment < 1:
            _fail("options.print_increment", self.print_increment, "must be at least 1")
        if self.compute_interaction and self.interaction_code not in INTERACTION_CODES:
            _fail("options.interaction_code", self.interaction_code, f"must be one of {INTERACTION_CODES}")


# --------------------------------------------------------------------------- sections

@dataclass
class Concrete:
    """Concrete of a section: f'c in psi (US) / kPa (SI); aggregate size in in / mm.

    tensile_strength: None for the internal value, else ft in psi / kPa.
    stress_strain: None for the internal law, else (strain, stress) points.
    """

    fc: float = 4000.0
    aggregate_size: float = 0.75
    tensile_strength: Optional[float] = None
    stress_strain: Optional[list] = None


@dataclass
class RebarCircle:
    """Bars on a circle: yield stress and modulus in psi / kPa; bar diameter, cover
    and offset in in / mm; bar area in in2 / mm2; 1 to 3 bars per position."""

    bar_yield: float = 60000.0
    bar_modulus: float = 29000000.0
    positions: int = 8
    bars_per_bundle: int = 1
    bar_diameter: float = 1.0
    bar_area: float = 0.79
    cover: float = 3.0
    offset: float = 0.0


@dataclass
class Bar:
    """One listed bar: size index, diameter (in / mm), area (in2 / mm2), x and y (in / mm)."""

    size: int
    diameter: float
    area: float
    x: float
    y: float


@dataclass
class RebarListed:
    """Bars listed one by one; yield stress and modulus in psi / kPa."""

    bar_yield: float = 60000.0
    bar_modulus: float = 29000000.0
    bars: list = field(default_factory=list)


@dataclass
class Rebar:
    """The reinforcing bars of a concrete section (None on the section means "No rebar")."""

    layout: Union[RebarCircle, RebarListed] = field(default_factory=RebarCircle)
    same_as_above: bool = False


@dataclass
class StrandsAuto:
    """Strands placed automatically: strand type 0..5 and size code (tables of the
    standard strands); prestress force in lb / kN; loss as a fraction; cover in
    in / mm; pattern 0 circle, 1 or 2 square perimeter."""

    strand_type: int = 1
    strand_size: int = 3
    count: int = 8
    prestress_force: float = 0.0
    prestress_loss: float = 0.0
    cover: float = 3.0
    pattern: int = 0


@dataclass
class Strand:
    """One manually positioned strand: type, size code, x and y (in / mm)."""

    strand_type: int
    size: int
    x: float
    y: float


@dataclass
class StrandsManual:
    """Strands listed one by one; prestress force in lb / kN, loss as a fraction."""

    strand_type: int = 1
    prestress_force: float = 0.0
    prestress_loss: float = 0.0
    strands: list = field(default_factory=list)


class _Section:
    """Common part of the pile sections: `length` along the pile in ft (US) / m (SI)."""

    type_code: ClassVar[int]

    def validate(self, where: str):
        if self.type_code == 14:
            _check_nonnegative(f"{where}.length", self.length)
        else:
            _check_positive(f"{where}.length", self.length)
        for f in fields(self):
            v = getattr(self, f.name)
            if f.name in _DIMENSIONS:
                _check_positive(f"{where}.{f.name}", v)
            elif f.name in _NONNEGATIVE:
                _check_nonnegative(f"{where}.{f.name}", v)


_DIMENSIONS = {"diameter", "width", "depth"}
_NONNEGATIVE = {"casing_thickness", "wall_thickness", "core_diameter", "core_thickness",
                "void_diameter", "chamfer", "hole_diameter"}


@dataclass
class RectangularConcrete(_Section):
    """Type 0: rectangular concrete pile; depth (bending direction) and width in in / mm."""

    type_code: ClassVar[int] = 0
    length: float = 10.0
    depth: float = 24.0
    width: float = 24.0
    concrete: Concrete = field(default_factory=Concrete)
    rebar: Optional[Rebar] = field(default_factory=Rebar)


@dataclass
class DrilledShaft(_Section):
    """Type 1: drilled shaft (bored pile); diameter in in / mm."""

    type_code: ClassVar[int] = 1
    length: float = 10.0
    diameter: float = 36.0
    concrete: Concrete = field(default_factory=Concrete)
    rebar: Optional[Rebar] = field(default_factory=Rebar)


@dataclass
class CasedShaft(_Section):
    """Type 2: drilled shaft with permanent casing; diameter and casing thickness in
    in / mm, casing yield stress and modulus in psi / kPa."""

    type_code: ClassVar[int] = 2
    length: float = 10.0
    diameter: float = 36.0
    casing_thickness: float = 0.5
    casing_yield: float = 36000.0
    casing_modulus: float = 29000000.0
    concrete: Concrete = field(default_factory=Concrete)
    rebar: Optional[Rebar] = field(default_factory=Rebar)


@dataclass
class CasedShaftWithCore(_Section):
    """Type 3: drilled shaft with casing and a steel core, filled with concrete
    (core_filled) or void; dimensions in in / mm, stresses in psi / kPa."""

    type_code: ClassVar[int] = 3
    length: float = 10.0
    diameter: float = 36.0
    casing_thickness: float = 0.5
    casing_yield: float = 36000.0
    casing_modulus: float = 29000000.0
    core_diameter: float = 12.0
    core_thickness: float = 0.5
    core_yield: float = 36000.0
    core_modulus: float = 29000000.0
    core_filled: bool = True
    concrete: Concrete = field(default_factory=Concrete)
    rebar: Optional[Rebar] = field(default_factory=Rebar)


@dataclass
class SteelPipe(_Section):
    """Type 4: steel pipe pile; diameter and wall thickness in in / mm, yield stress
    and modulus in psi / kPa."""

    type_code: ClassVar[int] = 4
    length: float = 10.0
    diameter: float = 24.0
    wall_thickness: float = 0.5
    yield_stress: float = 36000.0
    modulus: float = 29000000.0


@dataclass
class CircularPrestressed(_Section):
    """Type 5: circular solid prestressed pile; diameter in in / mm."""

    type_code: ClassVar[int] = 5
    length: float = 10.0
    diameter: float = 24.0
    concrete: Concrete = field(default_factory=Concrete)
    strands: Union[StrandsAuto, StrandsManual] = field(default_factory=StrandsAuto)


@dataclass
class CircularHollowPrestressed(_Section):
    """Type 6: circular hollow prestressed pile; diameters in in / mm."""

    type_code: ClassVar[int] = 6
    length: float = 10.0
    diameter: float = 24.0
    void_diameter: float = 12.0
    concrete: Concrete = field(default_factory=Concrete)
    strands: Union[StrandsAuto, StrandsManual] = field(default_factory=StrandsAuto)


@dataclass
class SquarePrestressed(_Section):
    """Type 7: square solid prestressed pile; width and chamfer in in / mm."""

    type_code: ClassVar[int] = 7
    length: float = 10.0
    width: float = 18.0
    chamfer: float = 0.75
    concrete: Concrete = field(default_factory=Concrete)
    strands: Union[StrandsAuto, StrandsManual] = field(default_factory=StrandsAuto)


@dataclass
class SquareHollowPrestressed(_Section):
    """Type 8: square hollow prestressed pile; width, void diameter and chamfer in in / mm."""

    type_code: ClassVar[int] = 8
    length: float = 10.0
    width: float = 18.0
    void_diameter: float = 8.0
    chamfer: float = 0.75
    concrete: Concrete = field(default_factory=Concrete)
    strands: Union[StrandsAuto, StrandsManual] = field(default_factory=StrandsAuto)


@dataclass
class OctagonalPrestressed(_Section):
    """Type 9: octagonal solid prestressed pile; width in in / mm."""

    type_code: ClassVar[int] = 9
    length: float = 10.0
    width: float = 20.0
    concrete: Concrete = field(default_factory=Concrete)
    strands: Union[StrandsAuto, StrandsManual] = field(default_factory=StrandsAuto)


@dataclass
class OctagonalHollowPrestressed(_Section):
    """Type 10: octagonal hollow prestressed pile; width and void diameter in in / mm."""

    type_code: ClassVar[int] = 10
    length: float = 10.0
    width: float = 20.0
    void_diameter: float = 10.0
    concrete: Concrete = field(default_factory=Concrete)
    strands: Union[StrandsAuto, StrandsManual] = field(default_factory=StrandsAuto)


ELASTIC_SHAPES = {1: "Rectangular", 2: "Circular", 3: "Circular Pipe", 4: "Strong H-Pile",
                  5: "Weak H-Pile", 6: "Embedded Circular Pole"}

# The value lines of each shape after the modulus (and, for type 12, the plastic moments).
ELASTIC_SHAPE_FIELDS = {
    1: ("width_top", "width_bottom", "depth_top", "depth_bottom", "area_top", "area_bottom",
        "inertia_top", "inertia_bottom"),
    2: ("width_top", "width_bottom", "area_top", "area_bottom", "inertia_top", "inertia_bottom"),
    3: ("width_top", "width_bottom", "wall_thickness_top", "wall_thickness_bottom", "area_top",
        "area_bottom", "inertia_top", "inertia_bottom"),
    4: ("width_top", "depth_top", "flange_thickness", "web_thickness", "area_top", "inertia_top"),
    5: ("width_top", "depth_top", "flange_thickness", "web_thickness", "area_top", "inertia_top"),
    6: ("width_top", "width_bottom", "area_top", "area_bottom", "inertia_top", "inertia_bottom",
        "hole_diameter"),
}


@dataclass
class ElasticSection(_Section):
    """Type 11: elastic pile of shape 1 to 6 (`ELASTIC_SHAPES`).

    modulus in psi / kPa; widths, depths, wall thicknesses and the drilled hole
    diameter in in / mm; areas in in2 / mm2; moments of inertia in in4 / mm4.
    H-piles (shapes 4, 5) use the top values only: flange width in width_top,
    section depth in depth_top. Shape 6 is a pole of width width_top.. in a drilled
    hole of hole_diameter.
    """

    type_code: ClassVar[int] = 11
    length: float = 10.0
    shape: int = 2
    modulus: float = 29000000.0
    width_top: float = 0.0
    width_bottom: float = 0.0
    depth_top: float = 0.0
    depth_bottom: float = 0.0
    wall_thickness_top: float = 0.0
    wall_thickness_bottom: float = 0.0
    flange_thickness: float = 0.0
    web_thickness: float = 0.0
    area_top: float = 0.0
    area_bottom: float = 0.0
    inertia_top: float = 0.0
    inertia_bottom: float = 0.0
    hole_diameter: float = 0.0

    def validate(self, where: str):
        super().validate(where)
        if self.shape not in ELASTIC_SHAPES:
            _fail(f"{where}.shape", self.shape, "must be 1 to 6")
        for name in ELASTIC_SHAPE_FIELDS[self.shape]:
            v = getattr(self, name)
            if name.startswith(("width", "area", "inertia", "depth")) or name == "hole_diameter":
                _check_positive(f"{where}.{name}", v)
            else:
                _check_nonnegative(f"{where}.{name}", v)
        _check_positive(f"{where}.modulus", self.modulus)


@dataclass
class ElasticPlasticSection(ElasticSection):
    """Type 12: elastic pile with a specified plastic moment capacity, in lb-in (US) /
    kN-m (SI), at the top and the bottom (H-piles: top only). Other fields as type 11."""

    type_code: ClassVar[int] = 12
    plastic_moment_top: float = 0.0
    plastic_moment_bottom: float = 0.0


@dataclass
class UserEICurve:
    """The bending stiffness of one axial thrust: (moment, EI) points, in lb-in and
    lb-in2 (US) / kN-m and kN-m2 (SI); the thrust in lb / kN."""

    thrust: float
    points: list = field(default_factory=list)


@dataclass
class UserEISection(_Section):
    """Type 13: pile with user-defined nonlinear EI; diameter in in / mm."""

    type_code: ClassVar[int] = 13
    length: float = 10.0
    diameter: float = 24.0
    curves: list = field(default_factory=list)


@dataclass
class Micropile(_Section):
    """Type 14: micropile (its length does not lengthen the pile)."""

    type_code: ClassVar[int] = 14
    length: float = 0.0


SECTION_TYPES = {cls.type_code: cls for cls in (
    RectangularConcrete, DrilledShaft, CasedShaft, CasedShaftWithCore, SteelPipe,
    CircularPrestressed, CircularHollowPrestressed, SquarePrestressed,
    SquareHollowPrestressed, OctagonalPrestressed, OctagonalHollowPrestressed,
    ElasticSection, ElasticPlasticSection, UserEISection, Micropile)}


# --------------------------------------------------------------------------- soil layers

@dataclass
class SoilLayer:
    """One soil layer: its p-y model and property values at its top and bottom.

    top, bottom: depths below the pile head in ft (US) / m (SI). Each property is a
    (top, bottom) pair; a single number means the same value at both. Effective
    unit weight `gamma` in pcf (US) / kN/m3 (SI); cohesion in psf / kPa; friction
    angle in degrees; subgrade modulus k in pci / kN/m3; rock strengths and
    moduli in psi / kPa.
    """

    code: ClassVar[int] = 0
    keyword: ClassVar[str] = ""
    properties: ClassVar[tuple] = ()       # property names in file order
    integer_properties: ClassVar[tuple] = ()

    top: float = 0.0
    bottom: float = 0.0

    def pair(self, name):
        v = getattr(self, name)
        if isinstance(v, (tuple, list)):
            if len(v) != 2:
                _fail(f"{type(self).__name__}.{name}", v, "must be one value or a (top, bottom) pair")
            return v[0], v[1]
        return v, v

    def validate(self, where: str):
        _check_finite(f"{where}.top", self.top)
        _check_finite(f"{where}.bottom", self.bottom)
        if self.bottom <= self.top:
            _fail(f"{where}.bottom", self.bottom, f"must lie below the layer top {self.top!r}")
        for name in self.properties:
            for v in self.pair(name):
                if name in self.integer_properties:
                    if isinstance(v, bool) or not isinstance(v, int):
                        _fail(f"{where}.{name}", v, "must be an integer")
                else:
                    _check_finite(f"{where}.{name}", v)
        if "gamma" in self.properties:
            for v in self.pair("gamma"):
                _check_nonnegative(f"{where}.gamma", v)


def _soil(code, keyword, props, ints=(), doc=""):
    def deco(cls):
        cls.code, cls.keyword, cls.properties, cls.integer_properties = code, keyword, props, ints
        cls.__doc__ = f"Model {code} \"{keyword.strip()}\": {doc}"
        return cls
    return deco


@_soil(1, "SoftClay", ("gamma", "cohesion", "eps50"), doc="soft clay (Matlock).")
@dataclass
class SoftClay(SoilLayer):
    gamma: object = 0.0
    cohesion: object = 0.0
    eps50: object = 0.0


@_soil(2, "StfClyBW", ("gamma", "cohesion", "eps50", "k"), doc="stiff clay with free water; k in pci / kN/m3.")
@dataclass
class StiffClayFreeWater(SoilLayer):
    gamma: object = 0.0
    cohesion: object = 0.0
    eps50: object = 0.0
    k: object = 0.0


@_soil(3, "StfClyAW", ("gamma", "cohesion", "eps50"), doc="stiff clay without free water.")
@dataclass
class StiffClayNoFreeWater(SoilLayer):
    gamma: object = 0.0
    cohesion: object = 0.0
    eps50: object = 0.0


@_soil(4, "StfClyAK", ("gamma", "cohesion", "eps50", "k"),
       doc="stiff clay without free water with a given initial modulus k.")
@dataclass
class StiffClayNoFreeWaterK(SoilLayer):
    gamma: object = 0.0
    cohesion: object = 0.0
    eps50: object = 0.0
    k: object = 0.0


@_soil(5, "Sand    ", ("gamma", "phi", "k"), doc="sand (Reese et al.); phi in degrees; k 0 for the default.")
@dataclass
class Sand(SoilLayer):
    gamma: object = 0.0
    phi: object = 30.0
    k: object = 0.0


@_soil(6, "API Sand", ("gamma", "phi", "k"), doc="API sand; phi in degrees; k 0 for the default.")
@dataclass
class APISand(SoilLayer):
    gamma: object = 0.0
    phi: object = 30.0
    k: object = 0.0


@_soil(7, "Liq Sand", ("gamma",), doc="liquefied sand.")
@dataclass
class LiquefiedSand(SoilLayer):
    gamma: object = 0.0


@_soil(8, "WeakRock", ("gamma", "qu", "rock_modulus", "rqd", "krm"),
       doc="weak rock; qu and the initial rock modulus in psi / kPa; RQD in percent.")
@dataclass
class WeakRock(SoilLayer):
    gamma: object = 0.0
    qu: object = 0.0
    rock_modulus: object = 0.0
    rqd: object = 0.0
    krm: object = 0.0005


@_soil(9, "Vuggy LS", ("gamma", "qu"), doc="vuggy limestone; qu in psi / kPa.")
@dataclass
class VuggyLimestone(SoilLayer):
    gamma: object = 0.0
    qu: object = 0.0


@_soil(10, "Piedmont", ("gamma", "test_type", "n60", "qc", "dilatometer_modulus", "pressuremeter_modulus"),
       ("test_type",), doc="Piedmont residual soil; test type 1 SPT, 2 CPT, 3 DMT, 4 PMT.")
@dataclass
class Piedmont(SoilLayer):
    gamma: object = 0.0
    test_type: object = 1
    n60: object = 0.0
    qc: object = 0.0
    dilatometer_modulus: object = 0.0
    pressuremeter_modulus: object = 0.0


@_soil(11, "Cem Silt", ("gamma", "cohesion", "phi", "eps50", "k"), doc="cemented silt (c-phi soil).")
@dataclass
class CementedSilt(SoilLayer):
    gamma: object = 0.0
    cohesion: object = 0.0
    phi: object = 0.0
    eps50: object = 0.0
    k: object = 0.0


@_soil(12, "KS Loess", ("gamma", "qc"), doc="loess; cone tip resistance qc.")
@dataclass
class Loess(SoilLayer):
    gamma: object = 0.0
    qc: object = 0.0


@_soil(13, "Elast SG", ("gamma", "modulus"), doc="elastic subgrade; modulus in pci (US) / kPa (SI).")
@dataclass
class ElasticSubgrade(SoilLayer):
    gamma: object = 0.0
    modulus: object = 0.0


@_soil(14, "User p-y", ("gamma",), doc="user-input p-y curves: (y, p) pairs at the top and the bottom.")
@dataclass
class UserPY(SoilLayer):
    gamma: object = 0.0
    curve_top: list = field(default_factory=list)
    curve_bottom: list = field(default_factory=list)

    def validate(self, where: str):
        super().validate(where)
        for name in ("curve_top", "curve_bottom"):
            if not 1 <= len(getattr(self, name)) <= 30:
                _fail(f"{where}.{name}", len(getattr(self, name)), "needs 1 to 30 (y, p) points")


@_soil(15, "SoftClyJ", ("gamma", "cohesion", "eps50", "J"), doc="soft clay with a user-defined J.")
@dataclass
class SoftClayJ(SoilLayer):
    gamma: object = 0.0
    cohesion: object = 0.0
    eps50: object = 0.0
    J: object = 0.5


@_soil(16, "MassRock", ("gamma", "sigma_ci", "rock_type", "gsi", "rock_mass_modulus"), ("rock_type",),
       doc="massive rock; sigma_ci and rock mass modulus in psi / kPa.")
@dataclass
class MassiveRock(SoilLayer):
    gamma: object = 0.0
    sigma_ci: object = 0.0
    rock_type: object = 1
    gsi: object = 50.0
    rock_mass_modulus: object = 0.0


@_soil(17, "Frz Soil", (), doc="frozen soil (depths only).")
@dataclass
class FrozenSoil(SoilLayer):
    pass


SOIL_MODELS = {cls.code: cls for cls in (
    SoftClay, StiffClayFreeWater, StiffClayNoFreeWater, StiffClayNoFreeWaterK, Sand, APISand,
    LiquefiedSand, WeakRock, VuggyLimestone, Piedmont, CementedSilt, Loess, ElasticSubgrade,
    UserPY, SoftClayJ, MassiveRock, FrozenSoil)}


# --------------------------------------------------------------------------- loads

@dataclass
class HeadLoad:
    """A pile-head load case. axial: thrust along the pile in lb (US) / kN (SI);
    length_study: also compute the head deflection against pile length."""

    load_type: ClassVar[int] = 0
    conditions: ClassVar[tuple] = ()
    axial: float = 0.0
    length_study: bool = False

    def values(self):
        return tuple(getattr(self, n) for n in self.conditions)


def _head(code, names, doc):
    def deco(cls):
        cls.load_type, cls.conditions = code, names
        cls.__doc__ = f"Head load type {code}: {doc}"
        return cls
    return deco


@_head(1, ("shear", "moment"), "shear (lb / kN) and moment (lb-in / kN-m).")
@dataclass
class ShearMoment(HeadLoad):
    shear: float = 0.0
    moment: float = 0.0


@_head(2, ("shear", "slope"), "shear (lb / kN) and head slope (rad; 0 for a fixed head).")
@dataclass
class ShearSlope(HeadLoad):
    shear: float = 0.0
    slope: float = 0.0


@_head(3, ("shear", "rotational_stiffness"), "shear (lb / kN) and rotational restraint (lb-in/rad / kN-m/rad).")
@dataclass
class ShearRotationalStiffness(HeadLoad):
    shear: float = 0.0
    rotational_stiffness: float = 0.0


@_head(4, ("deflection", "moment"), "head deflection (in / m) and moment (lb-in / kN-m).")
@dataclass
class DeflectionMoment(HeadLoad):
    deflection: float = 0.0
    moment: float = 0.0


@_head(5, ("deflection", "slope"), "head deflection (in / m) and slope (rad).")
@dataclass
class DeflectionSlope(HeadLoad):
    deflection: float = 0.0
    slope: float = 0.0


HEAD_LOAD_TYPES = {cls.load_type: cls for cls in (
    ShearMoment, ShearSlope, ShearRotationalStiffness, DeflectionMoment, DeflectionSlope)}

LRFD_LOAD_TYPES = ("DL", "LL", "EQ", "IM", "W", "HW", "Ice", "Hs", "Lr", "Rn", "Sn", "Tm", "Sp")


@dataclass
class LRFDLoadGroup:
    """An unfactored LRFD load group: load type 1..13 (`LRFD_LOAD_TYPES`); shear and
    axial in lb / kN, moment in lb-in / kN-m; distributed (depth, load) points with
    depths in in / m and loads in lb/in / kN/m (none, or 2 to 50)."""

    load_type: int = 1
    shear: float = 0.0
    moment: float = 0.0
    axial: float = 0.0
    distributed: list = field(default_factory=list)


@dataclass
class LRFDCombination:
    """A factored load combination: 13 load factors in the order of `LRFD_LOAD_TYPES`
    and the resistance factors for flexure and shear (0 or less: 0.75)."""

    name: str = ""
    factors: list = field(default_factory=lambda: [0.0] * 13)
    phi_flexure: float = 0.75
    phi_shear: float = 0.75


# --------------------------------------------------------------------------- the problem

@dataclass
class Problem:
    """A whole analysis problem, as the keyword input file describes it.

    title: up to 5 lines. sections: from the pile head down (1 to 20).
    soil_layers: from the top down (at most 40). loads: pile-head load cases
    (at most 100). distributed_load: (depth, intensity) points, depth in in (US) /
    m (SI), intensity in lb/in / kN/m. axial_thrusts: thrusts in lb / kN of the
    EI-only mode (None: no such part). tip_shear: (tip movement, shear) points in
    in and lb / m and kN. slope_angle, batter_angle: degrees (None: no such part).
    py_multipliers: (depth, p-multiplier, y-multiplier). soil_movements: (depth,
    movement) with movements in in / mm. py_depths: depths of the reported p-y
    curves. Depths of multipliers, movements and p-y curves are in ft (US) / m (SI).
    A part that is None is left out of the file (as `read` finds a file without it).
    """

    title: Optional[list] = field(default_factory=lambda: [""] * 5)
    options: Optional[Options] = field(default_factory=Options)
    sections: Optional[list] = field(default_factory=list)
    soil_layers: Optional[list] = field(default_factory=list)
    loads: Optional[list] = field(default_factory=list)
    distributed_load: list = field(default_factory=list)
    axial_thrusts: Optional[list] = None
    tip_shear: Optional[list] = None
    slope_angle: Optional[float] = None
    batter_angle: Optional[float] = None
    py_multipliers: Optional[list] = None
    lrfd_loads: Optional[list] = None
    lrfd_combinations: Optional[list] = None
    soil_movements: Optional[list] = None
    py_depths: Optional[list] = None

    # -- input and output of the keyword file
    @classmethod
    def read(cls, path) -> "Problem":
        """Reads a "TARVEX6" keyword input file."""
        from .keyword_file import read_problem
        with open(path, "r", encoding="latin-1", newline=None) as f:
            return read_problem(f.read(), str(path))

    @classmethod
    def from_text(cls, text: str) -> "Problem":
        from .keyword_file import read_problem
        return read_problem(text, "<text>")

    def to_text(self, validate: bool = True) -> str:
        """The keyword input file of this problem (checked first unless validate=False)."""
        from .keyword_file import write_problem
        if validate:
            self.validate()
        return write_problem(self)

    def write(self, path, validate: bool = True):
        with open(path, "w", encoding="latin-1", newline="\n") as f:
            f.write(self.to_text(validate))

    def copy(self, **changes) -> "Problem":
        """A deep copy, with top-level fields replaced."""
        import copy
        return replace(copy.deepcopy(self), **changes)

    @property
    def pile_length(self) -> float:
        """Total pile length (sum of the section lengths, micropiles excepted), ft / m."""
        return sum(s.length for s in self.sections or [] if s.type_code != 14)

    # -- checks made before the engine is called
    def validate(self):
        """Raises ProblemError naming the field and the value of the first simple fault."""
        for name in ("options", "sections"):
            if getattr(self, name) is None:
                _fail(name, None, "the problem has no such part")
        self.options.validate()
        if self.title is not None and len(self.title) > 5:
            _fail("title", len(self.title), "has at most 5 lines")
        for i, line in enumerate(self.title or []):
            if "\n" in str(line) or "\r" in str(line):
                _fail(f"title[{i}]", line, "must be one line")
            try:
                str(line).encode("latin-1")
            except UnicodeEncodeError:
                _fail(f"title[{i}]", line, "the input file holds Latin-1 characters only")
        if not 1 <= len(self.sections) <= 20:
            _fail("sections", len(self.sections), "a pile needs 1 to 20 sections")
        for i, s in enumerate(self.sections):
            if type(s) not in SECTION_TYPES.values():
                _fail(f"sections[{i}]", s, "is not a pile section record")
            s.validate(f"sections[{i}]")
        response = not self.options.compute_ei_only
        if response and not self.soil_layers:
            _fail("soil_layers", self.soil_layers, "a pile-response analysis needs at least one soil layer")
        if len(self.soil_layers or []) > 40:
            _fail("soil_layers", len(self.soil_layers), "at most 40 layers")
        for i, layer in enumerate(self.soil_layers or []):
            if not isinstance(layer, SoilLayer) or type(layer) is SoilLayer:
                _fail(f"soil_layers[{i}]", layer, "is not a soil layer record")
            layer.validate(f"soil_layers[{i}]")
        if response and not self.options.use_lrfd and not self.loads:
            _fail("loads", self.loads, "a pile-response analysis needs at least one load case")
        if len(self.loads or []) > 100:
            _fail("loads", len(self.loads), "at most 100 load cases")
        for i, load in enumerate(self.loads or []):
            if not isinstance(load, HeadLoad) or type(load) is HeadLoad:
                _fail(f"loads[{i}]", load, "is not a pile-head load record")
            for name in load.conditions + ("axial",):
                _check_finite(f"loads[{i}].{name}", getattr(load, name))
        if len(self.distributed_load) == 1 or len(self.distributed_load) > 50:
            _fail("distributed_load", len(self.distributed_load), "needs none or 2 to 50 points")
        if self.options.use_lrfd:
            if not self.lrfd_loads or len(self.lrfd_loads) > 100:
                _fail("lrfd_loads", self.lrfd_loads, "an LRFD analysis needs 1 to 100 load groups")
            if not self.lrfd_combinations or len(self.lrfd_combinations) > 100:
                _fail("lrfd_combinations", self.lrfd_combinations, "needs 1 to 100 combinations")
        for i, g in enumerate(self.lrfd_loads or []):
            if not 1 <= g.load_type <= 13:
                _fail(f"lrfd_loads[{i}].load_type", g.load_type, "must be 1 to 13")
            if len(g.distributed) == 1 or len(g.distributed) > 50:
                _fail(f"lrfd_loads[{i}].distributed", len(g.distributed), "needs none or 2 to 50 points")
        for i, c in enumerate(self.lrfd_combinations or []):
            if len(c.factors) != 13:
                _fail(f"lrfd_combinations[{i}].factors", c.factors, "needs 13 load factors")
            if sum(c.factors) <= 0:
                _fail(f"lrfd_combinations[{i}].factors", c.factors, "are all zero")
        if self.soil_movements is not None and not 2 <= len(self.soil_movements) <= 100:
            _fail("soil_movements", len(self.soil_movements), "needs 2 to 100 points")
        for name, cap in (("tip_shear", 50), ("py_multipliers", 80), ("py_depths", 100),
                          ("axial_thrusts", 100)):
            v = getattr(self, name)
            if v is not None and len(v) > cap:
                _fail(name, len(v), f"at most {cap} points")
