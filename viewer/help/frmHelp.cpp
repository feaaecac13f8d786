#include "help/frmHelp.h"

#include "help/ApplicationIcon.h"
#include "help/HelpTopics.h"
#include "platform/ProgramInfo.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The one help window of the program, while it is open.
QPointer<frmHelp> openHelpWindow;

}  // namespace

frmHelp::frmHelp(QWidget* owner, const QString& folder)
    : QDialog(owner), folder_(folder.isEmpty() ? Platform::programFolder() : folder)
{
    setObjectName(QStringLiteral("frmHelp"));
    createControls();
    Form_Load();
}

frmHelp* frmHelp::ShowHelp(QWidget* owner)
{
    // Any fault while opening the help window is ignored: the user simply
    // gets no help window.
    try {
        if (!openHelpWindow) {
            openHelpWindow = new frmHelp(owner);
            openHelpWindow->setAttribute(Qt::WA_DeleteOnClose);
        }
        openHelpWindow->show();
        if (openHelpWindow->isMinimized()) openHelpWindow->showNormal();
        openHelpWindow->raise();
        openHelpWindow->activateWindow();
        return openHelpWindow;
    } catch (...) {
        return nullptr;
    }
}

frmHelp* frmHelp::OpenWindow() { return openHelpWindow; }

QSize frmHelp::sizeHint() const { return QSize(720, 480); }

void frmHelp::createControls()
{
    setWindowTitle(tr("Help Contents"));
    setWindowIcon(applicationIcon());
    setModal(false);
    setSizeGripEnabled(true);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);

    fraTopics = new QGroupBox(tr("Help Topics"), this);
    fraTopics->setObjectName(QStringLiteral("fraTopics"));
    lstTopics = new QListWidget(fraTopics);
    lstTopics->setObjectName(QStringLiteral("lstTopics"));
    for (const HelpTopic& topic : HelpTopics) lstTopics->addItem(QString::fromLatin1(topic.caption));
    // The list is as wide as its longest caption, so no caption is cut off.
    lstTopics->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    lstTopics->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    auto* topicsLayout = new QVBoxLayout(fraTopics);
    topicsLayout->addWidget(lstTopics);

    fraContents = new QGroupBox(tr("Contents"), this);
    fraContents->setObjectName(QStringLiteral("fraContents"));
    txtContents = new QPlainTextEdit(fraContents);
    txtContents->setObjectName(QStringLiteral("txtContents"));
    txtContents->setReadOnly(true);
    txtContents->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* contentsLayout = new QVBoxLayout(fraContents);
    contentsLayout->addWidget(txtContents);

    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);

    auto* frames = new QHBoxLayout;
    frames->addWidget(fraTopics);
    frames->addWidget(fraContents, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames, 1);
    layout->addLayout(buttons);

    connect(lstTopics, &QListWidget::currentRowChanged, this, [this] { lstTopics_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

void frmHelp::Form_Load()
{
    // Selecting the first topic shows it, as a click on it would.
    lstTopics->setCurrentRow(0);
}

void frmHelp::lstTopics_Click()
{
    const int index = lstTopics->currentRow();
    if (index < 0 || index >= static_cast<int>(HelpTopics.size())) return;
    // A topic whose file is missing or unreadable leaves the text shown.
    const std::optional<QString> text =
        ReadTextFile(folder_, QString::fromLatin1(HelpTopics[static_cast<std::size_t>(index)].file));
    if (text) txtContents->setPlainText(*text);
}

void frmHelp::cmdClose_Click() { close(); }
