# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Waiting for a condition in the end-to-end suites, never for a fixed time."""

import time


def wait_until(condition, what, timeout=10.0, ignoring=()):
    """Polls until the condition gives a true value and returns it; fails after the timeout.
    An error of a kind in `ignoring` counts as "not yet" (say, an object not on screen yet)."""
    end = time.monotonic() + timeout
    while True:
        try:
            result = condition()
        except ignoring as error:
            result, last_error = None, error
        else:
            last_error = None
        if result:
            return result
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what) from last_error
        time.sleep(0.05)


def wait_for_value(read, expected, timeout=10.0, ignoring=()):
    """Polls until read() gives `expected` and returns the last value read, so that the caller's
    assertion shows what was there when the time ran out. An error of a kind in `ignoring` counts
    as "not yet"; if the last read failed so, that error is raised."""
    end = time.monotonic() + timeout
    while True:
        try:
            value = read()
        except ignoring:
            if time.monotonic() > end:
                raise
        else:
            if value == expected or time.monotonic() > end:
                return value
        time.sleep(0.05)
