#include "mainwindow/Swatch.h"

#include "platform/PlainText.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>

Swatch::Swatch(QWidget* parent) : ColorSwatch(parent)
{
    // The tool tip is a colour's or region's name, read from a file.
    Platform::ShowToolTipAsPlainText(this);
}

SwatchValues Swatch::values() const
{
    return {BackColor(), SwatchMime::OffsetOfTag(tag_), toolTip()};
}

void Swatch::runDrag(QMimeData* mime)
{
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(grab());
    drag->setHotSpot(pressPos_);
    drag->exec(Qt::CopyAction);
}

void Swatch::mousePressEvent(QMouseEvent* event)
{
    armed_ = event->button() == Qt::LeftButton;
    rightPressed_ = event->button() == Qt::RightButton;
    dragged_ = false;
    pressPos_ = event->position().toPoint();
    ColorSwatch::mousePressEvent(event);
}

void Swatch::mouseMoveEvent(QMouseEvent* event)
{
    if (!armed_ || !(event->buttons() & Qt::LeftButton)) {
        ColorSwatch::mouseMoveEvent(event);
        return;
    }
    if ((event->position().toPoint() - pressPos_).manhattanLength() < QApplication::startDragDistance()) return;
    armed_ = false;
    dragged_ = true;
    event->accept();
    // The drop may run code that removes this swatch (a list being rebuilt).
    QPointer<Swatch> self(this);
    runDrag(SwatchMime::encode(values()));
    if (self) self->armed_ = false;
}

void Swatch::mouseReleaseEvent(QMouseEvent* event)
{
    armed_ = false;
    if (event->button() == Qt::RightButton) {
        const bool click = rightPressed_ && rect().contains(event->position().toPoint());
        rightPressed_ = false;
        event->accept();
        if (click) emit rightClicked();
        return;
    }
    if (dragged_) {
        // The press became a drag; its release is no click.
        dragged_ = false;
        event->accept();
        return;
    }
    ColorSwatch::mouseReleaseEvent(event);
}

void Swatch::dragEnterEvent(QDragEnterEvent* event)
{
    if (SwatchMime::decode(event->mimeData())) event->acceptProposedAction();
    else event->ignore();
}

void Swatch::dragMoveEvent(QDragMoveEvent* event)
{
    if (SwatchMime::decode(event->mimeData())) event->acceptProposedAction();
    else event->ignore();
}

void Swatch::dropEvent(QDropEvent* event)
{
    const std::optional<SwatchValues> values = SwatchMime::decode(event->mimeData());
    if (!values) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit dropped(*values);
}
