"""Check counting shared by the outside-peer scripts: each check prints one line; the run's closing
line is "N passed, N failed" and the exit status is 0 only when every check passed."""
import os
import sys

failures = []
passes = 0


def check(name, ok, detail=""):
    global passes
    if ok:
        passes += 1
        print("ok   " + name)
    else:
        failures.append(name)
        print("FAIL " + name + " " + str(detail))


def exception_code(r):
    return getattr(r, "exception_code", None) if r is not None and r.isError() else None


def finish():
    print("%d passed, %d failed" % (passes, len(failures)))
    sys.exit(1 if failures else 0)


def program_command(path):
    """The command that starts the program at `path`: under RVK_EMULATOR (qemu-arm) in a cross build."""
    return os.environ.get("RVK_EMULATOR", "").split() + [path]
