#!/usr/bin/python3
"""Runs the installed Orca for a test: its debug file written line by line, so that
the test reads what Orca said as soon as it says it (Orca leaves the file
block-buffered, and its last lines would wait for kilobytes more); and beside any
other Orca of the same user, which Orca refuses, though this one has a private
session bus and display of its own. Arguments go to Orca."""
import builtins
import runpy
import sys

real_open = builtins.open


def line_buffered_open(file, mode="r", buffering=-1, *args, **kwargs):
    if buffering == -1 and "w" in mode and "b" not in mode:
        buffering = 1
    return real_open(file, mode, buffering, *args, **kwargs)


builtins.open = line_buffered_open
sys.argv = ["/usr/bin/orca"] + sys.argv[1:]
orca = runpy.run_path("/usr/bin/orca", run_name="orca_for_a_test")
orca["main"].__globals__["otherOrcas"] = lambda: []
sys.exit(orca["main"]())
