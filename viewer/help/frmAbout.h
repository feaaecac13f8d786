#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPlainTextEdit;

// The About box: the program's icon, title and version, its notice of rights
// and its credits. It has no buttons; the window's close box (or Escape)
// closes it.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* owner = nullptr);

    // Help, About: shows the About box as a modal window owned by owner and
    // returns when the user has closed it.
    static void ShowAbout(QWidget* owner);

    // The texts of lblDisclaimer and txtCredits.
    static QString NoticeText();
    static QString CreditsText();

private:
    void createControls();
    void Form_Load();

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QGroupBox* fraCredits = nullptr;
    QPlainTextEdit* txtCredits = nullptr;
};
