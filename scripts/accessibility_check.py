"""Counts the controls a screen reader reaches in the running editor and fails on one unnamed.

Run by accessibility-check.sh inside an X display and a D-Bus session:
accessibility_check.py PROGRAM hun|eng
Exit status 1: a control is unnamed or a name is missing; 2: the editor never appeared.
"""
import subprocess
import sys
import time

import pyatspi

# What a user acts on: every other object (labels, panels, the scroll bar) is read, not used.
CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT,
}
# A row's cell, the choosers, the pictures and the chart as each language names them (the
# program runs in the C locale, with the decimal point).
EXPECTED = {
    "hun": ["1. sor, bemenet 0.117 V", "Felbontás", "Com port", "Bemenet (V)", "Kimenet (V)",
            "Magyar", "English", "Felhasználói útmutató megnyitása", "Grafikon"],
    "eng": ["Row 1, input 0.117 V", "Resolution", "Com port", "Input (V)", "Output (V)",
            "Magyar", "English", "Open the user guide", "Graph"],
}


def find_application(name, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name and app.childCount > 0:
                return app
        time.sleep(0.2)
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def is_control(node):
    states = node.getState()
    return node.getRole() in CONTROL_ROLES or states.contains(pyatspi.STATE_FOCUSABLE)


def main():
    program, language = sys.argv[1], sys.argv[2]
    editor = subprocess.Popen([program])
    try:
        app = find_application("solva-tx", 20)
        if app is None:
            print("accessibility: the editor did not appear on the accessibility bus")
            return 2
        controls = [node for node in walk(app) if is_control(node)]
        unnamed = [f"{node.getRoleName()} in {node.parent.getRoleName()} {node.parent.name!r}"
                   for node in controls
                   if not node.name.strip()]
        names = {node.name for node in walk(app)}
        missing = [name for name in EXPECTED[language] if name not in names]
        print(f"accessibility ({language}): {len(controls) - len(unnamed)} of "
              f"{len(controls)} controls named")
        for line in unnamed:
            print(f"  unnamed: {line}")
        for name in missing:
            print(f"  not found: {name}")
        return 1 if unnamed or missing or not controls else 0
    finally:
        editor.terminate()
        editor.wait(10)


if __name__ == "__main__":
    sys.exit(main())
