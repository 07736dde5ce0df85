#!/usr/bin/python3
"""What the X server and the window manager say of one client window.
Usage: window-state.py <window id> [frame]
With "frame": the outer frame's "x y width height" only. Otherwise one line:
frame and client geometry, _NET_FRAME_EXTENTS, how far the frame's and the
client's centres lie from the screen's, _NET_WM_STATE, whether the window is
the active one and holds the input focus, and its place in the stacking
order (last is on top)."""
import sys

from Xlib import X, display

d = display.Display()
root = d.screen().root
window = d.create_resource_object("window", int(sys.argv[1], 0))


def prop(win, name):
    p = win.get_full_property(d.intern_atom(name), X.AnyPropertyType)
    return list(p.value) if p else []


# The frame is the ancestor that is a child of the root (the window itself
# when nothing reparented it).
frame = window
while frame.query_tree().parent.id != root.id:
    frame = frame.query_tree().parent
fg = frame.get_geometry()
fw, fh = fg.width + 2 * fg.border_width, fg.height + 2 * fg.border_width
if sys.argv[2:] == ["frame"]:
    print(fg.x, fg.y, fw, fh)
    sys.exit(0)

origin = root.translate_coords(window, 0, 0)
cg = window.get_geometry()
sw, sh = d.screen().width_in_pixels, d.screen().height_in_pixels
states = [d.get_atom_name(a).replace("_NET_WM_STATE_", "") for a in prop(window, "_NET_WM_STATE")]
active = prop(root, "_NET_ACTIVE_WINDOW")
focus = d.get_input_focus().focus
stack = prop(root, "_NET_CLIENT_LIST_STACKING")
print(f"frame={fg.x},{fg.y} {fw}x{fh} client={origin.x},{origin.y} {cg.width}x{cg.height}",
      f"extents={','.join(map(str, prop(window, '_NET_FRAME_EXTENTS'))) or '-'}",
      f"frame_off={fg.x + fw / 2 - sw / 2:+.1f},{fg.y + fh / 2 - sh / 2:+.1f}",
      f"client_off={origin.x + cg.width / 2 - sw / 2:+.1f},{origin.y + cg.height / 2 - sh / 2:+.1f}",
      f"states={','.join(states) or '-'}",
      f"active={'yes' if active[:1] == [window.id] else 'no'}",
      f"focus={'yes' if getattr(focus, 'id', focus) in (window.id, frame.id) else 'no'}",
      f"stack={stack.index(window.id) + 1 if window.id in stack else '-'}/{len(stack)}")
