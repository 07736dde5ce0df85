#!/usr/bin/python3
"""Reads the program's windows the way a screen reader does, over AT-SPI,
from outside the process, and drives it with real key presses. Run by
accessibility.sh inside a private X server and session bus.

Usage: accessibility.py <pid of the program> <file the stand-in browser writes> <window title>"""
import subprocess
import sys
import time

import pyatspi

pid = int(sys.argv[1])
opened_file = sys.argv[2]
title = sys.argv[3]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def retry(find, what, seconds=15, tries=1, again=None):
    """Poll for what find() returns; between tries, again() acts once more."""
    for attempt in range(tries):
        if attempt:
            again()
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            found = find()
            if found:
                return found
            time.sleep(0.2)
    print("FAIL: never found:", what, file=sys.stderr)
    sys.exit(1)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            pass
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def window(title_part, exclude=()):
    app = application()
    if app is None:
        return None
    for w in app:
        if w is not None and title_part in (w.name or "") and w.getState().contains(pyatspi.STATE_SHOWING) \
                and not any(w == e for e in exclude):
            return w
    return None


def by(node, role=None, name=None):
    return [o for o in walk(node) if (role is None or o.getRoleName() == role) and (name is None or o.name == name)]


def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name
    return ""


def focusable_without_name(node):
    """Controls a user can tab to that a screen reader could not name."""
    return [o.getRoleName() for o in walk(node)
            if o.getState().contains(pyatspi.STATE_FOCUSABLE) and o.getState().contains(pyatspi.STATE_SHOWING)
            and not (o.name or "").strip() and not labelled_by(o)]


def key(*keys):
    subprocess.run(["xdotool", "key", *keys], check=True)
    time.sleep(0.3)


def press(node):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    check("Press" in names or "press" in names, f"{node.name!r} offers no press action: {names}")
    actions.doAction(names.index("Press") if "Press" in names else 0)
    time.sleep(0.5)


def is_window(w, role, what):
    """A screen reader speaks focus events only inside the active window: the
    window must have a window's role, and nothing inside it."""
    check(w.getRoleName() == role, f"{what} reaches a screen reader as {w.getRoleName()!r}, not {role!r}")
    inner = [o.name for o in walk(w) if o != w and o.getRoleName() == "frame"]
    check(not inner, f"{what}: inner parts with a window's role: {inner}")


def opened():
    try:
        with open(opened_file) as f:
            return f.read().split()
    except FileNotFoundError:
        return []


# The main window.
main = retry(lambda: window(title), "the main window over AT-SPI")
is_window(main, "frame", "main window")
check(focusable_without_name(main) == [], f"main window: focusable controls without a name: {focusable_without_name(main)}")
for role, name in [("text", "Name"), ("push button", "Get My Arithmancy Reading"),
                   ("push button", "Open Previously Saved Reading"), ("push button", "Back")]:
    check(by(main, role, name), f"main window: no {role} named {name!r}")
boxes = {labelled_by(c): c.name for c in by(main, "combo box")}
check(boxes == {"Month": "January", "Date": "1", "Year": "1900"}, f"birth date boxes read as {boxes}")
links = by(main, "link")
check(len(links) == 3, f"main window: {len(links)} links, expected 3")
check(any(l.name.startswith("The Most Popular Online Brimwell Discussion Board.") for l in links),
      "main window: the board link has no name")

# A name typed key by key, Tab to the compute button, Enter.
subprocess.run(["xdotool", "search", "--name", "^" + title + "$", "windowfocus"], check=False)
subprocess.run(["xdotool", "type", "--delay", "20", "john smith"], check=True)
key("Tab", "Return")
reading = retry(lambda: by(window(title), "text", "Character Number 8"), "Character Number 8")
text = reading[0].queryText()
check(text.getText(0, -1).startswith("Down the ages"), "the Character Number's text is not read with it")
for name in ["Heart Number 6", "Social Number 2"]:
    check(by(main, "text", name), f"results: no text named {name!r}")
    check(by(main, "label", name), f"results: no label named {name!r}")
# The focus stays on the button; a notification tells the reading.
check([n for n in by(main, "notification", "Character Number 8, Heart Number 6, Social Number 2")
       if n.getState().contains(pyatspi.STATE_SHOWING)], "the reading is not told as a notification")

# Links are followed through their press action: the address reaches the
# stand-in browser exactly as built.
board = [l for l in links if l.name.startswith("The Most Popular")][0]
press(board)
check(opened() == ["http://www.brimwell.example/velto-free-arithmancy/ssd.php?page=home-page"],
      f"board link opened {opened()}")

# The Help menu, opened from the keyboard, is a menu of named commands.
subprocess.run(["xdotool", "search", "--name", "^" + title + "$", "windowfocus"], check=False)
key("alt+h")
menu = retry(lambda: [m for m in by(application(), "popup menu") if m.getState().contains(pyatspi.STATE_SHOWING)],
             "the Help menu as a popup menu")[0]
check([i.name for i in by(menu, "menu item")] == ["Online Help", "Visit Us Online", "Check for Software Update",
                                                 "About Software"], f"the Help menu reads {[i.name for i in menu]}")
key("Escape")
key("Escape")

# The About window. On a loaded machine the keys can come before the window
# takes them: like a user, close whatever opened and press them again, three
# times at most.
def press_about(close_first=False):
    if close_first:
        key("Escape")
        key("Escape")
    subprocess.run(["xdotool", "search", "--name", "^" + title + "$", "windowfocus"], check=False)
    key("alt+h")
    key("a")


press_about()
about = retry(lambda: window(title, exclude=[main]), "the About window", seconds=10, tries=3,
              again=lambda: press_about(close_first=True))
is_window(about, "dialog", "About")
check(focusable_without_name(about) == [], f"About: focusable controls without a name: {focusable_without_name(about)}")
check(by(about, "push button", "OK"), "About: no OK button")
about_links = by(about, "link")
check(len(about_links) == 2, f"About: {len(about_links)} links, expected 2")
key("Escape")

# The exit screen.
subprocess.run(["xdotool", "search", "--name", "^" + title + "$", "windowfocus"], check=False)
key("alt+f")
key("x")
screen = retry(lambda: window(title) if not by(window(title) or main, "combo box")
               else None, "the exit screen")
is_window(screen, "dialog", "exit screen")
check(by(screen, "panel", "Refer A Friend") and by(screen, "panel", "Download Brimwell Softwares"),
      "exit screen: its frames are no groups")
check(focusable_without_name(screen) == [],
      f"exit screen: focusable controls without a name: {focusable_without_name(screen)}")
for role, name in [("text", "Your name"), ("text", "Your e-mail address"), ("text", "Friend's name"),
                   ("text", "Friend's e-mail address"), ("text", "Your message"), ("push button", "Exit"),
                   ("push button", "Refer A Friend Now"), ("check box", "Click Here To Visit www.brimwell.example Now")]:
    check(by(screen, role, name), f"exit screen: no {role} named {name!r}")
check(by(screen, "link", "Click Here To Visit Brimwell Softwares"), "exit screen: no link to the vendor's programs")
exit_button = by(screen, "push button", "Exit")
if exit_button:
    press(exit_button[0])

if failures:
    sys.exit(1)
print("accessibility: names, links, press actions and the reading read from outside")
