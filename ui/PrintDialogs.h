// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The printer dialogs of the report commands, behind a small interface so that Print, Print
// Setup and Print Preview run headless in tests with scripted answers.

#include <functional>

class QPrinter;

namespace tidewell {

class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;

    // The Print dialog (printer, copies, print to file); it sets the printer up. False when the
    // user cancelled.
    virtual bool ChoosePrinter(QPrinter& printer) = 0;

    // Print Setup: paper, orientation and margins of the printer.
    virtual void SetUpPage(QPrinter& printer) = 0;

    // The print preview of the printer's pages; paint draws them on the printer it is given
    // (each time the preview needs them).
    virtual void Preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;
};

}  // namespace tidewell
