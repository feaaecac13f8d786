// cCommonDialog's open and save choosers, driven through the scripted
// chooser: the request each call makes and what it gives back.
#include "dialogs/cCommonDialog.h"
#include "platform/FileChooser.h"
#include "platform/testing/ScriptedFileChooser.h"

#include <QWidget>
#include <climits>
#include <gtest/gtest.h>

using namespace Platform;

namespace {

const QChar Nul(0);

struct OpenArgs {
    QString Filename;
    QString FileTitle;
    bool FileMustExist = true;
    bool MultiSelect = false;
    bool ReadOnly = false;
    bool HideReadOnly = false;
    QString Filter = QStringLiteral("RKV3 Model(*.RKV3)|*.RKV3");
    qint32 FilterIndex = 1;
    QString InitDir = QStringLiteral("/models/");
    QString DlgTitle = QStringLiteral("Open Model");
    QString DefaultExt;
    QWidget* Owner = nullptr;
    qint32 flags = 0;

    bool open(cCommonDialog& dialog)
    {
        return dialog.VBGetOpenFileName(Filename, FileTitle, FileMustExist, MultiSelect, ReadOnly,
                                        HideReadOnly, Filter, FilterIndex, InitDir, DlgTitle,
                                        DefaultExt, Owner, flags);
    }
    bool save(cCommonDialog& dialog, bool overwritePrompt = true)
    {
        return dialog.VBGetSaveFileName(Filename, FileTitle, overwritePrompt, Filter, FilterIndex,
                                        InitDir, DlgTitle, DefaultExt, Owner, flags);
    }
};

}  // namespace

TEST(CommonDialogFilter, BarsAndColonsBecomeNulsAndTwoNulsEndTheList)
{
    EXPECT_EQ(cCommonDialog::ConvertFilter(QStringLiteral("Windows Bitmap(*.BMP)|*.BMP")),
              QStringLiteral("Windows Bitmap(*.BMP)") + Nul + QStringLiteral("*.BMP") + Nul + Nul);
    // A colon in a description splits it as well.
    EXPECT_EQ(cCommonDialog::ConvertFilter(QStringLiteral("Note: text|*.TXT")),
              QStringLiteral("Note") + Nul + QStringLiteral(" text") + Nul + QStringLiteral("*.TXT") + Nul + Nul);
    EXPECT_EQ(cCommonDialog::ConvertFilter(QString()), QString(2, Nul));
}

TEST(CommonDialogFilter, FilterPairsOfTheConvertedList)
{
    auto pairs = FileChooser::filterPairs(cCommonDialog::ConvertFilter(
        QStringLiteral("RKV3 Palette(*.RPL)|*.RPL|All files|*.*")));
    ASSERT_EQ(pairs.size(), 2);
    EXPECT_EQ(pairs[0].first, QStringLiteral("RKV3 Palette(*.RPL)"));
    EXPECT_EQ(pairs[0].second, QStringLiteral("*.RPL"));
    EXPECT_EQ(pairs[1].second, QStringLiteral("*.*"));

    // A filter without any "|" is a single description with no pattern.
    pairs = FileChooser::filterPairs(cCommonDialog::ConvertFilter(QStringLiteral("Models only")));
    ASSERT_EQ(pairs.size(), 1);
    EXPECT_EQ(pairs[0].first, QStringLiteral("Models only"));
    EXPECT_TRUE(pairs[0].second.isEmpty());

    // The list ends at the first pair of NULs.
    pairs = FileChooser::filterPairs(cCommonDialog::ConvertFilter(QStringLiteral("A|*.A||B|*.B")));
    EXPECT_EQ(pairs.size(), 1);
}

