#include "help/frmAbout.h"

#include "help/ApplicationIcon.h"
#include "platform/ProgramInfo.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

frmAbout::frmAbout(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    createControls();
    Form_Load();
}

void frmAbout::ShowAbout(QWidget* owner)
{
    frmAbout about(owner);
    about.exec();
}

QString frmAbout::NoticeText()
{
    return tr(
        "Copyright \u00A9 2026 the RKVViewer3 developers.\n"
        "This program, its canvas library, its help texts and its sample model may be copied "
        "and passed on freely, unchanged and free of charge, together with this notice. "
        "They are provided as they are, without warranty of any kind; you use them at your "
        "own risk.");
}

QString frmAbout::CreditsText()
{
    return tr(
               "RKVViewer3 is written and kept by the RKVViewer3 developers.\r\n"
               "\r\n"
               "The page canvas, the color editor with its material preview, the print layout, "
               "the help texts and the Cottage sample model, its palettes, schemes and colors "
               "were all made for this program; the sample model is drawn by our own model "
               "generator.\r\n"
               "\r\n"
               "Built with the Qt toolkit, version %1, used under the GNU Lesser General Public "
               "License, version 3.\r\n"
               "\r\n"
               "Thanks to everyone who builds, colors and prints paper models, and tells us what "
               "would make the next version better.")
        .arg(QString::fromLatin1(QT_VERSION_STR));
}

void frmAbout::createControls()
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowIcon(applicationIcon());

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(applicationIcon().pixmap(QSize(64, 64)));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblTitle = new QLabel(tr("RKVViewer 3 for %1").arg(Platform::platformName()), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    lblDisclaimer = new QLabel(NoticeText(), this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer->setWordWrap(true);

    fraCredits = new QGroupBox(tr("Credits and Acknowledgements"), this);
    fraCredits->setObjectName(QStringLiteral("fraCredits"));
    txtCredits = new QPlainTextEdit(CreditsText(), fraCredits);
    txtCredits->setObjectName(QStringLiteral("txtCredits"));
    txtCredits->setReadOnly(true);
    // Room for the credits without scrolling, in the user's font.
    const QFontMetrics metrics(txtCredits->font());
    txtCredits->setMinimumSize(metrics.averageCharWidth() * 64, metrics.lineSpacing() * 13);
    auto* creditsLayout = new QVBoxLayout(fraCredits);
    creditsLayout->addWidget(txtCredits);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(8);
    texts->addWidget(lblDisclaimer);
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon);
    top->addSpacing(8);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(fraCredits, 1);
    // The box keeps the size its texts need.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmAbout::Form_Load()
{
    setWindowTitle(tr("About %1").arg(Platform::programTitle()));
    const Platform::ProgramVersion version = Platform::programVersion();
    lblVersion->setText(tr("Version %1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision));
}
