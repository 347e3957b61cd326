#!/usr/bin/python3
"""Works the running window through the keyboard as an AT-SPI client such as Orca sees it, and
checks what a screen reader is told: every selector and result by its caption with its value, the
picked entry on every move, the warning as a notification when it appears, no empty label, and
once how the rate box read a text that is not wholly a number; then the credit's link, as a link,
and the plan it opens: its boxes by their captions, its totals the form's, and a row of its table
with the column headers; all of it in the program's language, as the compiled catalogue given says
(English without one).
Usage: atspi_client.py [CATALOGUE.mo]  (with the program running on $DISPLAY, in the catalogue's
language, and the accessibility bus up)"""

import gettext
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []
heard = []
catalogue = (gettext.GNUTranslations(open(sys.argv[1], "rb")) if len(sys.argv) > 1
             else gettext.NullTranslations())
tr = catalogue.gettext

WARNING = ("WARNING:You have selected a higher target level than 200. The numbers you will get are "
           "wrong for the SL levels, since your SK gain wont be as high as the XP gain. Reduce "
           "target lvl to 200 or increase current lvl to 200.")


def named(caption):
    """What a screen reader calls the control a caption names: the caption without its colon and
    any space, plain or no-break, before it."""
    return tr(caption).rstrip(":\u0020\u00a0\u202f")


def filled(message, *values):
    for number, value in enumerate(values, 1):
        message = message.replace(f"%{number}", value)
    return message


def check(condition, message):
    if not condition:
        failures.append(message)


# A busy machine may take long to deliver keys and events: steps wait on what they need, up to
# these bounds, and say what was not ready.
READY_SECONDS = 120


def find_application():
    deadline = time.monotonic() + READY_SECONDS
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "ranktally":
                return app
        time.sleep(0.1)
    sys.exit(f"atspi_client: not ready after {READY_SECONDS} s: the program on the accessibility bus")


def descendants(root):
    return pyatspi.findAllDescendants(root, lambda node: node is not None)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name
    return None


def controls(app):
    return {(node.getRole(), node.name): node for node in descendants(app)}


def listen(event):
    source = event.source
    heard.append((event.type, source.getRole(), source.name, event.detail1))


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)


def steps(app):
    # The state at start-up: captions, values and the hidden warning.
    nodes = descendants(app)
    combos = {n.name: n for n in nodes if n.getRole() == pyatspi.ROLE_COMBO_BOX}
    for caption in ("Current level:", "Target level:", "Hours played per day:"):
        name = named(caption)
        check(name in combos, f"no combo box named {name!r}: {sorted(combos)}")
        if name in combos:
            check(labelled_by(combos[name]) == tr(caption),
                  f"{name} is not labelled by its caption")
    hours = named("Hours played per day:")
    if hours in combos:
        check(text_of(combos[hours]) == "1", "hours per day does not read 1")
    results = {n.name: n for n in nodes if n.getRole() == pyatspi.ROLE_TEXT}
    for caption in ("SK/XP needed:", "Hours needed:", "Days Needed:"):
        name = named(caption)
        check(name in results and text_of(results[name]) == "0", f"no result {name!r} reading 0")
    for node in nodes:
        states = node.getState()
        if node.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_NOTIFICATION) and not node.name:
            check(not states.contains(pyatspi.STATE_VISIBLE),
                  f"an empty {node.getRoleName()} is exposed as visible")

    # Current level 1, then to the target level with Tab (the results lie between) and End.
    key("Down")
    for _ in range(4):
        key("Tab")
    key("End")
    # On to the rate box, typed as many people write numbers.
    key("Tab")
    key("Tab")
    key("ctrl+a")
    subprocess.run(["xdotool", "type", "--delay", "50", "10,000"], check=True)
    deadline = time.monotonic() + READY_SECONDS
    GLib.timeout_add(200, lambda: wait_for_last_event(app, deadline))


def wait_for_last_event(app, deadline):
    # The steps end with the whole rate typed and its note described.
    rate = [n for n in descendants(app)
            if n.getRole() == pyatspi.ROLE_TEXT and n.name == named("Average SK/XP per hour:")]
    described = any(kind == "object:property-change:accessible-description"
                    for kind, *_ in heard)
    if described and rate and text_of(rate[0]) == "10,000":
        GLib.timeout_add(500, lambda: check_form(app) and False)
        return False
    if time.monotonic() > deadline:
        failures.append(f"not ready after {READY_SECONDS} s: the rate note's description event")
        check_form(app)
        return False
    return True