TEST(CommonDialogFlags, OpenSaveAndColorFlagArithmetic)
{
    // Hook and template bits are always cleared; the options add their bits.
    EXPECT_EQ(cCommonDialog::OpenFlags(0x20 | 0x40 | 0x8, false, false, false, false), 0x8u);
    EXPECT_EQ(cCommonDialog::OpenFlags(0, true, false, false, false), 0x1000u);
    EXPECT_EQ(cCommonDialog::OpenFlags(0, false, true, false, false), 0x200u);
    EXPECT_EQ(cCommonDialog::OpenFlags(0, false, false, true, false), 0x1u);
    EXPECT_EQ(cCommonDialog::OpenFlags(0, false, false, false, true), 0x4u);
    EXPECT_EQ(cCommonDialog::OpenFlags(-1, true, true, true, true), 0xFFFFFF9Fu);

    EXPECT_EQ(cCommonDialog::SaveFlags(0, false), 0x4u);
    EXPECT_EQ(cCommonDialog::SaveFlags(0, true), 0x6u);
    EXPECT_EQ(cCommonDialog::SaveFlags(0x60 | 0x1000, true), 0x1006u);

    EXPECT_EQ(cCommonDialog::ColorFlags(true, false, false), 0x101u);
    EXPECT_EQ(cCommonDialog::ColorFlags(false, false, false), 0x81u);
    EXPECT_EQ(cCommonDialog::ColorFlags(true, true, false), 0x103u);
    EXPECT_EQ(cCommonDialog::ColorFlags(false, false, true), 0x85u);
}

TEST(CommonDialogOpen, RequestCarriesTheArgumentsAndTheResultComesBack)
{
    ScriptedFileChooser chooser;
    chooser.queueFile(QStringLiteral("/models/ship/Ship.RKV3"));
    QWidget owner;
    cCommonDialog dialog;
    OpenArgs args;
    args.Owner = &owner;
    args.flags = 0x20;
    ASSERT_TRUE(args.open(dialog));

    ASSERT_EQ(chooser.count(), 1);
    const FileChooserRequest& request = chooser.requests()[0];
    EXPECT_EQ(request.kind, FileChooserKind::Open);
    EXPECT_EQ(request.owner, &owner);
    EXPECT_EQ(request.filter, cCommonDialog::ConvertFilter(QStringLiteral("RKV3 Model(*.RKV3)|*.RKV3")));
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.initialDir, QStringLiteral("/models/"));
    EXPECT_EQ(request.title, QStringLiteral("Open Model"));
    EXPECT_EQ(request.flags, 0x1000u);

    EXPECT_EQ(args.Filename, QStringLiteral("/models/ship/Ship.RKV3"));
    EXPECT_EQ(args.FileTitle, QStringLiteral("Ship.RKV3"));
    EXPECT_EQ(args.flags, 0x1000);
    EXPECT_EQ(args.FilterIndex, 1);
    EXPECT_EQ(args.Filter, QStringLiteral("*.RKV3"));
    EXPECT_FALSE(args.ReadOnly);
    EXPECT_EQ(dialog.APIReturn(), 1);
    EXPECT_EQ(dialog.ExtendedError(), 0);
}

TEST(CommonDialogOpen, ReadOnlyTickComesBackAndWithoutOwnerTheRequestHasNone)
{
    ScriptedFileChooser chooser;
    chooser.queueFile(QStringLiteral("/a/b.RKV3"));
    cCommonDialog dialog;
    OpenArgs args;
    args.ReadOnly = true;
    ASSERT_TRUE(args.open(dialog));
    EXPECT_EQ(chooser.requests()[0].owner, nullptr);
    EXPECT_TRUE(args.ReadOnly);
    EXPECT_TRUE(args.flags & 0x1);
}

