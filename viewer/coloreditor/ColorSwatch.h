#pragma once

#include <QWidget>

// A colour swatch: a sunken box filled with one colour value (red + 256 x
// green + 65536 x blue, bytes taken by the canvas's byte rule). A click with
// the left button, or the space bar while it has the focus, emits clicked().
class ColorSwatch : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)

public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    qint32 BackColor() const { return backColor_; }
    void setBackColor(qint32 colorValue);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    qint32 backColor_ = 0;
    bool pressed_ = false;
};
