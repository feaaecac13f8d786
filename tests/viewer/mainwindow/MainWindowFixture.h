#pragma once

// A main window on a clean program state, with its settings in a folder of
// the test's own and every message box and file chooser scripted.
#include "mainwindow/frmMain.h"
#include "mainwindow/frmMainTestPeer.h"
#include "model/ProgramState.h"
#include "model/core/ColorSets.h"
#include "model/core/ModelState.h"
#include "modelgen/core/GeneratedModel.h"
#include "modelgen/core/ModelWriter.h"
#include "platform/SettingsStore.h"
#include "platform/testing/ScriptedFileChooser.h"
#include "platform/testing/ScriptedMessageBoxes.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousFolder_ = Platform::SettingsStore::setFolder(settingsDir_.path());
        mdlRKVUtilities::ResetProgramState();
    }
    void TearDown() override { window_.reset(), Platform::SettingsStore::setFolder(previousFolder_); }

    frmMain& window()
    {
        if (!window_) window_ = std::make_unique<frmMain>();
        return *window_;
    }
    frmMainTestPeer peer() { return frmMainTestPeer(window()); }

    // The text stored under a key of the viewer's section, or "<absent>".
    static QString stored(const char* key)
    {
        return Platform::SettingsStore::read(QStringLiteral("RKVViewer3"), QStringLiteral("Settings"),
                                             QLatin1String(key), QStringLiteral("<absent>"));
    }
    static void store(const char* key, const QString& value)
    {
        Platform::SettingsStore::write(QStringLiteral("RKVViewer3"), QStringLiteral("Settings"),
                                       QLatin1String(key), value);
    }

    // Writes a model whose page n is pageSize(n, size) pixels of region `region` in its own shade
    // (title "Hull" for page 1, "Sheet n" after it) and returns its manifest.
    QString writeModel(const QString& name, int pages, const QStringList& regionNames, int region = 3,
                       QSize size = {24, 16})
    {
        GeneratedModel model;
        model.name = name;
        for (int n = 1; n <= pages; ++n) {
            QImage image(pageSize(n, size), QImage::Format_RGB32);
            image.fill(qRgb(127 - 23 * (n - 1), region, 255));
            model.pages.push_back({QStringLiteral("p%1.png").arg(n),
                                   n == 1 ? QStringLiteral("Hull") : QStringLiteral("Sheet %1").arg(n), image});
        }
        model.regionNames = regionNames;
        const QString folder = modelsDir_.filePath(name);
        EXPECT_TRUE(ModelWriter::write(model, folder));
        return QDir(folder).filePath(model.manifestFileName());
    }

    static QSize pageSize(int n, QSize first = {24, 16}) { return first + QSize(7, 3) * (n - 1); }

    // File, Open answered with the manifest.
    void open(const QString& manifest)
    {
        chooser.queueFile(manifest);
        peer().mnuFileOpen_Click();
    }

    Platform::ScriptedMessageBoxes boxes{Platform::MsgAnswer::No};
    Platform::ScriptedFileChooser chooser;

private:
    QTemporaryDir settingsDir_;
    QTemporaryDir modelsDir_;
    QString previousFolder_;
    std::unique_ptr<frmMain> window_;
};