TEST(CommonDialogOpen, CancelEmptiesTheOutputsWhateverTheyHeld)
{
    ScriptedFileChooser chooser;
    chooser.queueCancel();
    cCommonDialog dialog;
    OpenArgs args;
    args.Filename = QStringLiteral("/old/name.RKV3");
    args.FileTitle = QStringLiteral("name.RKV3");
    args.flags = 0x8;
    EXPECT_FALSE(args.open(dialog));
    EXPECT_TRUE(args.Filename.isEmpty());
    EXPECT_TRUE(args.FileTitle.isEmpty());
    EXPECT_TRUE(args.Filter.isEmpty());
    EXPECT_EQ(args.flags, 0);
    EXPECT_EQ(dialog.APIReturn(), 0);
    EXPECT_EQ(dialog.ExtendedError(), 0);
    // The initial name went to the chooser.
    EXPECT_EQ(chooser.requests()[0].fileName, QStringLiteral("/old/name.RKV3"));
}

TEST(CommonDialogOpen, FailureStoresTheExtendedErrorAndTheNextCallResetsIt)
{
    ScriptedFileChooser chooser;
    chooser.queueFailure(2, 0x3002);
    chooser.queueCancel();
    cCommonDialog dialog;
    OpenArgs args;
    EXPECT_FALSE(args.open(dialog));
    EXPECT_EQ(dialog.APIReturn(), 2);
    EXPECT_EQ(dialog.ExtendedError(), 0x3002);
    EXPECT_TRUE(args.Filename.isEmpty());

    OpenArgs again;
    EXPECT_FALSE(again.open(dialog));
    EXPECT_EQ(dialog.APIReturn(), 0);
    EXPECT_EQ(dialog.ExtendedError(), 0);
}

TEST(CommonDialogOpen, PathsUpToTheSystemsLimitComeBackWhole)
{
    ScriptedFileChooser chooser;
    cCommonDialog dialog;

    // Bytes and a NUL fill the system's path buffer exactly ("é" takes two).
    const QString fits = QStringLiteral("/\u00E9") + QString(PATH_MAX - 4, QLatin1Char('f'));
    chooser.queueFile(fits);
    OpenArgs args;
    ASSERT_TRUE(args.open(dialog));
    EXPECT_EQ(args.Filename, fits);

    // One more does not fit: the chooser fails like a cancelled one.
    chooser.queueFile(fits + QLatin1Char('g'));
    OpenArgs tooLong;
    EXPECT_FALSE(tooLong.open(dialog));
    EXPECT_TRUE(tooLong.Filename.isEmpty());
    EXPECT_EQ(dialog.APIReturn(), 0);

    // A name that does not fit cannot be passed in; the chooser is not shown.
    const int shown = chooser.count();
    OpenArgs passedIn;
    passedIn.Filename = QString(PATH_MAX, QLatin1Char('x'));
    EXPECT_FALSE(passedIn.open(dialog));
    EXPECT_EQ(chooser.count(), shown);
    EXPECT_TRUE(passedIn.Filename.isEmpty());
}

TEST(CommonDialogOpen, SeveralFilesGiveTheirFolderAsTheName)
{
    ScriptedFileChooser chooser;
    chooser.queueFiles({QStringLiteral("/m/a.RKL"), QStringLiteral("/m/b.RKL")});
    cCommonDialog dialog;
    OpenArgs args;
    args.MultiSelect = true;
    ASSERT_TRUE(args.open(dialog));
    EXPECT_EQ(chooser.requests()[0].flags & 0x200, 0x200u);
    EXPECT_EQ(args.Filename, QStringLiteral("/m"));
}

