"""Starts Orca (/usr/bin/orca) for a test, with the arguments given as for orca.

Two changes to Orca as installed, both needed for a test that reads Orca's debug log beside other tests:
- the debug log is line-buffered (Orca opens it block-buffered, so what Orca says shows up in the log only
  kilobytes later, too late for a test that waits for it);
- Orca starts even while another Orca of the same user runs (it refuses to, and renames its process to
  "orca" so that the next one would find it).
"""
import builtins
import runpy
import sys

ns = runpy.run_path("/usr/bin/orca", run_name="orca_under_test")
g = ns["main"].__globals__


def line_buffered_open(file, mode="r", buffering=-1, *args, **kwargs):
    if "w" in mode and buffering == -1:
        buffering = 1
    return builtins.open(file, mode, buffering, *args, **kwargs)


g["open"] = line_buffered_open
g["otherOrcas"] = lambda: []
g["setProcessName"] = lambda name: None
sys.argv = ["orca"] + sys.argv[1:]
sys.exit(g["main"]())
