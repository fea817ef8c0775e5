// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pressure range that spans a design: a table whose pressures stop far below the failure
// pressure shows stresses of about zero, so the range is chosen to reach it.

#include <string>

namespace tidewell {

// Index (0 to 5) of the smallest pressure range, in the range unit ("psi" or "Bar"), whose upper
// end reaches failurePressurePsi; the largest range (5) when none does.
int FittedPressureRange(double failurePressurePsi, const std::string& rangeUnit);

}  // namespace tidewell
