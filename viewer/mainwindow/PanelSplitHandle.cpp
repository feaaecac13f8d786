#include "mainwindow/PanelSplitHandle.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <cmath>

PanelSplitHandle::PanelSplitHandle(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::SplitVCursor);
    setToolTip(tr("Drag to share the room between the palette and the region list"));
}

void PanelSplitHandle::paintEvent(QPaintEvent*)
{
    // The style's own splitter grip, lying across the strip.
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    option.state &= ~QStyle::State_Horizontal;
    if (dragging_) option.state |= QStyle::State_Sunken;
    style()->drawControl(QStyle::CE_Splitter, &option, &painter, this);
}

void PanelSplitHandle::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    dragging_ = true;
    moved_ = false;
    pressY_ = event->globalPosition().y();
    emit pressed();
    update();
}

void PanelSplitHandle::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_) return QWidget::mouseMoveEvent(event);
    const int travel = int(std::lround(event->globalPosition().y() - pressY_));
    moved_ = moved_ || travel != 0;
    emit dragged(travel);
}

void PanelSplitHandle::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_ || event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    dragging_ = false;
    if (moved_) emit released();
    update();
}

void PanelSplitHandle::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}
