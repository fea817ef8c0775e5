// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The picture of a geometry editor (`Pict`): the section of the body or endcap drawn to scale in
// shades of grey, in a square that follows the window's size.

#include <QWidget>
#include <array>
#include <cstdint>

namespace tidewell {

// What to draw: a body code (10 tube, 9 sphere, 8 hemisphere) or an endcap code (1 to 4), and its
// dimensions in inches in the order of the editor's fields.
struct SketchShape {
    int16_t component = 0;
    std::array<double, 8> dims{};
};

class GeometrySketch : public QWidget {
    Q_OBJECT
public:
    explicit GeometrySketch(QWidget* parent = nullptr);

    void SetShape(const SketchShape& shape);
    // Nothing drawn until the next SetShape (a field is being edited).
    void Clear();

    QSize sizeHint() const override { return {260, 260}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    SketchShape shape_;
    bool drawn_ = false;
};

}  // namespace tidewell
