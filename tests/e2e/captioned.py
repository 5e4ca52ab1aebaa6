"""Reading the program's windows as a screen reader does, and a result by the caption that
labels it."""

import pyatspi


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
