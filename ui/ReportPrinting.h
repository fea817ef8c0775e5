// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Draws the printed analysis report: each page of the print layout on one sheet, line under line
// in a fixed-pitch font as large as the printable area allows (report/PrintFontFit). The printer,
// the print preview and the PDF file all draw through PrintReport, so they show the same pages.

#include <QRectF>
#include <functional>
#include <string>

#include "report/PrintLayout.h"

class QPageLayout;
class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace tidewell {

// Said when the painter cannot start on the printer: the only thing the platform tells us.
inline const char* const kPrinterNotReadyMessage =
    "The report could not be printed: no printer is installed, or the printer refused the "
    "job.";
inline const char* const kPrintFailedMessage =
    "The report could not be printed: the printer reported an error while printing.";
inline const char* const kPageTooSmallMessage =
    "The report could not be printed: the page has no room for it. Choose a larger paper or "
    "smaller margins in Print Setup.";

// Default margins of the report's printer, in inches (the user changes them in Print Setup).
inline constexpr double kReportMarginInches = 0.75;

// Draws every page of the layout with an active painter whose printable area is pageArea,
// calling newPage between two pages. False when the page has no room for the report or a new
// page could not be started.
bool PaintReportPages(QPainter& painter, const PrintLayout& layout, const QRectF& pageArea,
                      const std::function<bool()>& newPage);

// Prints one copy of the layout on the device (a printer makes any further copies itself).
// Returns an empty text when done, otherwise what went wrong, for the user.
std::string PrintReport(QPagedPaintDevice& device, const PrintLayout& layout);

// Writes the printed form to a PDF file with the given paper and margins, through a temporary
// file that replaces path only when complete. Returns an empty text or what went wrong.
std::string ExportReportPdf(const std::string& path, const PrintLayout& layout,
                            const QPageLayout& pageLayout);

// A new printer for the report: high resolution and the default margins.
void SetUpReportPrinter(QPrinter& printer);

}  // namespace tidewell
