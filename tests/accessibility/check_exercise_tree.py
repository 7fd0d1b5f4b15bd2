#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Looks at a running Brightsum from outside, through the accessibility bus, as a
screen reader does: signs in, opens an addition exercise and checks that the
question, the answer field, the "Clue" and "Choice" buttons, the score and the
question number can be found by name and tell the exercise's state, also after
an answer and a clue. Then it finishes the exercise with the keyboard alone,
reading only what the focused object says ("say" lines), opens the analog
clock with Ctrl+C from the answer field and reaches the sidebar's buttons with
F6. run.sh starts the buses, then this script, and the program once the file
named by the script's argument exists: a program knows only of the listeners
that were there when it started."""

import os
import re
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
focused = [None]  # the object that last took the focus


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


def window_id(title):
    found = subprocess.run(["xdotool", "search", "--name", f"^{re.escape(title)}$"],
                           capture_output=True, text=True, timeout=WAIT)
    return found.stdout.split()[0] if found.stdout.split() else None


def main_window_id():
    return window_id("Brightsum 4.0")


def x_focus(title):
    """Gives the X keyboard focus to a window, as a window manager does; the server runs none."""
    window = wait_for(f"window {title!r} on the X server", lambda: window_id(title))
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=WAIT)


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


def on_focus(event):
    if event.source is not None and event.detail1 == 1:
        focused[0] = event.source


def keys(*names):
    """Presses keys on the X server's keyboard, which reaches the window that has the focus."""
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True, timeout=WAIT)


def typed(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True, timeout=WAIT)


def focus_is(what, probe):
    """Waits until the focused object passes the probe, then prints what it says."""
    def current():
        thing = focused[0]
        return thing if thing is not None and probe(fresh(thing)) else None

    thing = wait_for(what, current)
    print(f"say  [{thing.getRoleName()}] {thing.name!r}: {thing.description!r}")
    return thing


def answer_field_says(start):
    return lambda f: f.name == "Your answer" and f.description.startswith(start)


def alert_says(app, title):
    """Waits for a message box, prints its text as a screen reader reads it, and closes it with Enter."""
    box = find_in_app(app, f"{title!r} box", pyatspi.ROLE_ALERT, title)
    texts = [t.name for t in pyatspi.findAllDescendants(box, lambda a: a.getRole() == pyatspi.ROLE_LABEL) if t.name]
    print(f"say  [alert] {title!r}: {' / '.join(texts)!r}")
    focus_is(f"focus in the {title!r} box", lambda f: f.name == "OK")
    x_focus(title)
    keys("Return")
    wait_for(f"{title!r} box to close", lambda: find(app, pyatspi.ROLE_ALERT, title) is None)
    x_focus("Brightsum 4.0")


def spoken_question(description):
    found = re.search(r"Question (\d+) of 20: (.*)$", description, re.S)
    return (int(found.group(1)), found.group(2)) if found else (0, "")


def finish_by_keyboard(app, answers):
    """Answers every question left with the keys, told the question only by the focused answer field."""
    texts = [text.replace("^", "litres") for text, _ in answers]
    wrong_tried = clue_taken = False
    while True:
        number, text = spoken_question(fresh(focused[0]).description)
        check(f"question {number} read from the answer field", text, texts[number - 1] if number else "?")
        if not number:
            return
        if number == 3 and not wrong_tried:
            wrong_tried = True
            typed("99999")
            keys("Return")
            alert_says(app, "Wrong Answer!")
            focus_is("a wrong answer told", answer_field_says("Wrong answer. Score: "))
            continue
        if number == 4 and not clue_taken:
            clue_taken = True
            keys("Tab")
            focus_is("the Clue button", lambda f: f.name == "Clue")
            keys("space")
            alert_says(app, "Clue")
            focus_is("a clue told", answer_field_says("1 clue left. Question 4 of 20"))
            continue
        typed(answers[number - 1][1])
        keys("Return")
        if number == 20:
            alert_says(app, "Congratulations!")
            return
        focus_is(f"question {number + 1}", answer_field_says("Correct answer! Score: "))


def main(ready_file):
    pyatspi.Registry.registerEventListener(on_description, "object:property-change:accessible-description")
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
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

    # From here on only keys, and only what the focused object says.
    x_focus("Brightsum 4.0")
    focus_is("the answer field after the clue", answer_field_says(f"2 clues left. Question 2 of 20: {second[0]}"))
    keys("ctrl+c")
    clock = wait_for("an analog clock", lambda: pyatspi.findDescendant(app, lambda a: a is not None
                                                                      and a.name == "Analog Clock"))
    print(f"ok   Ctrl+C in the answer field opens [{clock.getRoleName()}] {clock.name!r}")
    keys("ctrl+F4")
    focus_is("the answer field after the clock closed", answer_field_says("2 clues left. Question 2 of 20"))
    finish_by_keyboard(app, questions())
    focus_is("focus in the sidebar once the exercise closed", lambda f: f.name == "Exercises to be completed")

    # With an exercise open, F6 reaches the sidebar's buttons and Shift+F6 comes back.
    keys("ctrl+3")
    focus_is("a subtraction exercise", answer_field_says("Question 1 of 20"))
    keys("alt+v", "s", "Return")
    find_in_app(app, "everybody's scores", pyatspi.ROLE_TABLE, "Everybody's Scores")
    focus_is("focus in the score window", lambda f: f.name != "Your answer")
    keys("ctrl+F6")
    focus_is("back in the subtraction exercise", answer_field_says("Question 1 of 20"))
    keys("F6")
    focus_is("F6 to the sidebar", lambda f: f.getRole() == pyatspi.ROLE_PUSH_BUTTON and f.name == "View My Scores")
    keys("Tab")
    focus_is("Tab in the sidebar", lambda f: f.getRole() == pyatspi.ROLE_PUSH_BUTTON and f.name == "Clear Saved Scores")
    keys("shift+F6")
    focus_is("Shift+F6 back to the exercise", answer_field_says("Question 1 of 20"))


if __name__ == "__main__":
    try:
        main(sys.argv[1])
    except Missing as missing:
        print(f"FAIL {missing}")
        failures.append(str(missing))
    print(f"accessibility tree: {'FAILED' if failures else 'passed'}")
    sys.exit(1 if failures else 0)
