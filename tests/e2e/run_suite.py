# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs one end-to-end suite: python3 run_suite.py SUITE.py [unittest arguments].

Every suite imports the shared modules beside this runner (expected, polling, ...) by name; what
all of a suite's tests need first goes in its setUpModule. Prints how many tests passed and
failed, and ends with 1 on a failure or when no test ran.
"""

import importlib.util
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
path = os.path.abspath(sys.argv[1])
located = importlib.util.spec_from_file_location("suite", path)
suite = importlib.util.module_from_spec(located)
sys.modules["suite"] = suite
located.loader.exec_module(suite)
result = unittest.main(module=suite, argv=[path] + sys.argv[2:], exit=False,
                       verbosity=2).result
failed = len(result.failures) + len(result.errors)
print("%d passed, %d failed" % (result.testsRun - failed, failed))
sys.exit(1 if failed or result.testsRun == 0 else 0)
