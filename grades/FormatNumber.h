// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace grades {

// The display texts always use "." and never group digits, whatever the user's locale. Rounding
// works on the shortest decimal text that reads back as the same double, so that a value the user
// would write as 1.015 rounds as that decimal does.

// The GPA rounded to two decimals, an exact half to the even neighbour, with no trailing zeros:
// 4, 3.3, 0.5, 2.36, 3.12 for 3.125.
std::string FormatGpa(double gpa);

// The total as it is, in plain digits with no exponent: 25, 1.5, 100000000000000000000.
std::string FormatTotal(double total);

// A share (0.25, not 25) as a percentage with two decimals, an exact half rounded away from
// zero: 3.13% for 1/32, 100.00% for 1.
std::string FormatPercent(double share);

}  // namespace grades
