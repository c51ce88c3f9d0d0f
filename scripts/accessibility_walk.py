#!/usr/bin/python3
"""Walks the window's tree as a screen reader sees it and prints every
accessible object's role, name and description, one a line, indented by
depth; controls without a name are marked UNNAMED, and the exit status is 1
when there is one.

Run by hand, on a display, inside a session bus of its own:
    Xvfb :8 -screen 0 1366x768x24 & openbox &
    DISPLAY=:8 dbus-run-session -- scripts/accessibility_walk.py \
        build/bin/Project1 [ARGUMENT...]
The program is started with the accessibility bridge on, walked once its
window is up, and closed. WALK_KEYS="F1 ctrl+d" presses those keys in the
window first (with xdotool), so that the tool windows they open are walked
too. Needs python3-pyatspi, at-spi2-core and xdotool.
"""
import os
import subprocess
import sys
import time

import pyatspi

# Roles a person acts on or reads, which must say what they are.
CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST,
    pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_IMAGE, pyatspi.ROLE_MENU_ITEM,
}


def find_application(name, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name and app.childCount > 0:
                return app
        time.sleep(0.5)
    return None


def walk(node, depth, unnamed):
    role = node.getRoleName()
    name = node.name or ""
    description = node.description or ""
    missing = node.getRole() in CONTROLS and not name
    if missing:
        unnamed.append(role)
    line = "  " * depth + role + ": " + (repr(name) if name else "UNNAMED" if missing else "''")
    if description:
        line += " | " + description
    print(line)
    # A table's cells are many; the first few show how they read.
    for index, child in enumerate(node):
        if child is None:
            continue
        if node.getRole() == pyatspi.ROLE_TABLE and index >= 12:
            print("  " * (depth + 1) + "... %d cells in all" % node.childCount)
            break
        walk(child, depth + 1, unnamed)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    program = os.path.abspath(sys.argv[1])
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    process = subprocess.Popen([program] + sys.argv[2:], env=environment,
                               cwd=os.path.dirname(program))
    try:
        app = find_application(os.path.basename(program))
        if app is None:
            sys.exit("the program did not appear on the accessibility bus")
        time.sleep(1)
        for key in os.environ.get("WALK_KEYS", "").split():
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
            time.sleep(1)
        unnamed = []
        walk(app, 0, unnamed)
        if unnamed:
            print("unnamed controls: %d (%s)" % (len(unnamed), ", ".join(sorted(set(unnamed)))))
            return 1
        print("every control has a name")
        return 0
    finally:
        process.terminate()
        process.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main())
