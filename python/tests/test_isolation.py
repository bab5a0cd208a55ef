"""What the package needs and what it survives: import without the optional
modules, and an analysis that kills its worker process."""
import subprocess
import sys
import textwrap

import pytest

import tarvex
from conftest import EXAMPLES, ROOT


def test_import_and_run_without_matplotlib_and_dask():
    script = textwrap.dedent(f"""
        import sys
        sys.modules["matplotlib"] = None    # as if they were not installed
        sys.modules["distributed"] = None
        sys.path.insert(0, {str(ROOT / "python")!r})
        import tarvex
        r = tarvex.run({str(EXAMPLES / "soft_clay_free_head_us.dat")!r})
        print(r.summary.loc[1, "head_shear_lb"])
        try:
            r.plot_response()
        except ImportError as e:
            print(e)
    """)
    out = subprocess.run([sys.executable, "-c", script], capture_output=True, text=True, timeout=120)
    assert out.returncode == 0, out.stderr
    assert out.stdout.splitlines() == ["15000.0", "tarvex plots need matplotlib: install python3-matplotlib"]


CRASHING_ENGINE = r"""
#include <cstdlib>
#include <fstream>
#include <string>
// Stands in for the engine: aborts on an input file whose first line says so.
extern "C" int TGO(int) {
    std::ifstream in("problem.dat");
    std::string first;
    std::getline(in, first);
    if (first == "CRASH") std::abort();
    std::ofstream("problem.plt") << "    1" << std::string(75, ' ') << "Line 2 : Total number of sections\n";
    return 0;
}
"""


def test_an_analysis_that_kills_its_worker_stops_no_other(tmp_path, monkeypatch):
    source = tmp_path / "crashing.cpp"
    source.write_text(CRASHING_ENGINE)
    library = tmp_path / "libcrashing.so"
    try:
        subprocess.run(["c++", "-shared", "-fPIC", str(source), "-o", str(library)], check=True, timeout=120)
    except (OSError, subprocess.CalledProcessError):
        pytest.skip("no C++ compiler")
    inputs = []
    for k, first in enumerate(["fine", "CRASH", "fine", "fine"]):
        inputs.append(tmp_path / f"in{k}.dat")
        inputs[-1].write_text(first + "\n")
    monkeypatch.setenv("TARVEX_LIBRARY", str(library))
    table = tarvex.run_many(inputs, workers=2, chunksize=2, progress=False)
    assert table["status"].tolist()[:1] + table["status"].tolist()[2:] == [0, 0, 0]
    assert table["error"].tolist() == ["", "engine: the engine worker process ended during an analysis", "", ""]
    assert table["result"][3].plot.first(2).values == {"sections": 1}
