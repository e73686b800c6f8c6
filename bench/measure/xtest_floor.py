#!/usr/bin/env python3
"""The floor of press-to-key on the current X display: keys sent through
XTest from rest with nothing of the program in between. Sleeps 50 to 60 ms,
notes "press", sends "a" down and up and flushes; key_clock notes the
arrivals, and analyse.py latency reads both logs as it reads tick_probe's.
With --sync, one question to the server (XSync) comes first, as the
program asks for the foreground window before its first key.

  xtest_floor.py COUNT EVENTS_LOG [--sync]"""
import ctypes
import random
import sys
import time

x = ctypes.CDLL("libX11.so.6")
xt = ctypes.CDLL("libXtst.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
xt.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
d = x.XOpenDisplay(None)
if not d:
    sys.exit("xtest_floor.py: no X display")
code = x.XKeysymToKeycode(d, 0x61)
count, log, sync = int(sys.argv[1]), open(sys.argv[2], "w"), "--sync" in sys.argv
for _ in range(count):
    time.sleep(0.05 + random.random() * 0.01)
    log.write(f"{time.monotonic_ns()} press\n")
    if sync:
        x.XSync(d, 0)
    xt.XTestFakeKeyEvent(d, code, 1, 0)
    xt.XTestFakeKeyEvent(d, code, 0, 0)
    x.XFlush(d)
log.close()
