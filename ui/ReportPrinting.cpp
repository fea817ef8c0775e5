// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ReportPrinting.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include "report/PrintFontFit.h"
#include "report/TextReport.h"
#include "ui/QtText.h"

namespace tidewell {

namespace {

// Font metrics are measured at this size and scaled: large enough that rounding does not matter.
constexpr double kMeasuringPointSize = 100.0;

QFont ReportFont() {
    // Named rather than the platform's fixed font, which the offscreen platform (the PDF export
    // without a display) does not know: every platform then finds the same font.
    QFont font(QStringLiteral("monospace"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    // Unhinted advances scale with the size, so the measured line width holds at any size.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace

bool PaintReportPages(QPainter& painter, const PrintLayout& layout, const QRectF& pageArea,
                      const std::function<bool()>& newPage) {
    QFont font = ReportFont();
    font.setPointSizeF(kMeasuringPointSize);
    const QFontMetricsF measured(font, painter.device());
    PrintPageMetrics metrics;
    metrics.pageWidth = pageArea.width();
    metrics.pageHeight = pageArea.height();
    metrics.advancePerPoint = measured.horizontalAdvance(QLatin1Char('0')) / kMeasuringPointSize;
    metrics.lineSpacingPerPoint = measured.lineSpacing() / kMeasuringPointSize;
    const double pointSize = PrintFontPointSize(layout, metrics);
    if (pointSize <= 0) return false;

    font.setPointSizeF(pointSize);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double lineStep = pointSize * metrics.lineSpacingPerPoint;
    const double ascent = QFontMetricsF(font, painter.device()).ascent();

    for (size_t p = 0; p < layout.pages.size(); ++p) {
        if (p > 0 && !newPage()) return false;
        const std::vector<std::string>& lines = layout.pages[p].lines;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].empty()) continue;
            const QPointF baseline(pageArea.left(),
                                   pageArea.top() + ascent + static_cast<double>(i) * lineStep);
            painter.drawText(baseline, ToQ(lines[i]));
        }
    }
    return true;
}

std::string PrintReport(QPagedPaintDevice& device, const PrintLayout& layout) {
    QPainter painter;
    if (!painter.begin(&device)) return kPrinterNotReadyMessage;
    // The painter's origin is the corner of the printable area, inside the margins.
    const QRectF pageArea(0, 0, device.width(), device.height());
    bool pageRefused = false;
    const bool drawn = PaintReportPages(painter, layout, pageArea, [&device, &pageRefused] {
        pageRefused = !device.newPage();
        return !pageRefused;
    });
    painter.end();
    if (!drawn) return pageRefused ? kPrintFailedMessage : kPageTooSmallMessage;
    if (auto* printer = dynamic_cast<QPrinter*>(&device);
        printer && printer->printerState() == QPrinter::Error) {
        return kPrintFailedMessage;
    }
    return "";
}

std::string ExportReportPdf(const std::string& path, const PrintLayout& layout,
                            const QPageLayout& pageLayout) {
    QSaveFile file(ToQ(path));
    if (!file.open(QIODevice::WriteOnly)) return kReportFileErrorMessage;
    std::string problem;
    {
        // The writer finishes the file when it is destroyed, before the file is committed.
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Tidewell"));
        writer.setTitle(QStringLiteral("Tidewell analysis report"));
        writer.setPageLayout(pageLayout);
        problem = PrintReport(writer, layout);
    }
    if (!problem.empty()) {
        file.cancelWriting();
        return problem;
    }
    if (!file.commit()) return kReportFileErrorMessage;
    return "";
}

void SetUpReportPrinter(QPrinter& printer) {
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(kReportMarginInches, kReportMarginInches, kReportMarginInches,
                                     kReportMarginInches),
                           QPageLayout::Inch);
}

}  // namespace tidewell
