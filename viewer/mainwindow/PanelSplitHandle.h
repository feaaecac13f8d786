#pragma once

#include <QWidget>

// The handle in the gap between the palette list and the region list: a
// thin strip with a grip, under a pointer that shows it can be dragged up
// and down. It only reports the drag; the window moves the lists.
class PanelSplitHandle : public QWidget {
    Q_OBJECT

public:
    explicit PanelSplitHandle(QWidget* parent);

signals:
    // A left button was pressed on the handle.
    void pressed();
    // The pointer moved `travel` pixels down (negative: up) since the press.
    void dragged(int travel);
    // The button was let go after the pointer moved.
    void released();
    // A double click: back to the designed place.
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool dragging_ = false;
    bool moved_ = false;
    double pressY_ = 0;  // global pointer position at the press
};
