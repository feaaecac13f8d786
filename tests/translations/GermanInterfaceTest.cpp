// The program speaks German on a German desktop and English elsewhere.
#include "ScriptedMessageBoxes.h"
#include "Translations.h"
#include "frmMain.h"
#include <QCoreApplication>
#include <QDir>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

// The real program's menu bar, colour frame, help window and its Close button under LANG (and LANGUAGE).
static std::string ShownBy(const char* lang, const char* language)
{
    QTemporaryDir work;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LANG", lang);
    if (language) env.insert("LANGUAGE", language);
    for (const char* name : {"XDG_CONFIG_HOME", "RKV_WINDOW_REPORT", "RKV_WINDOW_REPORT_HELP"}) env.insert(name, work.path());
    const QDir programDir(qEnvironmentVariable("RKV_PROGRAM_DIR"));
    QProcess viewer;
    viewer.setProcessEnvironment(env);
    viewer.start(programDir.filePath("RKVViewer3"), {programDir.filePath("models/Cottage/Cottage.RKV3")});
    for (int waited = 0; waited < 30000 && !QFile::exists(work.filePath("window.txt")); waited += 50) QThread::msleep(50);
    QFile report(work.filePath("window.txt"));
    QMap<QString, QString> shown;
    for (const QString& line : QString::fromUtf8(report.open(QIODevice::ReadOnly) ? report.readAll() : "").split('\n'))
        shown.insert(line.section('\t', 0, 0), line.section('\t', 5));
    return QStringList{shown["menuBar"], shown["fraTools"], shown["frmHelp"], shown["cmdClose"]}.join('\n').toStdString();
}

TEST(GermanInterface, ProgramFollowsTheDesktopLanguage)
{
    const std::string german = "&Datei|&Bearbeiten|&Ansicht|&Hilfe\nFarbbereiche verwalten\nHilfe – Inhalt\nSchließen";
    const std::string english = "&File|&Edit|&View|&Help\nColor Region Management\nHelp Contents\nClose";
    const struct { const char *fault, *lang, *language; std::string texts; } rows[] = {
        {"German desktop not translated", "de_DE.UTF-8", nullptr, german}, {"LANGUAGE ignored", "C.UTF-8", "de", german},
        {"English desktop not English", "C", nullptr, english}, {"unknown language not English", "fr_FR", nullptr, english}};
    for (const auto& row : rows) EXPECT_EQ(ShownBy(row.lang, row.language), row.texts) << row.fault;
}

// In the program's own process: a message box and Qt's buttons in German, each menu's accelerators apart.
TEST(GermanInterface, MessageBoxAndMenusInGerman)
{
    const Platform::Translations translations(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes").toStdString(), "&Ja");
    Platform::ScriptedMessageBoxes boxes;
    frmMain window;
    window.OpenModelFile(QDir::temp().filePath("no such model.RKV3"));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text.toStdString(), "Das Modell konnte nicht geladen werden: Die RKV3-Manifestdatei ist ungültig.");
    for (const QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
        QString keys;
        for (const QAction* item : menu->actions()) keys += item->text().section('&', 1).left(1).toLower();
        for (const QChar key : keys) EXPECT_EQ(keys.count(key), 1) << menu->title().toStdString() << ": " << keys.toStdString();
    }
}
