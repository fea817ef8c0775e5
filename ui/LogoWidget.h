#pragma once
// The product logo: a pressure housing (a tube closed by two hemispherical endcaps) riding on
// waves, drawn with QPainter so that it scales and needs no image file. Clicking it emits
// clicked().

#include <QWidget>

namespace tidewell {

class LogoWidget : public QWidget {
    Q_OBJECT
public:
    explicit LogoWidget(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {150, 150}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tidewell
