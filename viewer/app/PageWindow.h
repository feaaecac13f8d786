#pragma once

#include <QMainWindow>

class QComboBox;
class RKV3CanvasCtl;

// The program's window: the page canvas with a zoom list above it.
class PageWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit PageWindow(QWidget* parent = nullptr);

    RKV3CanvasCtl* canvas() const { return canvas_; }

    // Opens a page image, or a model manifest when the model code is built
    // in, and shows its first page at the chosen zoom.
    void openFile(const QString& path);

private:
    void cboZoom_Click();

    RKV3CanvasCtl* canvas_ = nullptr;
    QComboBox* cboZoom_ = nullptr;
};
