"""The engine worker process: `python -m tarvex.worker LIBRARY`.

Loads the engine library once, works in a scratch folder of its own, and answers
each request (a list of keyword-file texts) with the list of its runs."""
import os
import sys

from . import engine


def main(argv=None):
    argv = sys.argv[1:] if argv is None else argv
    # The answers get a descriptor of their own; whatever the engine itself writes
    # to the standard output (before its run files are open) goes nowhere.
    stdin = sys.stdin.buffer
    stdout = os.fdopen(os.dup(1), "wb")
    devnull = os.open(os.devnull, os.O_WRONLY)
    os.dup2(devnull, 1)
    os.close(devnull)
    sys.stdout = sys.stderr
    try:
        engine._worker_init(argv[0])
        broken = None
    except (OSError, AttributeError) as e:  # no loadable library with TGO: say so to every request
        broken = engine.LibraryNotFound(f"the engine worker cannot load {argv[0]}: {e}")
    while True:
        try:
            texts = engine.receive(stdin)
        except EOFError:
            return 0
        try:
            answer = broken or engine.run_texts(texts)
        except Exception as e:  # an answer, not a dead worker
            answer = e
        engine.send(stdout, answer)


if __name__ == "__main__":
    sys.exit(main())
