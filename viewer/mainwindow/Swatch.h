#pragma once

#include "coloreditor/ColorSwatch.h"
#include "mainwindow/SwatchMime.h"

#include <QPoint>

class QMimeData;

// One swatch of the palette or region list: a sunken box in its colour value
// (BackColor), carrying the colour's offset as decimal text (Tag) and its
// name (the tool tip).
//
// A press with the left button that is released without the pointer moving
// the platform's drag distance is a click (clicked()); moving that far starts
// a drag that carries the swatch's colour, offset and name (SwatchMime). A
// swatch that accepts drops takes such a drag and reports its values
// (dropped()); drags of any other kind are refused.
class Swatch : public ColorSwatch {
    Q_OBJECT
    Q_PROPERTY(QString Tag READ Tag WRITE setTag)

public:
    explicit Swatch(QWidget* parent = nullptr);

    QString Tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    // The values a drag of this swatch carries: BackColor, the numeric value
    // of Tag and the tool tip.
    SwatchValues values() const;

    void setAcceptsSwatchDrops(bool accept) { setAcceptDrops(accept); }

signals:
    void dropped(const SwatchValues& values);
    // A press and release of the right button over the swatch.
    void rightClicked();

protected:
    // Runs the drag with the given data; returns when it has ended. Tests
    // replace it to see the data without a modal drag loop.
    virtual void runDrag(QMimeData* mime);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QString tag_;
    QPoint pressPos_;
    bool armed_ = false;    // a left press that may still become a drag
    bool dragged_ = false;  // this press became a drag: its release is no click
    bool rightPressed_ = false;
};
