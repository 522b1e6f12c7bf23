"""Starts Orca (/usr/bin/orca) for a test, with the arguments given as for orca.

Orca's command line is used as it is, except where it offers no way to do what a test needs; there, and only
there, a function of Orca's own script is replaced (each says why).
"""
import builtins
import runpy
import sys

ns = runpy.run_path("/usr/bin/orca", run_name="orca_under_test")
g = ns["main"].__globals__


# --debug-file opens the log block-buffered, and no option changes that: what Orca said would show up in the
# log only kilobytes later, too late for a test that waits for it. The script's `open` is made line-buffered.
def line_buffered_open(file, mode="r", buffering=-1, *args, **kwargs):
    if "w" in mode and buffering == -1:
        buffering = 1
    return builtins.open(file, mode, buffering, *args, **kwargs)


g["open"] = line_buffered_open
# Orca refuses to start while another Orca of the same user runs, and its only way past that, --replace, kills
# the other one: the screen reader of the person running the tests. The script's check finds none.
g["otherOrcas"] = lambda: []
sys.argv = ["orca"] + sys.argv[1:]
sys.exit(g["main"]())
