#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Looks at a running Brightsum from outside, through the accessibility bus, as a
screen reader does: signs in, opens an addition exercise and checks that the
question, the answer field, the "Clue" and "Choice" buttons, the score and the
question number can be found by name and tell the exercise's state, also after
an answer and a clue. run.sh starts the buses, then this script, and the
program once the file named by the script's argument exists: a program knows
only of the listeners that were there when it started."""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WAIT = 20  # seconds for any one thing to appear or change
HERE = os.path.dirname(os.path.abspath(__file__))
ADDITION = os.path.join(HERE, "..", "..", "data", "Exercises", "Addition.dat")

failures = []
heard = []  # (name, description) of the objects that announced a new description


class Missing(Exception):
    pass


def pump():
    """Lets the accessibility library take in the events that have arrived."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, probe, timeout=WAIT):
    deadline = time.monotonic() + timeout
    while True:
        pump()
        try:
            found = probe()
        except GLib.Error:
            found = None  # an object went away while it was looked at
        if found:
            return found
        if time.monotonic() > deadline:
            raise Missing(f"no {what} after {timeout} s")
        time.sleep(0.2)


def fresh(accessible):
    accessible.clearCache()
    return accessible


def find(root, role, name):
    return pyatspi.findDescendant(root, lambda a: a is not None and a.getRole() == role and a.name == name)


def find_in_app(app, what, role, name):
    return wait_for(what, lambda: find(app, role, name))


def press(accessible):
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == "Press":
            action.doAction(i)
            return
    raise Missing(f"no Press action on {accessible.name!r}")


def check(label, actual, expected):
    if actual == expected:
        print(f"ok   {label}: {actual!r}")
    else:
        print(f"FAIL {label}: {actual!r}, expected {expected!r}")
        failures.append(label)


def describes(accessible, text):
    return lambda: fresh(accessible).description == text


def application():
    def probe():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "Brightsum":
                return app
        return None

    return wait_for("Brightsum on the accessibility bus", probe)


def sign_in(app):
    dialog = find_in_app(app, "sign-in window", pyatspi.ROLE_DIALOG, "User Accounts")
    field = find_in_app(app, "new-user field", pyatspi.ROLE_TEXT, "New Users")
    print(f"ok   sign-in window: new-user field {field.name!r} ({field.description!r})")
    field.queryEditableText().setTextContents("Asha")
    press(find(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    wait_for("sign-in window to close", lambda: find(app, pyatspi.ROLE_DIALOG, "User Accounts") is None)


def open_addition(app):
    press(find_in_app(app, "menu command Addition...", pyatspi.ROLE_MENU_ITEM, "Addition..."))
    return find_in_app(app, "addition exercise page", pyatspi.ROLE_FILLER, "Addition exercise")


def questions():
    with open(ADDITION, encoding="utf-8") as file:
        lines = file.read().splitlines()
    return [(lines[5 * k], lines[5 * k + 1]) for k in range(len(lines) // 5)]


def main_window_id():
    found = subprocess.run(["xdotool", "search", "--name", "^Brightsum 4.0$"],
                           capture_output=True, text=True, timeout=WAIT)
    return found.stdout.split()[0] if found.stdout.split() else None


def answer(field, text):
    """Types the answer through the accessibility bus and presses Enter on the keyboard."""
    window = wait_for("main window on the X server", main_window_id)
    subprocess.run(["xdotool", "windowfocus", window], check=True, timeout=WAIT)
    field.queryComponent().grabFocus()
    wait_for("focus in the answer field", lambda: fresh(field).getState().contains(pyatspi.STATE_FOCUSED))
    field.queryEditableText().setTextContents(text)
    wait_for("the typed answer", lambda: field.queryText().getText(0, -1) == text)
    subprocess.run(["xdotool", "key", "--window", window, "Return"], check=True, timeout=WAIT)


def take_clue(app, button):
    press(button)
    box = find_in_app(app, "clue box", pyatspi.ROLE_ALERT, "Clue")
    press(find(box, pyatspi.ROLE_PUSH_BUTTON, "OK"))


def on_description(event):
    if event.source is not None:
        heard.append((event.source.name, event.source.description))


def main(ready_file):
    pyatspi.Registry.registerEventListener(on_description, "object:property-change:accessible-description")
    with open(ready_file, "w", encoding="utf-8"):
        pass
    app = application()
    sign_in(app)
    page = open_addition(app)
    first, second = questions()[0], questions()[1]

    parts = {
        "question text": (pyatspi.ROLE_LABEL, "Question"),
        "answer field": (pyatspi.ROLE_TEXT, "Your answer"),
        "Clue button": (pyatspi.ROLE_PUSH_BUTTON, "Clue"),
        "Choice button": (pyatspi.ROLE_PUSH_BUTTON, "Choice"),
        "score": (pyatspi.ROLE_LABEL, "Score"),
        "question number": (pyatspi.ROLE_LABEL, "Question number"),
    }
    found = {}
    for what, (role, name) in parts.items():
        found[what] = wait_for(f"{what} named {name!r}", lambda role=role, name=name: find(page, role, name))
        print(f"ok   {what}: [{found[what].getRoleName()}] {name!r} - {found[what].description!r}")

    check("page", page.name, "Addition exercise")
    check("question text", found["question text"].description, first[0])
    check("question number", found["question number"].description, "Question 1 of 20")
    check("score", found["score"].description, "Score: 0")
    check("clues", found["Clue button"].description, "3 clues left")
    check("choices", found["Choice button"].description, "3 choices left")

    del heard[:]
    answer(found["answer field"], first[1])
    wait_for("question 2", describes(found["question number"], "Question 2 of 20"))
    check("after a right answer, question number", fresh(found["question number"]).description, "Question 2 of 20")
    check("after a right answer, score", fresh(found["score"]).description, "Score: 2")
    check("after a right answer, question text", fresh(found["question text"]).description, second[0])

    take_clue(app, found["Clue button"])
    wait_for("a clue used", describes(found["Clue button"], "2 clues left"))
    check("after a clue, clues", fresh(found["Clue button"]).description, "2 clues left")

    wait_for("the changes announced", lambda: ("Clue", "2 clues left") in heard)
    for name, text in [("Score", "Score: 2"), ("Question number", "Question 2 of 20"), ("Clue", "2 clues left")]:
        check(f"change announced for {name}", (name, text) in heard, True)


if __name__ == "__main__":
    try:
        main(sys.argv[1])
    except Missing as missing:
        print(f"FAIL {missing}")
        failures.append(str(missing))
    print(f"accessibility tree: {'FAILED' if failures else 'passed'}")
    sys.exit(1 if failures else 0)
