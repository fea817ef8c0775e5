// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The product logo: a pressure housing (a tube closed by two hemispherical endcaps) riding on
// waves, drawn with QPainter so that it scales and needs no image file. It is a button: a click,
// or Space while it has the keyboard focus, emits clicked(), and screen readers offer it as one.

#include <QAbstractButton>

namespace tidewell {

class LogoWidget : public QAbstractButton {
    Q_OBJECT
public:
    explicit LogoWidget(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {150, 150}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tidewell
