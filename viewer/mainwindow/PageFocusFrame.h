#pragma once

#include <QFocusFrame>

// A frame in the style's highlight colour around the page canvas while the
// keyboard focus is on the page (the canvas or any part of it), so a user
// sees where Space, Home, End and the arrow keys go. The canvas draws no
// focus of its own; the frame lies just outside it.
class PageFocusFrame : public QFocusFrame {
    Q_OBJECT

public:
    explicit PageFocusFrame(QWidget* page);

private:
    void focusMoved(QWidget* now);

    QWidget* page_;
};
