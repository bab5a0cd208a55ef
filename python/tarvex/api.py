"""Running analyses: one (`run`), many on a local pool or a Dask cluster
(`run_many`), and the problems of a parametric study (`sweep`)."""
from __future__ import annotations

import atexit
import copy
import itertools
import os
import queue
import re
import threading
from concurrent.futures import ThreadPoolExecutor, as_completed

from . import engine
from .problem import Problem, ProblemError
from .result import EngineError, Result


def _input_text(item):
    """(keyword-file text, Problem or None) of a Problem or of a path."""
    if isinstance(item, Problem):
        return item.to_text(), item
    if isinstance(item, (str, os.PathLike)):
        with open(item, "r", encoding="latin-1", newline="") as f:
            return f.read(), None
    raise TypeError(f"expected a tarvex.Problem or the path of an input file, got {type(item).__name__}")


def _result(raw: engine.RawRun, problem=None) -> Result:
    return Result(raw.status, raw.report, raw.plot, raw.messages, raw.input_text, problem)


def run(problem_or_path, check: bool = True) -> Result:
    """Runs one analysis in a worker process of its own and returns its Result.

    An error stop raises EngineError (number, kind, block; the result is on it)
    unless check is False. Warnings are on the result (`status`, `warnings`).
    """
    text, problem = _input_text(problem_or_path)
    result = _result(engine.process_engine().run_text(text), problem)
    if check:
        result.raise_for_error()
    return result


# ----------------------------------------------------------------- studies

class _LocalPool:
    """Long-lived engine workers of this process, one per slot, each driven by a
    thread of the caller that prepares the inputs and reads the results of its
    chunk while the other workers compute."""

    def __init__(self, workers: int):
        self.workers = workers
        self.engines = queue.Queue()
        self._all = [engine.EngineProcess() for _ in range(workers)]
        for e in self._all:
            self.engines.put(e)
        self.threads = ThreadPoolExecutor(max_workers=workers, thread_name_prefix="tarvex")

    def run_chunk(self, texts):
        eng = self.engines.get()
        try:
            try:
                return eng.run_texts(texts)
            except engine.EngineCrashed:
                out = []  # find the analysis that killed the worker, keep the others
                for t in texts:
                    try:
                        out.append(eng.run_text(t))
                    except engine.EngineCrashed as e:
                        out.append(e)
                return out
        finally:
            self.engines.put(eng)

    def close(self):
        self.threads.shutdown(wait=True)
        for e in self._all:
            e.close()


_pools: dict = {}
_pools_lock = threading.Lock()


@atexit.register
def _close_pools():
    for pool in list(_pools.values()):
        pool.close()


def _local_pool(workers: int) -> _LocalPool:
    with _pools_lock:
        key = (workers, engine.find_library())
        pool = _pools.get(key)
        if pool is None:
            pool = _pools[key] = _LocalPool(workers)
        return pool


def _progress(total, enabled):
    if not enabled or total < 2:
        return None
    try:
        from tqdm.auto import tqdm
    except ImportError:
        return None
    return tqdm(total=total, unit="analysis", leave=False)


def _prepare(item):
    """(text, problem, None) of an item, or (None, None, error text)."""
    try:
        text, prob = _input_text(item)
        return text, prob, None
    except (ProblemError, OSError) as e:
        return None, None, f"problem: {e}"


def _finish(raw, prob, error):
    """(Result or None, error text, summary of the first load case) of one analysis."""
    if error is not None:
        return None, error, {}
    if isinstance(raw, Exception):
        return None, f"engine: {raw}", {}
    res = _result(raw, prob)
    err = res.error
    return res, (_error_text(err) if err is not None else ""), res.case_summary(1)


def _local_chunk(pool, items):
    prepared = [_prepare(item) for item in items]
    texts = [t for t, _, e in prepared if e is None]
    raws = iter(pool.run_chunk(texts) if texts else [])
    return [_finish(next(raws) if e is None else None, p, e) for _, p, e in prepared]


