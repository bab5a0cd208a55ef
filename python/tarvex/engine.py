"""Running the engine: one analysis at a time in a worker process of its own.

The engine keeps one program-wide store and works in the current directory, so
it never runs in the caller's process: a worker process loads the library once,
works in its own scratch folder (NAMES.DAT, the input file and the three output
files) and calls TGO(6030) for every analysis it is given. The caller's process
and current directory are never touched.
"""
from __future__ import annotations

import atexit
import ctypes
import os
import pickle
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
from dataclasses import dataclass
from pathlib import Path

INTERFACE_VERSION = 6030
LIBRARY_ENV = "TARVEX_LIBRARY"
_LIBRARY_NAMES = ("libtarvex.so", "libtarvex.dylib", "tarvex.dll")

INPUT_NAME = "problem.dat"
REPORT_NAME = "problem.out"
PLOT_NAME = "problem.plt"
MESSAGES_NAME = "problem.msg"


class LibraryNotFound(RuntimeError):
    """The engine library could not be found."""


def find_library() -> str:
    """The engine library: $TARVEX_LIBRARY, else next to this package, else in the
    build tree of the source checkout (build*/lib)."""
    env = os.environ.get(LIBRARY_ENV)
    if env:
        if not os.path.isfile(env):
            raise LibraryNotFound(f"{LIBRARY_ENV}={env} names no file")
        return os.path.abspath(env)  # the workers run in folders of their own
    here = Path(__file__).resolve().parent
    for name in _LIBRARY_NAMES:
        if (here / name).is_file():
            return str(here / name)
    root = here.parent.parent
    candidates = sorted(root.glob("build*/lib/libtarvex.*"), key=lambda p: p.stat().st_mtime, reverse=True)
    for c in candidates:
        if c.suffix in (".so", ".dylib", ".dll"):
            return str(c)
    raise LibraryNotFound(
        f"cannot find the engine library: set {LIBRARY_ENV} to the path of libtarvex.so, "
        f"install it next to the package ({here}), or build it under {root}/build")


@dataclass
class RawRun:
    """What one call of the engine left: its return value and the three output files."""

    status: int
    report: str
    plot: str
    messages: str
    input_text: str


# ----------------------------------------------------------------- inside a worker process

_engine = None  # (CDLL function, scratch folder) of this worker process


def _worker_init(library: str):
    global _engine
    scratch = tempfile.mkdtemp(prefix="tarvex-")
    lib = ctypes.CDLL(library)
    tgo = lib.TGO
    tgo.argtypes = [ctypes.c_int32]
    tgo.restype = ctypes.c_int32
    os.chdir(scratch)
    with open("NAMES.DAT", "w") as f:
        f.write(f"{INPUT_NAME}\n{REPORT_NAME}\n{PLOT_NAME}\n{MESSAGES_NAME}\n")
    atexit.register(shutil.rmtree, scratch, True)
    _engine = (tgo, scratch)


def _read(name: str) -> str:
    try:
        with open(name, "r", encoding="latin-1", newline="") as f:
            return f.read()
    except OSError:
        return ""


def run_text(input_text: str) -> RawRun:
    """Runs one analysis of a keyword-file text in this worker process."""
    tgo, _ = _engine
    for name in (REPORT_NAME, PLOT_NAME, MESSAGES_NAME):
        if os.path.exists(name):
            os.remove(name)
    with open(INPUT_NAME, "w", encoding="latin-1", newline="") as f:
        f.write(input_text)
    status = int(tgo(INTERFACE_VERSION))
    return RawRun(status, _read(REPORT_NAME), _read(PLOT_NAME), _read(MESSAGES_NAME), input_text)


def run_texts(texts) -> list:
    """Runs several analyses one after the other (a chunk of a study); an analysis
    that cannot be started gives its exception in its place."""
    out = []
    for t in texts:
        try:
            out.append(run_text(t))
        except (OSError, ValueError) as e:
            out.append(e)
    return out


# ----------------------------------------------------------------- in the caller's process

class EngineCrashed(RuntimeError):
    """The worker process ended while it ran an analysis."""


class EngineProcess:
    """A long-lived worker process (`python -m tarvex.worker`) that runs analyses in
    its own scratch folder; requests and answers are length-prefixed pickles on
    its standard input and output. It is a plain subprocess, so it can also be
    started from a daemonic process such as a Dask worker."""

    def __init__(self, library: str | None = None):
        self.library = library or find_library()
        self._proc = None
        self._lock = threading.Lock()

    def _start(self):
        package_root = str(Path(__file__).resolve().parent.parent)
        env = dict(os.environ)
        env["PYTHONPATH"] = package_root + (os.pathsep + env["PYTHONPATH"] if env.get("PYTHONPATH") else "")
        self._proc = subprocess.Popen([sys.executable, "-m", "tarvex.worker", self.library],
                                      stdin=subprocess.PIPE, stdout=subprocess.PIPE, env=env,
                                      cwd=tempfile.gettempdir())

    def run_texts(self, texts: list) -> list:
        """Runs the analyses one after the other; EngineCrashed if the worker died."""
        with self._lock:
            if self._proc is None or self._proc.poll() is not None:
                self._start()
            try:
                send(self._proc.stdin, list(texts))
                answer = receive(self._proc.stdout)
            except (OSError, EOFError, pickle.UnpicklingError) as e:
                self._kill()
                raise EngineCrashed("the engine worker process ended during an analysis") from e
        if isinstance(answer, BaseException):
            raise answer
        return answer

    def run_text(self, text: str) -> RawRun:
        answer = self.run_texts([text])[0]
        if isinstance(answer, Exception):
            raise answer
        return answer

    def _kill(self):
        if self._proc is not None:
            try:
                self._proc.kill()
                self._proc.wait(5)
            except OSError:
                pass
            self._proc = None

    def close(self):
        with self._lock:
            if self._proc is not None and self._proc.poll() is None:
                try:
                    self._proc.stdin.close()
                    self._proc.wait(5)
                except (OSError, subprocess.TimeoutExpired):
                    self._kill()
            self._proc = None


def send(stream, obj):
    data = pickle.dumps(obj, protocol=pickle.HIGHEST_PROTOCOL)
    stream.write(struct.pack("<Q", len(data)))
    stream.write(data)
    stream.flush()


def receive(stream):
    head = stream.read(8)
    if len(head) < 8:
        raise EOFError
    (n,) = struct.unpack("<Q", head)
    data = stream.read(n)
    if len(data) < n:
        raise EOFError
    return pickle.loads(data)


_engines: dict = {}
_engines_lock = threading.Lock()


def process_engine() -> EngineProcess:
    """The worker of this process for single analyses (one per library path)."""
    library = find_library()
    with _engines_lock:
        eng = _engines.get(library)
        if eng is None:
            eng = _engines[library] = EngineProcess(library)
        return eng


@atexit.register
def _close_engines():
    for eng in list(_engines.values()):
        eng.close()
