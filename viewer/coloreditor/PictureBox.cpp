#include "coloreditor/PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QSize innerSize, QWidget* parent) : QWidget(parent), innerSize_(innerSize)
{
    setFixedSize(innerSize_);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QImage& image)
{
    picture_ = image;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!picture_.isNull()) painter.drawImage(QPoint(0, 0), picture_);
}
