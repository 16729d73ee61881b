#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the running program as a screen reader does, through AT-SPI, and checks what
# it hears: the names of the adjustment buttons, the radio-button role of the option
# buttons, the clock face's name and description; then it clicks "Esercizi" with the
# real pointer and checks that the face now tells where the hands point without the
# time in figures. Prints what it read; exits 1 at the first thing that is wrong.
import re
import subprocess
import sys
import time

import pyatspi

from accessibile import walk


def fail(text):
    print("FAIL: " + text, file=sys.stderr)
    sys.exit(1)


def find_app(seconds):
    # The registry lists a new program a moment after it starts.
    end = time.time() + seconds
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower().startswith("tempolino"):
                return app
        time.sleep(0.3)
    return None


def by_name(app, name):
    return [n for n in walk(app) if n.name == name]


def one(app, name, role=None):
    found = [n for n in by_name(app, name) if role is None or n.getRoleName() == role]
    if not found:
        roles = sorted({n.getRoleName() for n in by_name(app, name)})
        fail("nothing named %r with role %r (roles of that name: %s)" % (name, role, roles))
    return found[0]


app = find_app(20)
if app is None:
    fail("the registry does not list the program")
print("application: %s" % app.name)

for name in ("Ore avanti", "Minuti avanti", "Minuti indietro", "Ore indietro"):
    node = one(app, name, "push button")
    print("adjustment button: %r, %s" % (node.name, node.getRoleName()))
for sign in ("+", "\u2014"):
    if by_name(app, sign):
        fail("a button is still named %r" % sign)

for name in ("Tempo attuale", "Modifica i minuti o le ore", "Quadrante con i punti",
             "Quadrante con i numeri arabi", "Quadrante con i numeri romani", "12 h", "24 h"):
    node = one(app, name)
    if node.getRoleName() != "radio button":
        fail("%r is reported as %s" % (name, node.getRoleName()))
    checked = node.getState().contains(pyatspi.STATE_CHECKED)
    print("option button: %r, %s%s" % (name, node.getRoleName(), ", checked" if checked else ""))
if not one(app, "Tempo attuale").getState().contains(pyatspi.STATE_CHECKED):
    fail("'Tempo attuale' is not reported as chosen at start")

face = one(app, "Orologio")
print("face: %r, %s, %r" % (face.name, face.getRoleName(), face.description))
if not re.fullmatch(r"Sono le \d{1,2}:\d\d", face.description):
    fail("outside the exercises the face says %r" % face.description)

# "Esercizi", clicked with the pointer where the screen reader says it is.
button = one(app, "Esercizi", "push button")
box = button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
x, y = box.x + box.width // 2, box.y + box.height // 2
print("clicking 'Esercizi' at %d,%d" % (x, y))
subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)

said = ""
end = time.time() + 10
while time.time() < end:
    said = face.description
    if said.startswith("La lancetta corta"):
        break
    time.sleep(0.2)
print("face in the exercises: %r" % said)
if not re.fullmatch(r"La lancetta corta è [^.]+\. La lancetta lunga è [^.]+\.", said):
    fail("in the exercises the face says %r" % said)
if re.search(r"\d+:\d\d", said) or "Sono le" in said:
    fail("in the exercises the face gives the time in figures: %r" % said)

for name in ("Ore", "Minuti"):
    node = one(app, name)
    print("answer box: %r, %s" % (name, node.getRoleName()))
print("accessibility tree: ok")
