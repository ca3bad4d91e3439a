#!/usr/bin/env python3
"""Black-box check of the game program (client window with its embedded host).

The program runs under a virtual display (xvfb-run) and is driven over TCP:
scripted players join the host of a hosting or solo copy, and a scripted host
receives a joining copy and feeds it every host message, hostile ones too.
Where the window must be operated (typing answers, clicking vote pictures)
xdotool acts on the virtual display. Any sanitizer report in the program's
error output is a failure.

Usage:
    python3 tools/clientcheck.py build/<dir>/bin/lexiburst [--second-ms 100]
                                 [--only NAME ...] [--keep] [--verbose]
    python3 tools/clientcheck.py build/<dir>/bin/lexiburst --measure-idle 30
        (CPU seconds and resident memory of an idle solo game; use a release build)
Scenarios: hosting, solo, joining, latejoin, hostile, full, hostclose, beside,
    spectator, portbusy, second, params.
"beside" runs lexiburst-host from the same folder as the program. Exit status 0
when every check passed. Needs xvfb-run and xdotool; standard library only.
"""
import argparse
import os
import sys
import time

sys.dont_write_bytecode = True

from blackbox import report  # noqa: E402 (after the bytecode switch)
from blackbox import joinscenarios, windowscenarios  # noqa: E402
from blackbox.peers import in_seat1, sign_in  # noqa: E402
from blackbox.program import Program  # noqa: E402
from blackbox.report import fail  # noqa: E402
from blackbox.wire import free_port  # noqa: E402

SCENARIOS = {
    "hosting": windowscenarios.scenario_hosting,
    "solo": windowscenarios.scenario_solo,
    "joining": joinscenarios.scenario_joining,
    "latejoin": joinscenarios.scenario_latejoin,
    "hostile": joinscenarios.scenario_hostile,
    "full": joinscenarios.scenario_full,
    "hostclose": joinscenarios.scenario_hostclose,
    "beside": windowscenarios.scenario_beside,
    "spectator": joinscenarios.scenario_spectator,
    "portbusy": windowscenarios.scenario_portbusy,
    "second": windowscenarios.scenario_second,
    "params": windowscenarios.scenario_params,
}


def measure_idle(seconds):
    port = free_port()
    prog = Program([], port, "idle")
    try:
        prog.choose_solo()
        bob = sign_in(port, "Bob", "idle/Bob")
        bob.expect(in_seat1, 15, "the player in seat 1")
        bob.sock.close()
        time.sleep(3)
        pid = prog.game_pid()
        if not pid:
            fail("idle: game process not found")
            return

        def cpu():
            fields = open("/proc/%d/stat" % pid).read().rsplit(")", 1)[1].split()
            return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

        def rss():
            for line in open("/proc/%d/status" % pid):
                if line.startswith("VmRSS"):
                    return line.split(":")[1].strip()
        c0, t0 = cpu(), time.monotonic()
        time.sleep(seconds)
        c1, t1 = cpu(), time.monotonic()
        print("idle solo game: %.2f CPU s over %.1f s (%.1f %%), VmRSS %s" %
              (c1 - c0, t1 - t0, 100 * (c1 - c0) / (t1 - t0), rss()))
    finally:
        prog.stop()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--second-ms", type=int, default=100)
    parser.add_argument("--only", nargs="*")
    parser.add_argument("--keep", action="store_true")
    parser.add_argument("--verbose", action="store_true")
    parser.add_argument("--measure-idle", type=float)
    args = parser.parse_args()
    args.program = os.path.abspath(args.program)
    report.use_arguments(args)
    if args.measure_idle:
        measure_idle(args.measure_idle)
    else:
        report.run_scenarios(SCENARIOS, args.only)
    return report.summary()


if __name__ == "__main__":
    sys.exit(main())
