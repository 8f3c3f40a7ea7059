#!/usr/bin/python3
"""Runs the installed Orca with its debug file written line by line, so that a test
can read what Orca said as soon as it says it (Orca leaves the file block-buffered:
its last lines would wait for kilobytes more). Arguments go to Orca."""
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
runpy.run_path("/usr/bin/orca", run_name="__main__")
