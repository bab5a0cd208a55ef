"""Tarvex for Python: build pile problems, run them, read results as tables, plot
them, and run studies on one machine or a Dask cluster.

    import tarvex
    problem = tarvex.Problem.read("soft_clay_free_head_us.dat")
    result = tarvex.run(problem)
    result.summary          # one row per load case
    result.plot_response()  # deflection, moment, shear and soil reaction

Needs numpy and pandas; matplotlib for the plots and Dask (distributed) for
cluster studies are imported when first used.
"""
from .problem import *  # noqa: F401,F403
from .problem import __all__ as _problem_names
from .keyword_file import InputFileError
from .result import EngineError, Result
from .engine import LibraryNotFound, find_library
from .api import run, run_many, sweep, Sweep

__version__ = "0.1"
__all__ = _problem_names + ["InputFileError", "EngineError", "Result", "LibraryNotFound", "find_library",
                            "run", "run_many", "sweep", "Sweep"]
