// How a chooser request becomes Qt's file dialog, checked without running it.
#include "dialogs/cCommonDialog.h"
#include "platform/FileChooser.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace Platform;

TEST(QtFileChooser, PatternsMatchRegardlessOfCase)
{
    EXPECT_EQ(FileChooser::caseInsensitivePattern(QStringLiteral("*.RKV3")), QStringLiteral("*.[Rr][Kk][Vv]3"));
    EXPECT_EQ(FileChooser::caseInsensitivePattern(QStringLiteral("*.BMP;*.png")),
              QStringLiteral("*.[Bb][Mm][Pp] *.[Pp][Nn][Gg]"));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"a.RKV3", "b.rkv3", "c.Rkv3", "d.RKS3"}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QDir listing(dir.path(), FileChooser::caseInsensitivePattern(QStringLiteral("*.RKV3")),
                 QDir::Name, QDir::Files | QDir::CaseSensitive);
    EXPECT_EQ(listing.entryList(), (QStringList{"a.RKV3", "b.rkv3", "c.Rkv3"}));
}

TEST(QtFileChooser, OpenRequestBecomesAnExistingFileDialog)
{
    FileChooserRequest request;
    request.kind = FileChooserKind::Open;
    request.filter = cCommonDialog::ConvertFilter(QStringLiteral("RKV3 Model(*.RKV3)|*.RKV3|All(*.*)|*.*"));
    request.filterIndex = 2;
    request.initialDir = QDir::tempPath() + QLatin1Char('/');
    request.title = QStringLiteral("Open Model");
    request.flags = cCommonDialog::OpenFlags(0, true, false, false, false);

    std::unique_ptr<QFileDialog> dialog(FileChooser::makeDialog(request));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Open Model"));
    ASSERT_EQ(dialog->nameFilters().size(), 2);
    EXPECT_EQ(dialog->nameFilters()[0], QStringLiteral("RKV3 Model(*.RKV3) (*.[Rr][Kk][Vv]3)"));
    EXPECT_EQ(FileChooser::selectedFilterIndex(dialog.get()), 2);
    dialog->selectNameFilter(dialog->nameFilters()[0]);
    EXPECT_EQ(FileChooser::selectedFilterIndex(dialog.get()), 1);
    EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(QDir::tempPath()).canonicalPath());
}

TEST(QtFileChooser, SaveRequestAddsTheDefaultSuffixAndAsksBeforeOverwriting)
{
    FileChooserRequest request;
    request.kind = FileChooserKind::Save;
    request.filter = cCommonDialog::ConvertFilter(QStringLiteral("RKV3 Color(*.RKL)|*.RKL"));
    request.defaultExt = QStringLiteral(".RKL");
    request.flags = cCommonDialog::SaveFlags(0, true);
    std::unique_ptr<QFileDialog> dialog(FileChooser::makeDialog(request));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("RKL"));
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));

    request.flags = cCommonDialog::SaveFlags(0, false);
    std::unique_ptr<QFileDialog> quiet(FileChooser::makeDialog(request));
    EXPECT_TRUE(quiet->testOption(QFileDialog::DontConfirmOverwrite));
}

TEST(QtFileChooser, DefaultExtensionOnlyWhenNoneWasTyped)
{
    EXPECT_EQ(FileChooser::withDefaultExtension(QStringLiteral("/a/b"), QStringLiteral(".RKL")), QStringLiteral("/a/b.RKL"));
    EXPECT_EQ(FileChooser::withDefaultExtension(QStringLiteral("/a/b.rkl"), QStringLiteral(".RKL")), QStringLiteral("/a/b.rkl"));
    EXPECT_EQ(FileChooser::withDefaultExtension(QStringLiteral("/a.d/b"), QStringLiteral("RKL")), QStringLiteral("/a.d/b.RKL"));
    EXPECT_EQ(FileChooser::withDefaultExtension(QStringLiteral("/a/b"), QString()), QStringLiteral("/a/b"));
}
