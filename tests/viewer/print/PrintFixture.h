#pragma once

// A canvas holding a rendered page, a temporary folder (also the settings
// store's), scripted message boxes and a clean model state.
#include "ModelState.h"
#include "PageImages.h"
#include "ProgramState.h"
#include "RKV3CanvasCtl.h"
#include "ScriptedMessageBoxes.h"
#include "SettingsStore.h"

#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class PrintFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        previousSettings = Platform::SettingsStore::setFolder(dir.path());
        mdlRKVUtilities::Model = mdlRKVUtilities::ModelState{};
        mdlRKVUtilities::PrintAllPages = false;
        canvas = std::make_unique<RKV3CanvasCtl>();
        // Region 1 red, region 2 blue: the coloured page differs from the raw one.
        canvas->UpdatePaletteColor(1, 0x0000FF, 0);
        canvas->UpdatePaletteColor(2, 0xFF0000, -60);
    }
    void TearDown() override { Platform::SettingsStore::setFolder(previousSettings); }

    // Writes a page image and shows it rendered on the canvas.
    void showPage(int width, int height, const QString& name = QStringLiteral("page.png"))
    {
        const QString path = dir.filePath(name);
        ASSERT_TRUE(PatternPage(width, height).save(path));
        canvas->LoadRKVImage(path);
        ASSERT_TRUE(canvas->RenderRKVPage());
    }

    // A model of `pages` pattern pages (titles "Part 1", ...) at `resolution`,
    // with page `current` on screen.
    void openModel(int pages, int resolution, int current = 1, QSize size = {120, 90})
    {
        using namespace mdlRKVUtilities;
        Model = ModelState{};
        Model.Resolution = resolution;
        Model.PageCount = pages;
        Model.ModelFolder = dir.path() + QLatin1Char('/');
        for (int i = 1; i <= pages; ++i) {
            const QString file = QStringLiteral("p%1.png").arg(i);
            ASSERT_TRUE(PatternPage(size.width() + i, size.height()).save(dir.filePath(file)));
            Model.Pages.append(PageEntry{file, QStringLiteral("Part %1").arg(i)});
        }
        Model.CurrentPage = current;
        showPage(size.width() + current, size.height(), QStringLiteral("p%1.png").arg(current));
    }

    QTemporaryDir dir;
    QString previousSettings;
    Platform::ScriptedMessageBoxes boxes;
    std::unique_ptr<RKV3CanvasCtl> canvas;
};
