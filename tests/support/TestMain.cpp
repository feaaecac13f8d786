// Test entry point: every test runs inside one QApplication on Qt's offscreen
// platform, so widget tests never need a display.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test may touch the user's own settings: the settings store lives in
    // a folder of this run's own.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    // Nor the user's documents: the desktop's name for them points here too.
    QFile names(configHome.filePath(QStringLiteral("user-dirs.dirs")));
    if (names.open(QIODevice::WriteOnly)) names.write("XDG_DOCUMENTS_DIR=\"" + configHome.path().toLocal8Bit() + "/Documents\"\n");
    names.close();
    qputenv("RKV_TEST_DOCUMENTS", configHome.filePath(QStringLiteral("Documents")).toLocal8Bit());
    // English texts, in the tests and the programs they start, whatever the machine's language.
    qputenv("LANG", "C.UTF-8");
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) qunsetenv(name);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Where tests find the program folder of the build tree (the test
    // executables live in it) and the checked-in test data.
    if (qEnvironmentVariableIsEmpty("RKV_PROGRAM_DIR"))
        qputenv("RKV_PROGRAM_DIR", QCoreApplication::applicationDirPath().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("RKV_TEST_DATA"))
        qputenv("RKV_TEST_DATA", RKV_TEST_DATA_DIR);
    return RUN_ALL_TESTS();
}
