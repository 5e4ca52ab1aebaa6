"""Waiting for a condition in the end-to-end suites, never for a fixed time."""

import time


def wait_until(condition, what, timeout=5.0):
    """Polls until the condition gives a true value and returns it; fails after the timeout."""
    end = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.05)
