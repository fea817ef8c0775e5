// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The size of the printed report's fixed-pitch font. The font is as large as the page allows while
// the widest line (at least the 80-character page line) fits across the printable area and the
// longest laid-out page fits down it, so every page of the layout is exactly one sheet.

#include "report/PrintLayout.h"

namespace tidewell {

// A printable area and a fixed-pitch font measured on the device that prints it. All lengths are
// in the device's units; "per point" means for a font of one point.
struct PrintPageMetrics {
    double pageWidth = 0;
    double pageHeight = 0;
    double advancePerPoint = 0;      // width of one character
    double lineSpacingPerPoint = 0;  // distance from one baseline to the next
};

// Characters a printed line must hold: the page width, or the longest line when one is longer.
int PrintLineCharacters(const PrintLayout& layout);

// Lines of the longest page.
int PrintLinesPerPage(const PrintLayout& layout);

// The largest font size, in hundredths of a point rounded down, at which the layout fits the
// page; 0 when the metrics describe no usable page or font.
double PrintFontPointSize(const PrintLayout& layout, const PrintPageMetrics& metrics);

}  // namespace tidewell
