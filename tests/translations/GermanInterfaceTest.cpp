// The program speaks German on a German desktop and English elsewhere.
#include "ScriptedMessageBoxes.h"
#include "Translations.h"
#include "frmMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

struct Desktop {
    const char* fault;  // what the row guards
    const char* lang;
    const char* language;  // LANGUAGE, or null for none
    QString menuBar, colourFrame, helpWindow, helpClose;
};

// The real program on the demo model, its help window open: the report lines
// of the menu bar, the colour frame and the help window and its button.
void ExpectProgramShows(const Desktop& desktop)
{
    QTemporaryDir work;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LANG", desktop.lang);
    if (desktop.language) env.insert("LANGUAGE", desktop.language);
    for (const char* name : {"XDG_CONFIG_HOME", "RKV_WINDOW_REPORT"}) env.insert(name, work.path());
    env.insert("RKV_WINDOW_REPORT_HELP", "1");
    const QDir programDir(qEnvironmentVariable("RKV_PROGRAM_DIR"));
    QProcess viewer;
    viewer.setProcessEnvironment(env);
    viewer.start(programDir.filePath("RKVViewer3"), {programDir.filePath("models/Cottage/Cottage.RKV3")});
    for (int waited = 0; waited < 30000 && !QFile::exists(work.filePath("window.txt")); waited += 50) QThread::msleep(50);
    viewer.kill(), viewer.waitForFinished(3000);
    QFile report(work.filePath("window.txt"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly)) << desktop.fault;
    QMap<QString, QString> shown;
    for (const QByteArray& line : report.readAll().split('\n'))
        shown.insert(QString::fromUtf8(line).section('\t', 0, 0), QString::fromUtf8(line).section('\t', 5));
    EXPECT_EQ(shown.value("menuBar"), desktop.menuBar) << desktop.fault;
    EXPECT_EQ(shown.value("fraTools"), desktop.colourFrame) << desktop.fault;
    EXPECT_EQ(shown.value("frmHelp"), desktop.helpWindow) << desktop.fault;
    EXPECT_EQ(shown.value("cmdClose"), desktop.helpClose) << desktop.fault;
}

}  // namespace

TEST(GermanInterface, ProgramFollowsTheDesktopLanguage)
{
    const QString german[] = {"&Datei|&Bearbeiten|&Hilfe", "Farbbereiche verwalten", "Hilfe – Inhalt", "Schließen"};
    const QString english[] = {"&File|&Edit|&Help", "Color Region Management", "Help Contents", "Close"};
    for (const Desktop& desktop : {Desktop{"German desktop not translated", "de_DE.UTF-8", nullptr, german[0], german[1], german[2], german[3]},
                                   Desktop{"LANGUAGE ignored", "C.UTF-8", "de", german[0], german[1], german[2], german[3]},
                                   Desktop{"English desktop not English", "C", nullptr, english[0], english[1], english[2], english[3]},
                                   Desktop{"no fallback to English", "fr_FR.UTF-8", nullptr, english[0], english[1], english[2], english[3]}})
        ExpectProgramShows(desktop);
}

// In the program's own process: a message box and Qt's standard buttons in
// German, and every menu's accelerators told apart.
TEST(GermanInterface, MessageBoxAndMenusInGerman)
{
    const Platform::Translations translations(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(translations.Installed());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
    Platform::ScriptedMessageBoxes boxes;
    frmMain window;
    window.OpenModelFile(QDir::temp().filePath("no such model.RKV3"));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, "Das Modell konnte nicht geladen werden: Die RKV3-Manifestdatei ist ungültig.");
    for (const QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
        QString keys;
        for (const QAction* item : menu->actions()) keys += item->text().section('&', 1).left(1).toLower();
        for (const QChar key : keys) EXPECT_EQ(keys.count(key), 1) << menu->title().toStdString() << ": " << keys.toStdString();
    }
}
