#pragma once

#include <QImage>
#include <QWidget>

// A fixed-size surface that shows one picture at its origin, unscaled (the
// colour editor's material preview). The picture is kept, so it can be read
// back exactly as it was set.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QSize innerSize, QWidget* parent = nullptr);

    QSize innerSize() const { return innerSize_; }
    const QImage& picture() const { return picture_; }
    // Makes image the picture and repaints.
    void setPicture(const QImage& image);

    QSize sizeHint() const override { return innerSize_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize innerSize_;
    QImage picture_;
};
