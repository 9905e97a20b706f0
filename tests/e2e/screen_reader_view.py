"""What a screen reader learns of the window through AT-SPI: a frame of controls with
plain names (no code name such as "Data(1)", no nameless filler), and a picture whose
description follows a draw made through AT-SPI alone. Run by screen-reader-view.sh."""
import re
import sys
import time

import pyatspi

CODE_NAME = re.compile(r"^(Form1|Picture1|Code|Data\(\d\)|Label\d+|Shape1|GraphScale|Command.*|CmdMenu|MenuColor.*)$")


def wait_for(what, find):
    for _ in range(75):
        if (found := find()) is not None:
            return found
        time.sleep(0.2)
    sys.exit("not found: " + what)


def descendants(accessible):
    for child in accessible:
        yield child
        yield from descendants(child)


frame = wait_for("the window", lambda: next((app[0] for app in pyatspi.Registry.getDesktop(0)
                                              if app is not None and app.name == "surfplot" and app.childCount), None))
failures = [] if (frame.getRoleName(), frame.name) == ("frame", "Plotting f(x) Functions") else ["the window"]
controls = {}
for accessible in descendants(frame):
    role, name = accessible.getRoleName(), accessible.name
    if CODE_NAME.match(name) or role == "filler" or not name.strip() and role != "label":
        failures.append("a %s named %r" % (role, name))
    controls[role, name] = accessible
if ("image", "Picture") not in controls or ("push button", "Draw Function") not in controls:
    failures.append("no image named 'Picture' or no button 'Draw Function'")
else:
    controls["push button", "Draw Function"].queryAction().doAction(0)
    picture = controls["image", "Picture"]
    print(wait_for("the drawn surface described", lambda: picture.description if "Z = " in picture.description else None))
print("\n".join("FAIL: " + failure for failure in failures))
sys.exit(1 if failures else 0)
