// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/GeometrySketch.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace tidewell {

namespace {

const QColor kMaterial(96, 96, 96);
const QColor kOpen(224, 224, 224);
const QColor kOutline(32, 32, 32);
const QColor kBackground(Qt::white);

bool Positive(double value) {
    return value > 0 && std::isfinite(value);
}

// The extent of a shape in inches (width, height); empty when it cannot be drawn yet.
QSizeF ExtentOf(const SketchShape& s) {
    const double outside = s.dims[1];
    if (!Positive(outside) || !Positive(s.dims[2])) return {};
    switch (s.component) {
        case 10:
            return Positive(s.dims[3]) && Positive(s.dims[0]) ? QSizeF(s.dims[3], outside)
                                                              : QSizeF();
        case 9:
            return Positive(s.dims[0]) ? QSizeF(outside, outside) : QSizeF();
        case 8:
        case 3:
            return Positive(s.dims[0]) ? QSizeF(outside, outside / 2) : QSizeF();
        case 2:
            return Positive(s.dims[0]) && Positive(s.dims[3]) ? QSizeF(outside, s.dims[3])
                                                              : QSizeF();
        case 1:
        case 4:
            return {outside, s.dims[2]};
        default:
            return {};
    }
}

// Draws the shape in inches, origin at the middle of its base, y upwards.
void DrawShape(QPainter& p, const SketchShape& s) {
    const double inside = s.dims[0];
    const double outside = s.dims[1];
    const double wall = s.dims[2];
    p.setPen(QPen(kOutline, 0));
    switch (s.component) {
        case 10: {  // tube: a section along its axis, the walls above and below the bore
            const double length = s.dims[3];
            p.setBrush(kMaterial);
            p.drawRect(QRectF(-length / 2, 0, length, outside));
            p.setBrush(kOpen);
            p.drawRect(QRectF(-length / 2, (outside - inside) / 2, length, inside));
            p.setPen(QPen(kOutline, 0, Qt::DashDotLine));
            p.drawLine(QPointF(-length / 2, outside / 2), QPointF(length / 2, outside / 2));
            break;
        }
        case 9:  // sphere: the outer and inner surfaces
            p.setBrush(kMaterial);
            p.drawEllipse(QPointF(0, outside / 2), outside / 2, outside / 2);
            p.setBrush(kOpen);
            p.drawEllipse(QPointF(0, outside / 2), inside / 2, inside / 2);
            break;
        case 8:
        case 3: {  // hemisphere: two half circles on the base line
            const QRectF outer(-outside / 2, -outside / 2, outside, outside);
            const QRectF inner(-inside / 2, -inside / 2, inside, inside);
            p.setBrush(kMaterial);
            p.drawChord(outer, 0, 180 * 16);
            p.setBrush(kOpen);
            p.drawChord(inner, 0, 180 * 16);
            break;
        }
        case 2: {  // cone: the outer and inner surfaces of the section
            const double height = s.dims[3];
            const double innerApex =
                std::max(0.0, height - wall * std::hypot(outside / 2, height) / (outside / 2));
            p.setBrush(kMaterial);
            p.drawPolygon(
                QPolygonF({QPointF(-outside / 2, 0), QPointF(0, height), QPointF(outside / 2, 0)}));
            p.setBrush(kOpen);
            p.drawPolygon(QPolygonF(
                {QPointF(-inside / 2, 0), QPointF(0, innerApex), QPointF(inside / 2, 0)}));
            break;
        }
        case 1:
        case 4: {  // plates: the section, the center hole, the free diameter dashed
            p.setBrush(kMaterial);
            p.drawRect(QRectF(-outside / 2, 0, outside, wall));
            const double hole = s.component == 1 ? s.dims[3] : 0;
            if (Positive(hole) && hole < outside) {
                p.setBrush(kBackground);
                p.drawRect(QRectF(-hole / 2, 0, hole, wall));
            }
            if (Positive(inside)) {
                p.setPen(QPen(kOutline, 0, Qt::DashLine));
                for (const double x : {-inside / 2, inside / 2}) {
                    p.drawLine(QPointF(x, -wall), QPointF(x, 2 * wall));
                }
            }
            break;
        }
        default:
            break;
    }
}

}  // namespace

GeometrySketch::GeometrySketch(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Pict"));
    setAccessibleName(QStringLiteral("Sketch"));
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(150, 150);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAutoFillBackground(false);
}

void GeometrySketch::SetShape(const SketchShape& shape) {
    shape_ = shape;
    drawn_ = true;
    update();
}

void GeometrySketch::Clear() {
    drawn_ = false;
    update();
}

void GeometrySketch::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    const int side = std::min(width(), height());
    const QRectF square(0, 0, side, side);
    p.fillRect(rect(), palette().window());
    p.fillRect(square, kBackground);
    p.setPen(QPen(kOutline, 1));
    p.drawRect(square.adjusted(0, 0, -1, -1));
    const QSizeF extent = ExtentOf(shape_);
    if (!drawn_ || extent.isEmpty()) return;
    // To scale: the larger extent fills nine tenths of the square; a thin plate keeps a visible
    // thickness.
    const double scale = side * 0.9 / std::max(extent.width(), extent.height());
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(side / 2.0, side / 2.0 + std::max(extent.height() * scale, 2.0) / 2);
    p.scale(scale, -scale);
    if (extent.height() * scale < 2) p.scale(1, 2 / (extent.height() * scale));
    DrawShape(p, shape_);
}

void GeometrySketch::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    emit clicked();
}

void GeometrySketch::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit clicked();
}

}  // namespace tidewell
