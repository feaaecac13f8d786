#pragma once

// A canvas holding a rendered page, a temporary folder (also the settings
// store's), scripted message boxes and a clean model state.
#include "model/ProgramState.h"
#include "model/core/ModelState.h"
#include "platform/SettingsStore.h"
#include "platform/testing/ScriptedMessageBoxes.h"
#include "support/ColoringRule.h"
#include "support/PageImages.h"
#include "view/RKV3CanvasCtl.h"

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
        mdlRKVUtilities::ResetProgramState();
        canvas = std::make_unique<RKV3CanvasCtl>();
        for (int r = 1; r < 256; ++r) {
            const RegionColor c = regionColor(r);
            canvas->UpdatePaletteColor(short(r), c.red + 256 * c.green + 65536 * c.blue, short(c.offset));
        }
    }

    // Every region a colour and an offset of its own, the paper white: the
    // coloured page differs from the raw one everywhere.
    static RegionColor regionColor(int region)
    {
        if (region == 0) return {255, 255, 255, 0};
        return {(region * 53) & 0xFF, 255 - region, (region * 19 + 90) & 0xFF, -127 + (region % 7) * 20};
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

    // The model Glider.RKV3 of `pages` pattern pages (titles "Part 1", ...)
    // at `resolution`, with page `current` on screen. Page i is
    // (width + i) x (height + 3 (i - 1)) pixels, each of its own pattern.
    void openModel(int pages, int resolution, int current = 1, QSize size = {120, 90})
    {
        namespace util = mdlRKVUtilities;
        util::Model = util::ModelState{};
        util::Model.Resolution = resolution;
        util::Model.PageCount = pages;
        util::Model.ModelFolder = dir.path() + QLatin1Char('/');
        util::Model.ModelFileName = QStringLiteral("Glider.RKV3");
        pageSize = size;
        for (int i = 1; i <= pages; ++i) {
            const QString file = QStringLiteral("p%1.png").arg(i);
            ASSERT_TRUE(modelPage(i).save(dir.filePath(file)));
            util::Model.Pages.append(util::PageEntry{file, QStringLiteral("Part %1").arg(i)});
        }
        util::Model.CurrentPage = current;
        canvas->LoadRKVImage(dir.filePath(util::Model.Pages[current - 1].File));
        ASSERT_TRUE(canvas->RenderRKVPage());
    }
    QImage modelPage(int i) const
    {
        return PatternPage(pageSize.width() + i, pageSize.height() + 3 * (i - 1), i);
    }
    // Page i as it should print: coloured here by the rule.
    QImage coloredPage(int i) const { return ColorByRule(modelPage(i), regionColor); }

    QTemporaryDir dir;
    QSize pageSize;
    QString previousSettings;
    Platform::ScriptedMessageBoxes boxes;
    std::unique_ptr<RKV3CanvasCtl> canvas;
};
