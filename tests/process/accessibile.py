#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The running program's controls as a screen reader finds them, through AT-SPI, for a
# process-level test that must act on them wherever the layout puts them:
#   accessibile.py centro NAME [ROLE]        prints the centre of the control: "x y"
#   accessibile.py riquadro NAME [ROLE]      prints the control's box: "x y width height"
#   accessibile.py premi NAME [ROLE]         performs the control's action (a click)
#   accessibile.py trovato NAME [ROLE]       exits 0 when the control shows now, else 1
#   accessibile.py cambia NAME N SECONDS     waits until the control's description has
#                                            changed N times (the face telling the time)
#   accessibile.py finestre N SECONDS        waits until exactly N windows of the program
#                                            show (any window system: X11 or Wayland)
# A NAME ending in "*" stands for every name that begins with the rest of it.
# Each waits up to 20 seconds for the program and the control; exits 1 when it fails.
import sys
import time

import pyatspi


def fail(text):
    print("FAIL: " + text, file=sys.stderr)
    sys.exit(1)


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def named(node, name):
    if name.endswith("*"):
        return (node.name or "").startswith(name[:-1])
    return node.name == name


def find(name, role=None, seconds=20):
    end = time.time() + seconds
    while True:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or not app.name.lower().startswith("tempolino"):
                continue
            for node in walk(app):
                if named(node, name) and (role is None or node.getRoleName() == role) \
                        and node.getState().contains(pyatspi.STATE_SHOWING):
                    return node
        if time.time() >= end:
            break
        time.sleep(0.2)
    fail("nothing showing named %r%s" % (name, " with role %r" % role if role else ""))


def shown_windows():
    names = []
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or not app.name.lower().startswith("tempolino"):
            continue
        for i in range(app.childCount):
            try:
                window = app.getChildAtIndex(i)
                if window.getState().contains(pyatspi.STATE_SHOWING):
                    names.append("%s (%s)" % (window.name, window.getRoleName()))
            except Exception:
                continue
    return names


def main():
    command, name = sys.argv[1], sys.argv[2]
    if command == "centro":
        node = find(name, sys.argv[3] if len(sys.argv) > 3 else None)
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(box.x + box.width // 2, box.y + box.height // 2)
    elif command == "riquadro":
        node = find(name, sys.argv[3] if len(sys.argv) > 3 else None)
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(box.x, box.y, box.width, box.height)
    elif command == "trovato":
        find(name, sys.argv[3] if len(sys.argv) > 3 else None, seconds=0.5)
    elif command == "premi":
        find(name, sys.argv[3] if len(sys.argv) > 3 else None).queryAction().doAction(0)
    elif command == "finestre":
        wanted, end = int(name), time.time() + float(sys.argv[3])
        while True:
            showing = shown_windows()
            if len(showing) == wanted:
                print(" | ".join(showing))
                break
            if time.time() >= end:
                fail("%d windows show, not %d: %s" % (len(showing), wanted, " | ".join(showing)))
            time.sleep(0.1)
    elif command == "cambia":
        node = find(name)
        times, seconds = int(sys.argv[3]), float(sys.argv[4])
        said = node.description
        changes = 0
        end = time.time() + seconds
        while changes < times and time.time() < end:
            time.sleep(0.02)
            now = node.description
            if now != said:
                said = now
                changes += 1
        if changes < times:
            fail("%r changed %d times in %s s, not %d" % (name, changes, seconds, times))
        print(said)
    else:
        fail("unknown command " + command)


if __name__ == "__main__":
    main()
