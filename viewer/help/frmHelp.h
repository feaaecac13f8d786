#pragma once

#include <QDialog>

class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The help window: a list of help topics and the text of the chosen one,
// read from the help/ folder of the program folder. It is modeless, so it
// may stay open beside the main window while the user works.
class frmHelp : public QDialog {
    Q_OBJECT

public:
    // The window reads its topics below folder (the program folder unless a
    // caller names another); its load steps run here and show topic 0.
    explicit frmHelp(QWidget* owner = nullptr, const QString& folder = QString());

    // Help, Contents: shows the help window without blocking its owner. A
    // window already open is brought to the front unchanged, with its
    // current topic. Returns the window shown (null when it could not be).
    static frmHelp* ShowHelp(QWidget* owner);
    // The help window ShowHelp keeps, while it is open.
    static frmHelp* OpenWindow();

    QSize sizeHint() const override;

private:
    void createControls();

    void Form_Load();
    void lstTopics_Click();
    void cmdClose_Click();

    QString folder_;
    QGroupBox* fraTopics = nullptr;
    QListWidget* lstTopics = nullptr;
    QGroupBox* fraContents = nullptr;
    QPlainTextEdit* txtContents = nullptr;
    QPushButton* cmdClose = nullptr;
};
