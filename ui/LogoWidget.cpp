// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/LogoWidget.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace tidewell {

LogoWidget::LogoWidget(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(120, 120);
}

void LogoWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height());
    painter.translate((width() - side) / 2.0, (height() - side) / 2.0);
    painter.scale(side / 100.0, side / 100.0);

    // Deep-water disc.
    QRadialGradient water(50, 40, 60);
    water.setColorAt(0.0, QColor(70, 150, 200));
    water.setColorAt(1.0, QColor(10, 45, 90));
    painter.setPen(QPen(QColor(10, 35, 70), 1.5));
    painter.setBrush(water);
    painter.drawEllipse(QRectF(3, 3, 94, 94));

    // The housing: a tube with hemispherical ends, standing upright, and its seam lines.
    QLinearGradient metal(34, 0, 66, 0);
    metal.setColorAt(0.0, QColor(120, 125, 130));
    metal.setColorAt(0.45, QColor(235, 238, 240));
    metal.setColorAt(1.0, QColor(100, 105, 110));
    painter.setBrush(metal);
    painter.setPen(QPen(QColor(40, 40, 45), 1.2));
    painter.drawRoundedRect(QRectF(36, 14, 28, 62), 14, 14);
    painter.drawLine(QPointF(36, 28), QPointF(64, 28));
    painter.drawLine(QPointF(36, 62), QPointF(64, 62));

    // Waves across the lower part.
    painter.setBrush(Qt::NoBrush);
    for (int row = 0; row < 3; ++row) {
        QPainterPath wave;
        const qreal y = 72 + row * 7;
        wave.moveTo(12 + row * 3, y);
        for (int i = 0; i < 4; ++i) {
            const qreal x = 12 + row * 3 + i * (19 - row * 1.5);
            wave.quadTo(x + 4.5, y - 4, x + 9, y);
            wave.quadTo(x + 13.5, y + 4, x + 18 - row * 1.5, y);
        }
        painter.setPen(QPen(QColor(200, 230, 250, 230 - row * 50), 2.0));
        painter.drawPath(wave);
    }
}

}  // namespace tidewell
