// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PIPEIDFORM.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "forms/PipeSizeTable.h"
#include "ui/HomeForm.h"
#include "ui/QtText.h"

namespace tidewell {

namespace {

constexpr int kHeadingWidthTwips = 1000;
constexpr int kCellWidthTwips = 800;

}  // namespace

PIPEIDFORM::PIPEIDFORM(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PIPEIDFORM"));
    setWindowTitle(QStringLiteral("PIPE INSIDE DIMENSIONAL DATA - CARBON AND STAINLESS STEEL"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    grid_ = new QTableWidget(kPipeScheduleRows + 1, kPipeSizeColumns + 1, this);
    grid_->setObjectName(QStringLiteral("PipeGrid"));
    grid_->setAccessibleName(QStringLiteral("Pipe inside diameters by size and schedule"));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    const QBrush heading = palette().button();
    for (int row = 0; row <= kPipeScheduleRows; ++row) {
        for (int column = 0; column <= kPipeSizeColumns; ++column) {
            auto* cell = new QTableWidgetItem(ToQ(PipeCellText(row, column)));
            if (row == 0 || column == 0) {
                cell->setFlags(Qt::ItemIsEnabled);
                cell->setBackground(heading);
            } else {
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            grid_->setItem(row, column, cell);
        }
    }
    grid_->setColumnWidth(0, kHeadingWidthTwips / kTwipsPerPixel);
    for (int column = 1; column <= kPipeSizeColumns; ++column) {
        grid_->setColumnWidth(column, kCellWidthTwips / kTwipsPerPixel);
    }
    grid_->setCurrentCell(1, 1);
    connect(grid_, &QTableWidget::cellClicked, this, &PIPEIDFORM::PickCell);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(grid_);
    int width = 8 + grid_->frameWidth() * 2;
    for (int column = 0; column <= kPipeSizeColumns; ++column) width += grid_->columnWidth(column);
    int height = 8 + grid_->frameWidth() * 2;
    for (int row = 0; row <= kPipeScheduleRows; ++row) height += grid_->rowHeight(row);
    resize(width, height);
}

void PIPEIDFORM::PickCell(int row, int column) {
    if (PipeInsideDiameter(row, column) > 0) emit picked(row, column);
}

void PIPEIDFORM::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // The table is a passing choice: it goes away when the user works elsewhere.
    if (event->type() != QEvent::ActivationChange || !isVisible()) return;
    if (isActiveWindow()) {
        wasActive_ = true;
    } else if (wasActive_) {
        close();
    }
}

}  // namespace tidewell
