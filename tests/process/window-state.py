#!/usr/bin/python3
"""Prints "x y width height" of a client window's outer frame on the screen:
the ancestor that is a child of the root, the window itself when no window
manager reparented it. Usage: window-state.py <window id>"""
import sys

from Xlib import display

d = display.Display()
root = d.screen().root
frame = d.create_resource_object("window", int(sys.argv[1], 0))
while frame.query_tree().parent.id != root.id:
    frame = frame.query_tree().parent
g = frame.get_geometry()
print(g.x, g.y, g.width + 2 * g.border_width, g.height + 2 * g.border_width)
