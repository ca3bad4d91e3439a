#!/usr/bin/env python3
"""Black-box check of the stand-alone host over TCP, byte for byte.

Scripted players connect, sign in, chat, start games of both types, answer,
vote and misbehave; every message the host sends is compared with what the
protocol prescribes (texts, order, receivers, phase times, scores, winner).

Usage (each scenario starts its own host on a free port):
    python3 tools/hostcheck.py build/<dir>/bin/lexiburst-host [--second-ms 50]
                               [--only NAME ...] [--verbose]
Exit status 0 when every check passed; failures are listed at the end, with
the spread of the measured phase times. The players acknowledge every read at
once (TCP_QUICKACK); --delayed-acks leaves the system's delayed
acknowledgements on, which shows whether the host's small messages wait for
them (Nagle). Standard library only.
"""
import argparse
import sys

sys.dont_write_bytecode = True

from blackbox import report  # noqa: E402 (after the bytecode switch)
from blackbox.hostgame import DEVIATIONS  # noqa: E402
from blackbox.hostscenarios import SCENARIOS  # noqa: E402


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("binary")
    ap.add_argument("--second-ms", type=int, default=50)
    ap.add_argument("--tolerance", type=float, default=0.75, help="game seconds")
    ap.add_argument("--only", nargs="*")
    ap.add_argument("--verbose", action="store_true")
    ap.add_argument("--delayed-acks", action="store_true",
                    help="leave the system's delayed acknowledgements on, as most clients do")
    report.use_arguments(ap.parse_args())
    report.run_scenarios(SCENARIOS, report.ARGS.only)
    if DEVIATIONS:
        devs = [d for d, _ in DEVIATIONS]
        print("%d timed steps: deviation %.2f to %.2f game s, mean %.2f"
              % (len(devs), min(devs), max(devs), sum(devs) / len(devs)))
    return report.summary()


if __name__ == "__main__":
    sys.exit(main())
