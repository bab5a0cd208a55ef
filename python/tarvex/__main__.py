"""Command line: `python3 -m tarvex run FILE [--plots DIR]`.

Runs the problem input file FILE, prints the summary of its load cases (or the
error that stopped it), and with --plots writes the figures that its results
allow into DIR as PNG files."""
import argparse
import os
import sys

from . import api
from .result import EngineError


def main(argv=None) -> int:
    parser = argparse.ArgumentParser(prog="python3 -m tarvex", description=__doc__.splitlines()[0])
    sub = parser.add_subparsers(dest="command", required=True)
    run = sub.add_parser("run", help="run a problem input file")
    run.add_argument("file")
    run.add_argument("--plots", metavar="DIR", help="write the figures into DIR")
    args = parser.parse_args(argv)
    try:
        result = api.run(args.file)
    except EngineError as e:
        print(f"The analysis stopped on {e.kind} error {e.number}.\n\n{e.block}", file=sys.stderr)
        return 1
    except (OSError, ValueError) as e:
        print(f"tarvex: {e}", file=sys.stderr)
        return 2
    print(result.summary.to_string())
    for w in result.warnings:
        print("\n" + w)
    if args.plots:
        os.makedirs(args.plots, exist_ok=True)
        import matplotlib
        matplotlib.use("Agg")
        figures = (("response", result.plot_response), ("py_curves", result.plot_py_curves),
                   ("moment_curvature", result.plot_moment_curvature),
                   ("length_study", result.plot_length_study))
        for name, draw in figures:
            path = os.path.join(args.plots, name + ".png")
            try:
                draw(save=path)
            except ValueError:
                continue  # the run wrote no records for this figure
            print(path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
