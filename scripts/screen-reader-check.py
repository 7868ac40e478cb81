#!/usr/bin/python3
"""What a screen reader reads of the window over AT-SPI, checked against what the window shows.

Usage: screen-reader-check.py APPLICATION-NAME ITEM

ITEM is an item some list reads once the configuration given to the window is shown.

Fails when a list, table or progress bar has no name, when a list reads a blank item, or when a
slider reads another value than the label beside it shows ("Level: 75%" and the display
brightness slider, "Volume: -13db" and the zone's volume slider).
"""
import re
import sys
import time

import pyatspi

LISTS = ("list", "list box", "table", "tree table", "tree", "progress bar")
# A label whose number a slider beside it must read, and how to find that slider's name.
READINGS = [(re.compile(r"^Level: ?(-?\d+)%$"), "Display Brightness"),
            (re.compile(r"^Volume: ?(-?\d+)(?: ?db)?$", re.I), " Volume")]


def application(name, seconds=60):
    """The application once it is on the bus and shows its window; waits for it to start."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and name in (app.name or "") and app.childCount:
                return app
        time.sleep(0.2)
    return None


def nodes(node, depth=0):
    yield node
    if depth < 40:
        for child in node:
            if child is not None:
                yield from nodes(child, depth + 1)


def main():
    app = application(sys.argv[1])
    if app is None:
        print("screen-reader-check: the application never reached the accessibility bus")
        return 1
    faults, lists, sliders, labels, items = [], 0, {}, [], set()
    for node in nodes(app):
        role, name = node.getRoleName(), (node.name or "").strip()
        if role in LISTS:
            lists += 1
            if not name:
                faults.append(f"a {role} has no name")
            if role in ("list", "list box"):
                read = [(item.name or "").strip() for item in node]
                items.update(read)
                blank = read.count("")
                if blank:
                    faults.append(f"the list {name!r} reads {blank} blank items")
        elif role == "slider":
            sliders[name] = node.queryValue().currentValue
        elif role == "label":
            labels.append(name)
    checked = 0
    for label in labels:
        for pattern, slider in READINGS:
            match = pattern.match(label)
            if not match:
                continue
            readings = [value for named, value in sliders.items() if named.endswith(slider)]
            if not readings:
                faults.append(f"no slider {slider!r} beside the label {label!r}")
            elif float(match.group(1)) not in readings:
                faults.append(f"the label {label!r} shows {match.group(1)}, the slider reads "
                              f"{readings}")
            checked += 1
            print(f"screen-reader-check: {label!r} read as {readings}")
    if sys.argv[2] not in items:
        faults.append(f"no list reads {sys.argv[2]!r}: the configuration was not shown")
    for fault in faults:
        print("screen-reader-check:", fault)
    print(f"screen-reader-check: {lists} lists, {len(sliders)} sliders, {checked} labelled "
          f"values read, {len(faults)} faults")
    return 1 if faults or not lists or not checked else 0


if __name__ == "__main__":
    sys.exit(main())
