// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/QtPrintDialogs.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace tidewell {

bool QtPrintDialogs::ChoosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    // The whole report is printed: no selection and no page range to choose.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrintDialogs::SetUpPage(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent_);
    dialog.setObjectName(QStringLiteral("PageSetupDialog"));
    dialog.exec();
}

void QtPrintDialogs::Preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent_);
    dialog.setObjectName(QStringLiteral("PrintPreviewDialog"));
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) {
                         if (target) paint(*target);
                     });
    dialog.resize(900, 1000);
    dialog.exec();
}

}  // namespace tidewell
