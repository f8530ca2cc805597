"""Runs Orca (/usr/bin/orca) with the arguments given, for a test that reads what it says.

Orca's debug file is block-buffered; here its files are line-buffered, so that what it says can
be read while it runs. Orca also refuses to start beside any other Orca of the same user, on
whatever display; a test's Orca has a display and a bus of its own, so that check is off.
"""

import builtins
import runpy
import sys

plain_open = builtins.open


def line_buffered_open(file, mode="r", buffering=-1, *args, **kwargs):
    if buffering == -1 and "b" not in mode and ("w" in mode or "a" in mode):
        buffering = 1
    return plain_open(file, mode, buffering, *args, **kwargs)


builtins.open = line_buffered_open
sys.argv = ["orca"] + sys.argv[1:]
launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
launcher["main"].__globals__["otherOrcas"] = lambda: []
sys.exit(launcher["main"]())
