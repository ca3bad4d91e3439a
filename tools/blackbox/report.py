"""The checkers' tally: every check counts, every failure is printed and kept for the end."""

import argparse
import traceback

# The command line of the running checker; its main fills it in before any scenario runs.
ARGS = argparse.Namespace(verbose=False)
FAILURES = []
CHECKS = [0]


def fail(what):
    FAILURES.append(what)
    print("FAIL:", what, flush=True)


def check(cond, what):
    CHECKS[0] += 1
    if not cond:
        fail(what)
    elif ARGS.verbose:
        print("ok:", what)
    return cond


def check_eq(got, want, what):
    CHECKS[0] += 1
    if got != want:
        fail("%s\n   got:  %r\n   want: %r" % (what, got, want))
        return False
    if ARGS.verbose:
        print("ok:", what, repr(got)[:120])
    return True


SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error")


def check_no_sanitizer_report(text, where):
    """A sanitizer report in a program's output is a failure; it shows the report's start."""
    found = [text.index(mark) for mark in SANITIZER_MARKS if mark in text]
    if found:
        start = min(found)
        fail("sanitizer report in %s:\n%s" % (where, text[max(0, start - 200):start + 3000]))


def use_arguments(parsed):
    vars(ARGS).update(vars(parsed))


def run_scenarios(scenarios, only):
    """Runs each scenario (or those named in only); one that raises is a failure, the rest still run."""
    for name, scenario in scenarios.items():
        if only and name not in only:
            continue
        print("==", name, flush=True)
        before = len(FAILURES)
        try:
            scenario()
        except Exception as error:
            traceback.print_exc()
            fail("%s: exception %r" % (name, error))
        print("== %s: %s" % (name, "ok" if len(FAILURES) == before else "%d failures" % (len(FAILURES) - before)))


def summary():
    """Prints the tally and gives the exit status."""
    print("%d checks, %d failures" % (CHECKS[0], len(FAILURES)))
    return 1 if FAILURES else 0
