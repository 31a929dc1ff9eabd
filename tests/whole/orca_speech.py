"""Runs the screen reader Orca with its debug log written line by line to LOG, so that a test
reads what it speaks (its "SPEECH OUTPUT" lines) as it speaks it, and with no speech server: the
log is all a test needs, and no synthesizer or speech-dispatcher daemon is started.
  orca_speech.py LOG [ORCA-OPTION...]
Orca refuses to start while any Orca of the same user runs anywhere on the machine; this one
speaks only on the test's own display and buses, so another user session's Orca is no rival."""

import runpy
import sys

# Orca's speech falls back to logging alone when its speech-dispatcher module cannot be loaded.
sys.modules["speechd"] = None

from orca import debug  # noqa: E402

log = sys.argv[1]
debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
# Orca opens its own debug file fully buffered; this one is written line by line.
debug.debugFile = open(log, "w", buffering=1, encoding="utf-8")
sys.argv = ["orca", *sys.argv[2:]]
launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
launcher["main"].__globals__["otherOrcas"] = lambda: []
sys.exit(launcher["main"]())
