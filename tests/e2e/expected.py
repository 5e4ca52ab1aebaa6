# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the program shows a person, as every end-to-end suite expects it: its windows' titles,
its messages, classes typed into it with the figures it gives for them, where its design puts the
main window's labels and boxes, and the environment a suite starts it in on Linux."""

import json
import os
import re
from dataclasses import dataclass

GRADES = ["A+", "A", "B+", "B", "C+", "C", "D+", "D", "F", "IC"]

# Window titles
MAIN = "Vantrel"
INSTRUCTIONS = "How to use..."
ABOUT = "About Vantrel"
WARNING = "Warning"

# Texts
MISSING_ENTRY = "Please enter the number of students according to their grades"
INVALID_ENTRY = "Invalid Entry"
NO_PRINTER = "The window could not be printed because no printer is available."
SYSTEM_INFO_UNAVAILABLE = "System Information Is Unavailable At This Time"
AUTHOR = "Ketharin"
VERSION_NUMBER = "1.0.1"
VERSION = "Version " + VERSION_NUMBER
CREDIT = "With the complements of " + AUTHOR
ABOUT_TITLE_LINE = MAIN + " made by " + AUTHOR


def title_pattern(title):
    """A window title as an xdotool search pattern, matching the whole title."""
    return "^" + re.escape(title) + "$"


@dataclass(frozen=True)
class GradedClass:
    """Counts typed box by box ("" leaves a box empty, boxes after the last left empty), and what
    Calculate shows for them."""
    counts: list
    gpa: str
    total: str
    shares: list = None  # the ten shares, where a suite reads them

    def boxes_after(self):
        """The boxes once calculated: an empty box shows 0."""
        typed = self.counts + [""] * (len(GRADES) - len(self.counts))
        return [count or "0" for count in typed]

    def announcement(self):
        """What screen readers are told after Calculate."""
        return "GPA is %s, Total Students %s" % (self.gpa, self.total)


def typing_steps(counts):
    """How counts are typed box by box from the A+ box, moving on with Tab, as (keys, grade)
    steps: a count's characters, one key each, after which the grade's box holds them, or "Tab",
    after which the grade's box has the focus. An empty count is no step."""
    steps = []
    for index, count in enumerate(counts):
        if count:
            steps.append((list(count), GRADES[index]))
        if index < len(counts) - 1:
            steps.append((["Tab"], GRADES[index + 1]))
    return steps


def typing_keys(counts):
    """The keys of typing_steps, one after another."""
    return [key for step, _ in typing_steps(counts) for key in step]


# A+ 4, B+ 3, D 1, F 2: (16 + 10.5 + 1) / 10 = 2.75.
MIXED_CLASS = GradedClass(
    ["4", "", "3", "", "", "", "", "1", "2"], "2.75", "10",
    ["40.00%", "0.00%", "30.00%", "0.00%", "0.00%", "0.00%", "0.00%", "10.00%", "20.00%",
     "0.00%"])
# The same class with 5 IC students, who count in the total only.
MIXED_CLASS_WITH_IC = GradedClass(
    MIXED_CLASS.counts + ["5"], "2.75", "15",
    ["26.67%", "0.00%", "20.00%", "0.00%", "0.00%", "0.00%", "0.00%", "6.67%", "13.33%",
     "33.33%"])
# A+ 1, A 2, B+ 3, B 4: (4 + 7.5 + 10.5 + 12) / 10 = 3.4.
FOUR_GRADES = GradedClass(
    ["1", "2", "3", "4"], "3.4", "10",
    ["10.00%", "20.00%", "30.00%", "40.00%", "0.00%", "0.00%", "0.00%", "0.00%", "0.00%",
     "0.00%"])
# A+ 4, B+ 3: (16 + 10.5) / 7 = 3.79 (3.7857...).
TOP_GRADES = GradedClass(["4", "", "3"], "3.79", "7")
# A+ 2, C 1: (8 + 2) / 3 = 3.33.
TWO_AND_ONE = GradedClass(["2", "", "", "", "", "1"], "3.33", "3")


def program_environment(**extra):
    """The environment a suite starts the Linux program in: its accessibility on without a
    desktop that turns it on, and no printer."""
    return dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                CUPS_SERVER="/nonexistent/cups.sock", **extra)


def design():
    """Where the main window's design puts its labels and boxes, in pixels at 96 dots per inch
    below the menu bar, as (left, top, width, height): written by the build (VANTREL_DESIGN)."""
    with open(os.environ["VANTREL_DESIGN"], encoding="utf-8") as written:
        return json.load(written)
