# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reading the program as a screen reader does, on the accessibility bus: its application, its
windows on screen, a result by the caption that labels it, and a button pressed by its name."""

import pyatspi
from gi.repository import Atspi


def application_of(pid):
    """The application on the accessibility bus that the process runs, or None."""
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application that went away
            continue
    return None


# Roles by the names of pyatspi's constants ("push button" for ROLE_PUSH_BUTTON), which every
# release keeps. AT-SPI's own names for roles changed: a push button is a "button" from
# at-spi2-core 2.5x on, in its role names and in the nicks of its role enumeration alike.
ROLE_NAMES = {int(value): name[len("ROLE_"):].lower().replace("_", " ")
              for name, value in vars(pyatspi).items()
              if name.startswith("ROLE_") and isinstance(value, int)}


def role_of(accessible):
    """The object's role by the name the suites use ("push button", "dialog", "label")."""
    try:
        return ROLE_NAMES.get(int(accessible.getRole()))
    except Exception:  # the object went away
        return None


def spoken_role(name):
    """What this system's AT-SPI calls the role of that name (as role_of gives it), as a screen
    reader says it: "push button" is "button" from at-spi2-core 2.5x on."""
    role = getattr(pyatspi, "ROLE_" + name.upper().replace(" ", "_"))
    return Atspi.role_get_name(Atspi.Role(int(role)))


def states(accessible):
    try:
        return accessible.getState().getStates()
    except Exception:  # the object went away
        return []


def showing_windows(app):
    """The program's top-level windows on screen, read afresh."""
    app.clear_cache()
    windows = (app.getChildAtIndex(i) for i in range(app.childCount))
    return [window for window in windows
            if window is not None and pyatspi.STATE_SHOWING in states(window)]


def captioned_label(app, caption):
    """The label, in a showing window of the program, that the caption labels."""
    for window in showing_windows(app):
        found = pyatspi.findDescendant(window, lambda a: any(
            relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            and relation.getTarget(0).name == caption for relation in a.getRelationSet()))
        if found is not None:
            return found
    raise AssertionError("no result captioned %r on screen" % caption)


def captioned_result(app, caption):
    """The text that the label captioned so shows."""
    text = captioned_label(app, caption).queryText()
    return text.getText(0, text.characterCount)


def press_button(app, window_name, button_name):
    """Presses the button in the showing window through its accessible action, as a screen
    reader's command would, with no key."""
    for window in showing_windows(app):
        if window.name == window_name:
            button = pyatspi.findDescendant(window, lambda a: a.name == button_name
                                            and role_of(a) == "push button")
            if button is not None:
                button.queryAction().doAction(0)
                return
    raise AssertionError("no button %r in a window %r on screen" % (button_name, window_name))
