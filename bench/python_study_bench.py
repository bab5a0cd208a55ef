"""Speed of a study through the Python package against bare calls of the engine.

Runs N variants of the typical example (examples/soft_clay_free_head_us.dat, the
head shear varied from 10 to 20 kips) two ways on two processes:

1. bare: a small C++ program calls TGO on each input file in a loop (the files
   are written beforehand); two such programs run at once, each on half;
2. package: tarvex.run_many on a local pool of two workers, from the Problems
   to the table of results (writing the input text, the worker's round trip, the
   three output files read back, the summary table built).

and prints analyses per second of each. Run it with the interpreter that has the
package's modules, after building the library:

    /usr/bin/python3 bench/python_study_bench.py [--count 2000] [--library build/lib/libtarvex.so]
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "python"))

LOOP_SOURCE = r"""
#include <cstdio>
#include <fstream>
#include <string>
#include "tarvex/tarvex.h"
// Calls TGO once per input file named in the arguments, in the current folder.
int main(int argc, char** argv) {
    int failed = 0;
    for (int i = 1; i < argc; ++i) {
        {
            std::ofstream names("NAMES.DAT", std::ios::trunc);
            names << argv[i] << "\nrun.out\nrun.plt\nrun.msg\n";
        }
        if (TGO(6030) > 0) ++failed;
    }
    std::printf("%d\n", failed);
    return 0;
}
"""


def build_loop(work: Path, library: Path) -> Path:
    src = work / "tgo_loop.cpp"
    src.write_text(LOOP_SOURCE)
    exe = work / "tgo_loop"
    subprocess.run(["c++", "-O2", "-std=c++17", str(src), "-I", str(ROOT / "include"), str(library),
                    f"-Wl,-rpath,{library.parent}", "-o", str(exe)], check=True)
    return exe


def bare_rate(texts, exe: Path, work: Path, processes: int = 2) -> float:
    folders = []
    for p in range(processes):
        d = work / f"bare{p}"
        d.mkdir()
        names = []
        for k, text in enumerate(texts[p::processes]):
            (d / f"in{k}.dat").write_text(text)
            names.append(f"in{k}.dat")
        folders.append((d, names))
    t0 = time.perf_counter()
    procs = [subprocess.Popen([str(exe)] + names, cwd=d, stdout=subprocess.PIPE) for d, names in folders]
    failed = sum(int(p.communicate()[0]) for p in procs)
    elapsed = time.perf_counter() - t0
    assert failed == 0, f"{failed} bare runs failed"
    return len(texts) / elapsed


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--count", type=int, default=2000)
    ap.add_argument("--library", default=str(ROOT / "build" / "lib" / "libtarvex.so"))
    args = ap.parse_args()
    library = Path(args.library).resolve()
    os.environ["TARVEX_LIBRARY"] = str(library)
    import tarvex

    base = tarvex.Problem.read(ROOT / "examples" / "soft_clay_free_head_us.dat")
    n = args.count
    problems = tarvex.sweep(base, shear=[10000.0 + 10000.0 * k / (n - 1) for k in range(n)])
    texts = [p.to_text() for p in problems]

    work = Path(tempfile.mkdtemp(prefix="tarvex-bench-"))
    try:
        exe = build_loop(work, library)
        bare = bare_rate(texts, exe, work)
        t0 = time.perf_counter()
        first = tarvex.run_many(problems, workers=2, progress=False)
        cold = n / (time.perf_counter() - t0)
        t0 = time.perf_counter()
        table = tarvex.run_many(problems, workers=2, progress=False)
        warm = n / (time.perf_counter() - t0)
        assert (first["error"] == "").all() and (table["error"] == "").all()
        assert table["head_deflection_in"].is_monotonic_increasing
    finally:
        shutil.rmtree(work, ignore_errors=True)

    print(f"analyses: {n} variants of the typical example, 2 processes")
    print(f"bare TGO loop:            {bare:8.1f} analyses/s")
    print(f"run_many, workers started: {cold:8.1f} analyses/s ({cold / bare:.0%} of bare)")
    print(f"run_many, warm pool:       {warm:8.1f} analyses/s ({warm / bare:.0%} of bare)")


if __name__ == "__main__":
    main()
