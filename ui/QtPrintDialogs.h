// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// PrintDialogs with Qt's print, page set-up and print preview dialogs.

#include <QPointer>
#include <QWidget>

#include "ui/PrintDialogs.h"

namespace tidewell {

class QtPrintDialogs : public PrintDialogs {
public:
    explicit QtPrintDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    bool ChoosePrinter(QPrinter& printer) override;
    void SetUpPage(QPrinter& printer) override;
    void Preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace tidewell
