"""Reading a result as a screen reader does: by the caption that labels it."""

import pyatspi


def captioned_label(app, caption):
    """The label, in a showing window of the program, that the caption labels."""
    app.clear_cache()
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        try:
            if window is None or not window.getState().contains(pyatspi.STATE_SHOWING):
                continue
        except Exception:  # the window went away
            continue
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
