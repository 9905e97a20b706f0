"""What a screen reader learns of the window through AT-SPI: every control by a
plain name (no code name such as "Data(1)" or "Label7", no nameless filler), Scale's
value, and a picture whose description follows a draw made through AT-SPI alone.

Run by screen-reader-view.sh, inside a private X server and D-Bus session."""
import re
import sys
import time

import pyatspi

CODE_NAME = re.compile(r"^(Form1|Picture1|Code|Data\(\d\)|Label\d+|Shape1|GraphScale|CommandDraw|Command1|"
                       r"CmdMenu|MenuColorMode.*)$")


def wait_for(what, find, seconds=15):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    sys.exit("not found: " + what)


def application():
    return next((app for app in pyatspi.Registry.getDesktop(0) if app is not None and app.name == "surfplot"), None)


def descendants(accessible):
    for child in accessible:
        yield child
        yield from descendants(child)


def main():
    frame = wait_for("the window", lambda: next(iter(application() or []), None))
    failures = []
    if frame.getRoleName() != "frame" or frame.name != "Plotting f(x) Functions":
        failures.append("the window is a %s named %r" % (frame.getRoleName(), frame.name))
    controls = {}
    for accessible in descendants(frame):
        role, name = accessible.getRoleName(), accessible.name
        if CODE_NAME.match(name) or not name.strip() and role != "label" or role == "filler":
            failures.append("a %s named %r" % (role, name))
        controls[role, name] = accessible
    missing = {("spin button", "Scale"), ("push button", "Draw Function"), ("image", "Picture")} - controls.keys()
    if missing:
        report(failures + ["no %s named %r" % control for control in sorted(missing)])
    value = controls["spin button", "Scale"].queryValue()
    if (value.currentValue, value.minimumValue, value.maximumValue) != (100, -50000, 50000):
        failures.append("Scale reads %s within %s..%s" % (value.currentValue, value.minimumValue, value.maximumValue))
    draw = controls["push button", "Draw Function"].queryAction()
    draw.doAction(next(i for i in range(draw.nActions) if draw.getName(i) in ("Press", "press", "click")))
    picture = controls["image", "Picture"]
    wait_for("the description of the drawn surface", lambda: picture if picture.description.startswith("Z = ") else None)
    print("picture:", picture.description)
    report(failures)


def report(failures):
    for failure in failures:
        print("FAIL:", failure)
    sys.exit(1 if failures else 0)


main()
