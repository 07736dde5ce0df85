#!/usr/bin/python3
"""Presses a window's close box: sends it WM_DELETE_WINDOW, as a window
manager does. Usage: close-window.py <window id>"""
import sys

from Xlib import X, display
from Xlib.protocol import event

d = display.Display()
window = d.create_resource_object("window", int(sys.argv[1]))
protocols = d.intern_atom("WM_PROTOCOLS")
delete = d.intern_atom("WM_DELETE_WINDOW")
message = event.ClientMessage(window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
window.send_event(message, event_mask=X.NoEventMask)
# A round trip, not flush(): python-xlib's flush may return with the request
# still unsent, and a loaded machine then lost one close in about thirty.
d.sync()
