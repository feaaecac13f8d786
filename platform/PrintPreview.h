#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QWidget;

namespace Platform {

// The print preview: a job draws its sheets on the QPrinter it is handed,
// exactly as it would on a printer, and the preview window shows them. The
// job may run more than once (the window asks again when it needs the
// sheets again). Tests install a responder instead of the window.
class PrintPreview {
public:
    using Job = std::function<void(QPrinter& sheets)>;
    using Responder = std::function<void(QPrinter& sheets, const Job& job, QWidget* owner)>;

    // Shows the sheets the job draws on `sheets` (set up as the printer's),
    // modally over owner, until the user closes the window; a notice (a
    // warning about the sheets) shows above them when it is not empty.
    static void show(QPrinter& sheets, const Job& job, QWidget* owner, const QString& notice = QString());

    // Installs a responder (an empty one restores the window); returns the
    // previous one.
    static Responder setResponder(Responder responder);
};

// The preview window: the sheets one at a time, with sheet navigation
// ("Sheet n of m" follows the sheet shown, however it is reached) and zoom.
// It has no print button of its own: printing stays with the dialog that
// opened it.
class PrintPreviewWindow : public QDialog {
    Q_OBJECT
public:
    PrintPreviewWindow(QPrinter& sheets, const PrintPreview::Job& job, QWidget* owner,
                       const QString& notice = QString());

private:
    void showSheet(int sheet);
    void updateSheetLabel();

    QPrintPreviewWidget* picPreview_ = nullptr;
    QLabel* lblSheet_ = nullptr;
};

}  // namespace Platform
