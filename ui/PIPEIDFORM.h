// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pipe size table: inside diameters of standard pipe by nominal size and schedule. A click on
// a filled data cell is a pick; the window closes after a pick, on Escape and when another window
// takes the activation.

#include <QDialog>

class QTableWidget;

namespace tidewell {

class PIPEIDFORM : public QDialog {
    Q_OBJECT
public:
    explicit PIPEIDFORM(QWidget* parent = nullptr);

    // A click on the cell at grid row and column (0 are the headings).
    void PickCell(int row, int column);

signals:
    // A filled data cell was picked (row 1 to 8, column 1 to 20).
    void picked(int row, int column);

protected:
    void changeEvent(QEvent* event) override;

private:
    QTableWidget* grid_ = nullptr;
    bool wasActive_ = false;
};

}  // namespace tidewell