def check_form(app):
    nodes = descendants(app)
    combos = {n.name: n for n in nodes if n.getRole() == pyatspi.ROLE_COMBO_BOX}
    target = combos.get(named("Target level:"))
    check(target is not None and text_of(target) == "220", "the target level does not read 220")
    results = {n.name: n for n in nodes if n.getRole() == pyatspi.ROLE_TEXT}
    points = results.get(named("SK/XP needed:"))
    check(points is not None and text_of(points) == "2076261991",
          "points needed are not 2076261991")
    focused = [(role, name) for kind, role, name, on in heard
               if kind == "object:state-changed:focused" and on]
    check((pyatspi.ROLE_LIST_ITEM, "1") in focused, "the pick of level 1 was not announced")
    check((pyatspi.ROLE_LIST_ITEM, "220") in focused, "the pick of level 220 was not announced")
    shown = [name for kind, role, name, on in heard
             if kind == "object:state-changed:showing" and on and role == pyatspi.ROLE_NOTIFICATION]
    check(shown.count(tr(WARNING)) == 1, f"the warning did not appear once as a notification: {shown}")
    rate = [n for n in nodes
            if n.getRole() == pyatspi.ROLE_TEXT and n.name == named("Average SK/XP per hour:")]
    note = filled(tr("Read as %1: everything from \"%2\" on is ignored."), "10", ",")
    check(len(rate) == 1 and text_of(rate[0]) == "10,000", "the rate box does not read 10,000")
    check(len(rate) == 1 and rate[0].description == note,
          f"the rate box does not say how it read the text: {[n.description for n in rate]!r}")
    described = [name for kind, role, name, on in heard
                 if kind == "object:property-change:accessible-description"]
    check(len(described) == 1, f"the note was not described once while typing: {described}")
    check(shown.count(note) == 1, f"the note did not appear once as a notification: {shown}")

    # On from the rate box to the credit's link, which Enter opens.
    key("Tab")
    key("Return")
    deadline = time.monotonic() + READY_SECONDS
    GLib.timeout_add(200, lambda: wait_for_plan(app, deadline))


def plan_window(app):
    # By its title: Qt 6.4 gives a window of plain widgets the role of a filler.
    title = tr("Ranktally – Plan")
    return next((n for n in app if n is not None and n.name == title), None)


def wait_for_plan(app, deadline):
    plan = plan_window(app)
    if plan is not None and plan.getState().contains(pyatspi.STATE_SHOWING):
        GLib.timeout_add(500, lambda: check_plan(app) and False)
        return False
    if time.monotonic() > deadline:
        failures.append(f"not ready after {READY_SECONDS} s: the plan window, opened by the link")
        pyatspi.Registry.stop()
        return False
    return True


def check_plan(app):
    focused = [(role, name) for kind, role, name, on in heard
               if kind == "object:state-changed:focused" and on]
    check((pyatspi.ROLE_LINK, tr("Plan the climb…")) in focused,
          f"the credit's link was not focused as a link: {focused[-3:]}")
    plan = plan_window(app)
    nodes = descendants(plan)
    boxes = {n.name: n for n in nodes if n.getRole() == pyatspi.ROLE_TEXT}
    for caption in ("Already earned in this level:", "SK per hour from level 200:",
                    "First reading:", "Second reading:", "Minutes between:", "Points per hour:",
                    "XP still needed:", "SK still needed:", "Hours of play:", "Days of play:",
                    "Target reached on:"):
        name = named(caption)
        check(name in boxes and labelled_by(boxes[name]) == tr(caption),
              f"no plan box named {name!r} by its caption: {sorted(boxes)}")
    # From the very start of level 1 to 220, the plan's points are the form's.
    left = [text_of(boxes[named(c)]) for c in ("XP still needed:", "SK still needed:")
            if named(c) in boxes]
    check(len(left) == 2 and all(t.isdigit() for t in left)
          and sum(map(int, left)) == 2076261991,
          f"the points still needed do not add up to the form's 2076261991: {left}")
    check(named("Target reached on:") in boxes
          and text_of(boxes[named("Target reached on:")]) != "",
          "the plan says no day the target is reached")
    tables = [n for n in nodes if n.getRole() == pyatspi.ROLE_TABLE]
    check(len(tables) == 1 and tables[0].name == tr("The climb, level by level"),
          f"no table named by the plan's steps: {[t.name for t in tables]}")
    if tables:
        table = tables[0].queryTable()
        check(table.nRows == 219, f"the climb from 1 to 220 is not 219 rows: {table.nRows}")
        # The step to 201, the first that costs SK, read with its headers.
        row = [(table.getColumnHeader(c).name, table.getAccessibleAt(199, c).name)
               for c in range(2)]
        check(row == [(tr("Level reached"), "201"), (tr("Points in"), tr("SK from here on"))],
              f"the step to 201 does not read with its headers: {row}")
    pyatspi.Registry.stop()


def main():
    app = find_application()
    pyatspi.Registry.registerEventListener(
        listen, "object:state-changed:focused", "object:state-changed:showing",
        "object:property-change:accessible-name", "object:property-change:accessible-description")
    GLib.timeout_add(500, lambda: steps(app) and False)
    pyatspi.Registry.start()
    for failure in failures:
        print("atspi_client:", failure)
    print(f"atspi_client: {len(failures)} failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