def _run_local(items, workers, progress, chunksize):
    workers = workers or os.cpu_count() or 1
    pool = _local_pool(workers)
    if chunksize is None:
        chunksize = max(1, min(32, len(items) // (workers * 8)))
    out = [None] * len(items)
    bar = _progress(len(items), progress)
    futures = {pool.threads.submit(_local_chunk, pool, items[i:i + chunksize]): i
               for i in range(0, len(items), chunksize)}
    for fut in as_completed(futures):
        i = futures[fut]
        done = fut.result()
        out[i:i + len(done)] = done
        if bar:
            bar.update(len(done))
    if bar:
        bar.close()
    return out


def _dask_task(text: str):
    """A Dask task: one analysis in the engine worker of the Dask worker's process."""
    try:
        return engine.process_engine().run_texts([text])[0]
    except engine.EngineCrashed as e:
        return e


def _run_dask(client, items, progress):
    try:
        from distributed import as_completed as dask_completed
    except ImportError as e:  # pragma: no cover - needs a client, so Dask is there
        raise ImportError("run_many(client=...) needs Dask: install python3-distributed") from e
    prepared = [_prepare(item) for item in items]
    runnable = [k for k, (_, _, e) in enumerate(prepared) if e is None]
    futures = client.map(_dask_task, [prepared[k][0] for k in runnable], pure=False)
    position = {f.key: k for k, f in zip(runnable, futures)}
    bar = _progress(len(futures), progress)
    out = [_finish(None, None, e) if e is not None else None for _, _, e in prepared]
    for fut in dask_completed(futures):
        k = position[fut.key]
        out[k] = _finish(fut.result(), prepared[k][1], None)
        if bar:
            bar.update(1)
    if bar:
        bar.close()
    return out


def _error_text(err: EngineError) -> str:
    lines = [ln.strip() for ln in err.block.splitlines()[1:] if ln.strip()]
    text = f"{err.kind} error {err.number}"
    return text + (": " + " ".join(lines) if lines else "")


def run_many(problems, workers=None, client=None, progress=True, chunksize=None):
    """Runs many analyses and returns one row per problem, in the order given.

    problems: Problems or paths of input files (a `sweep` adds its parameters as
    the first columns). Locally the analyses run on `workers` long-lived worker
    processes (one per core by default); with a `dask.distributed.Client` they
    run as tasks on its cluster. A failed analysis never stops the others: its
    `error` column holds the error, empty for a normal end. The other columns are
    the summary of the first load case, `status` (the engine's return value) and
    `result` (the full Result). On a cluster the package must be importable by
    the workers and find the engine library there (TARVEX_LIBRARY or installed).
    """
    import pandas as pd
    items = list(problems)
    params = getattr(problems, "parameters", None)
    if client is not None:
        done = _run_dask(client, items, progress)
    else:
        done = _run_local(items, workers, progress, chunksize) if items else []
    rows = []
    for k, (res, error, summary) in enumerate(done):
        row = dict(params[k]) if params is not None else {}
        row.update(summary)
        row["status"] = res.status if res is not None else None
        row["error"] = error
        row["result"] = res
        rows.append(row)
    df = pd.DataFrame(rows, columns=None if rows else ["status", "error", "result"])
    front = [c for c in df.columns if c not in ("status", "error", "result")]
    return df[front + ["status", "error", "result"]]


# ----------------------------------------------------------------- parametric studies

class Sweep(list):
    """The problems of a parametric study; `parameters` holds the values of each."""

    parameters: list


_SHORTCUTS = {
    "pile_length": "the total pile length (the last section is lengthened or shortened)",
    "shear": "the head shear of every load case that has one",
    "moment": "the head moment of every load case that has one",
    "deflection": "the head deflection of every load case that has one",
    "axial": "the axial thrust of every load case",
}


def _set_path(obj, path: str, value):
    """Sets an attribute path such as "sections[0].length" or "soil_layers[*].cohesion"."""
    parts = re.findall(r"\[(\*|-?\d+)\]|\.?([A-Za-z_]\w*)", path)
    targets = [obj]
    for n, (index, name) in enumerate(parts):
        last = n == len(parts) - 1
        nxt = []
        for t in targets:
            if name:
                if last:
                    if not hasattr(t, name):
                        raise ProblemError(f"{path}: {type(t).__name__} has no field {name!r}")
                    setattr(t, name, value)
                else:
                    nxt.append(getattr(t, name))
            elif index == "*":
                nxt.extend(t)
            else:
                nxt.append(t[int(index)])
        targets = nxt
    if parts and not parts[-1][1]:
        raise ProblemError(f"{path}: must end with a field name")


def _apply(problem: Problem, name: str, value):
    if name == "pile_length":
        body = [s for s in problem.sections if s.type_code != 14]
        rest = problem.pile_length - body[-1].length
        if value - rest <= 0:
            raise ProblemError(f"pile_length = {value!r}: shorter than the sections above the last one")
        body[-1].length = value - rest
    elif name in ("shear", "moment", "deflection"):
        for load in problem.loads:
            if name in load.conditions:
                setattr(load, name, value)
    elif name == "axial":
        for load in problem.loads:
            load.axial = value
    else:
        _set_path(problem, name.replace("__", "."), value)


def sweep(problem: Problem, ranges: dict | None = None, **named) -> Sweep:
    """The problems of a parametric study: every combination of the values given.

    Names are shortcuts (pile_length, shear, moment, deflection, axial) or
    attribute paths of the problem, given in `ranges` ({"soil_layers[0].cohesion":
    [...]}) or as keywords with "__" for "." (options__increments=[...]).
    The first name varies slowest.
    """
    axes = dict(ranges or {})
    axes.update(named)
    names = list(axes)
    out = Sweep()
    out.parameters = []
    for combo in itertools.product(*(list(axes[n]) for n in names)):
        p = copy.deepcopy(problem)
        for name, value in zip(names, combo):
            _apply(p, name, value)
        out.append(p)
        out.parameters.append(dict(zip(names, combo)))
    return out

