"""Reading the program as a screen reader does, on the accessibility bus: its application, its
windows on screen, and a result by the caption that labels it."""

import pyatspi


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