TEST(CommonDialogSave, RequestFlagsAndTheDefaultExtension)
{
    ScriptedFileChooser chooser;
    chooser.queueFile(QStringLiteral("/colors/Brick"));   // typed without extension
    chooser.queueFile(QStringLiteral("/colors/Brick.txt"));  // typed with one
    cCommonDialog dialog;

    OpenArgs args;
    args.Filter = QStringLiteral("RKV3 Color(*.RKL)|*.RKL");
    args.DefaultExt = QStringLiteral(".RKL");
    args.DlgTitle = QStringLiteral("Save RKV3 Color");
    ASSERT_TRUE(args.save(dialog));
    const FileChooserRequest& request = chooser.requests()[0];
    EXPECT_EQ(request.kind, FileChooserKind::Save);
    EXPECT_EQ(request.flags, 0x6u);
    EXPECT_EQ(request.defaultExt, QStringLiteral(".RKL"));
    EXPECT_EQ(args.Filename, QStringLiteral("/colors/Brick.RKL"));
    EXPECT_EQ(args.FileTitle, QStringLiteral("Brick.RKL"));
    EXPECT_FALSE(args.flags & 0x400);

    OpenArgs other = OpenArgs();
    other.DefaultExt = QStringLiteral(".RKL");
    ASSERT_TRUE(other.save(dialog, false));
    EXPECT_EQ(chooser.requests()[1].flags, 0x4u);
    EXPECT_EQ(other.Filename, QStringLiteral("/colors/Brick.txt"));
    EXPECT_TRUE(other.flags & 0x400);  // the extension differs from the default
}

TEST(CommonDialogFileTitle, NameWithoutItsFolder)
{
    cCommonDialog dialog;
    EXPECT_EQ(dialog.VBGetFileTitle(QStringLiteral("C:\\models\\ship\\ship.RKV3")), QStringLiteral("ship.RKV3"));
    EXPECT_EQ(dialog.VBGetFileTitle(QStringLiteral("/home/u/p.RPL")), QStringLiteral("p.RPL"));
    EXPECT_EQ(dialog.VBGetFileTitle(QStringLiteral("plain.RKL")), QStringLiteral("plain.RKL"));
    EXPECT_EQ(dialog.VBGetFileTitle(QString()), QString());
    EXPECT_EQ(dialog.VBGetFileTitle(QStringLiteral("/home/u/")), QString());
    // Characters the classic desktop reserves are legal in names here.
    EXPECT_EQ(dialog.VBGetFileTitle(QStringLiteral("/m/Ship: v2*?\"<>|.RKV3")), QStringLiteral("Ship: v2*?\"<>|.RKV3"));
}

// ChooseFile, the windows' one chooser call: each kind must ask with its own
// kind and flags (open: the file must exist; save: overwrite prompt), pass
// the title, filter, folder, owner and extension through, and give back the
// chosen path, or nothing for a cancelled or failed chooser.
TEST(CommonDialogChooseFile, EachKindAsksItsOwnWayAndGivesThePathOrNothing)
{
    using Choice = cCommonDialog::FileChoice;
    const struct Row {
        Choice kind;
        FileChooserKind asked;
        quint32 flags;
        const char* defaultExt;
    } rows[] = {{Choice::Open, FileChooserKind::Open, 0x1000u, ""}, {Choice::Save, FileChooserKind::Save, 0x6u, ".RPL"}};
    for (const Row& row : rows) {
        ScriptedFileChooser chooser;
        chooser.queueFile(QStringLiteral("/pal/Sea.RPL"));
        chooser.queueFailure(2, 0x3002);
        QWidget owner;
        cCommonDialog dialog;
        const QString filter = QStringLiteral("RKV3 Palette(*.RPL)|*.RPL");
        EXPECT_EQ(dialog.ChooseFile(row.kind, "Palette", filter, "/pal/", &owner, row.defaultExt), "/pal/Sea.RPL");
        EXPECT_EQ(dialog.ChooseFile(row.kind, "Palette", filter, "/pal/", &owner, row.defaultExt), std::nullopt);
        ASSERT_EQ(chooser.count(), 2);
        const FileChooserRequest& request = chooser.requests()[0];
        EXPECT_EQ(request.kind, row.asked);
        EXPECT_EQ(request.flags, row.flags);
        EXPECT_EQ(request.owner, &owner);
        EXPECT_EQ(request.filter, cCommonDialog::ConvertFilter(filter));
        EXPECT_EQ(request.initialDir, "/pal/");
        EXPECT_EQ(request.title, "Palette");
        EXPECT_EQ(request.defaultExt, row.defaultExt);
        EXPECT_TRUE(request.fileName.isEmpty());
    }
}
