// The real Qt choosers run modally; a timer plays the user, picking a file
// or a colour and accepting, so the whole road from request to result is
// exercised without a scripted stand-in.
#include "dialogs/cCommonDialog.h"
#include "platform/ColorChooser.h"
#include "platform/FileChooser.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Platform;

namespace {

// Plays the user on the modal dialog of type T: runs action on it as soon as
// it is shown. Should a modal window still be open a few seconds later (an
// action that did not close the dialog, a warning box the dialog raised), the
// watchdog rejects every modal window, so a broken test fails instead of
// hanging the run.
template <typename T>
class ModalPlayer {
public:
    template <typename Action>
    explicit ModalPlayer(Action action)
    {
        QObject::connect(&poll_, &QTimer::timeout, [this, action] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                poll_.stop();
                action(dialog);
            }
        });
        poll_.start(10);
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [this] {
            poll_.stop();
            for (int i = 0; i < 8; ++i) {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal) break;
                timedOut_ = true;
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
        });
        watchdog_.start(10000);
    }
    ~ModalPlayer() { EXPECT_FALSE(timedOut_) << "the dialog was still open when the watchdog fired"; }

private:
    QTimer poll_;
    QTimer watchdog_;
    bool timedOut_ = false;
};

}  // namespace

TEST(QtChooserRun, OpenChooserGivesTheFileAndTheSelectedFilter)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("ship.rkv3"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ModalPlayer<QFileDialog> player([&](QFileDialog* dialog) {
        dialog->selectNameFilter(dialog->nameFilters().value(1));
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->accept();  // the dialog's own accept checks the choice
    });
    cCommonDialog common;
    QString Filename, FileTitle;
    bool ReadOnly = false;
    QString Filter = QStringLiteral("RKV3 Model(*.RKV3)|*.RKV3|All files|*.*");
    qint32 FilterIndex = 1, flags = 0;
    ASSERT_TRUE(common.VBGetOpenFileName(Filename, FileTitle, true, false, ReadOnly, false, Filter,
                                         FilterIndex, dir.path(), QStringLiteral("Open Model"),
                                         QString(), nullptr, flags));
    EXPECT_EQ(Filename, file);
    EXPECT_EQ(FileTitle, QStringLiteral("ship.rkv3"));
    EXPECT_EQ(FilterIndex, 2);
    EXPECT_EQ(Filter, QStringLiteral("*.*"));
    EXPECT_EQ(common.APIReturn(), 1);
}

TEST(QtChooserRun, RejectedSaveChooserIsACancel)
{
    ModalPlayer<QFileDialog> player([](QFileDialog* dialog) { dialog->reject(); });
    cCommonDialog common;
    QString Filename = QStringLiteral("/tmp/x.RKL"), FileTitle;
    QString Filter = QStringLiteral("RKV3 Color(*.RKL)|*.RKL");
    qint32 FilterIndex = 1, flags = 0;
    EXPECT_FALSE(common.VBGetSaveFileName(Filename, FileTitle, true, Filter, FilterIndex, QString(),
                                          QStringLiteral("Save RKV3 Color"), QStringLiteral(".RKL"),
                                          nullptr, flags));
    EXPECT_TRUE(Filename.isEmpty());
    EXPECT_EQ(common.APIReturn(), 0);
}

TEST(QtChooserRun, ColorChooserGivesTheColorAndKeepsCustomColors)
{
    QColor shownInitial;
    QColor shownCustom;
    ModalPlayer<QColorDialog> player([&](QColorDialog* dialog) {
        shownInitial = dialog->currentColor();
        shownCustom = QColorDialog::customColor(2);
        QColorDialog::setCustomColor(4, QColor(1, 2, 3));
        dialog->setCurrentColor(QColor(200, 40, 30));
        dialog->accept();
    });
    cCommonDialog common;
    common.setCustomColor(2, 0x0A141E);
    qint32 Color = 20 + 256 * 40 + 65536 * 220, flags = 0;
    ASSERT_TRUE(common.VBChooseColor(Color, true, true, false, nullptr, flags));
    EXPECT_EQ(Color, 200 + 256 * 40 + 65536 * 30);
    EXPECT_EQ(shownInitial, QColor(20, 40, 220));
    EXPECT_EQ(shownCustom, QColor(0x1E, 0x14, 0x0A));
    EXPECT_EQ(common.CustomColor(4), 1 + 256 * 2 + 65536 * 3);
}
