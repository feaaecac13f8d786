// Folder and file name arithmetic, and finding a model's files whatever the
// case of their names.
#include "model/core/PathNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace util = mdlRKVUtilities;

TEST(PathNames, FileNameOfAndFolderOf)
{
    const QString ship = QStringLiteral("C:\\models\\ship\\ship.RKV3");
    EXPECT_EQ(util::FileNameOf(ship), QStringLiteral("ship.RKV3"));
    EXPECT_EQ(util::FolderOf(ship), QStringLiteral("C:\\models\\ship\\"));
    EXPECT_EQ(util::FileNameOf(QStringLiteral("/home/u/ship.RKV3")), QStringLiteral("ship.RKV3"));
    EXPECT_EQ(util::FolderOf(QStringLiteral("/home/u/ship.RKV3")), QStringLiteral("/home/u/"));
    EXPECT_EQ(util::FolderOf(QStringLiteral("/home\\u/x\\y.RKS3")), QStringLiteral("/home\\u/x\\"));
    // Without a separator: the whole path, and an empty folder.
    EXPECT_EQ(util::FileNameOf(QStringLiteral("ship.RKV3")), QStringLiteral("ship.RKV3"));
    EXPECT_EQ(util::FolderOf(QStringLiteral("ship.RKV3")), QString());
    EXPECT_EQ(util::FileNameOf(QStringLiteral("/home/u/")), QString());
    EXPECT_EQ(util::FolderOf(QString()), QString());
}

TEST(PathNames, RelativeNamesFoundWhateverTheirCase)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString folder = temp.path() + QLatin1Char('/');
    ASSERT_TRUE(QDir(folder).mkpath(QStringLiteral("Images")));
    for (const char* name : {"Images/P01.png", "scheme.rks3"}) {
        QFile f(folder + QString::fromLatin1(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    EXPECT_EQ(util::ResolveRelativePath(folder, QStringLiteral("Images\\P01.png")), folder + QStringLiteral("Images/P01.png"));
    EXPECT_EQ(util::ResolveRelativePath(folder, QStringLiteral("images\\p01.PNG")), folder + QStringLiteral("Images/P01.png"));
    EXPECT_EQ(util::ResolveRelativePath(folder, QStringLiteral("SCHEME.RKS3")), folder + QStringLiteral("scheme.rks3"));
    EXPECT_TRUE(util::FileExists(util::ResolveRelativePath(folder, QStringLiteral("SCHEME.RKS3"))));
    // Nothing matches: the name as written, separators turned.
    EXPECT_EQ(util::ResolveRelativePath(folder, QStringLiteral("images\\p02.png")), folder + QStringLiteral("images/p02.png"));
    EXPECT_FALSE(util::FileExists(folder + QStringLiteral("images/p02.png")));
    EXPECT_FALSE(util::FileExists(folder + QStringLiteral("Images")));  // a folder is no file
    EXPECT_FALSE(util::FileExists(QString()));

    // Hostile names in a folder of 20,000 files (4 KB of "A/../" beside "a",
    // a link to the folder itself, climbs) list it once, not once a part.
    ASSERT_TRUE(QDir(folder).mkpath(QStringLiteral("a")));
    ASSERT_TRUE(QFile::link(folder, folder + QStringLiteral("Loop")));
    for (int i = 0; i < 20000; ++i) QFile(folder + QStringLiteral("f%1.png").arg(i)).open(QIODevice::WriteOnly);
    const QString climb = QStringLiteral("A/../").repeated(820) + QStringLiteral("iMAGES/p01.png");
    EXPECT_EQ(util::ResolveRelativePath(folder, climb), folder + QStringLiteral("Images/P01.png"));
    EXPECT_EQ(util::ResolveRelativePath(folder, QStringLiteral("loop/").repeated(30) + QStringLiteral("F19999.PNG")),
              folder + QStringLiteral("Loop/").repeated(30) + QStringLiteral("f19999.png"));
    const QString top = QDir(folder).dirName();
    EXPECT_EQ(util::ResolveRelativePath(folder + QStringLiteral("Images/"), "A/../../.././" + top + "/images/P01.PNG"),
              folder + QStringLiteral("Images/../../") + top + QStringLiteral("/Images/P01.png"));
}
