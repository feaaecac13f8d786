#pragma once

#include "platform/testing/ScriptedMessageBoxes.h"
#include "support/PageImages.h"
#include "view/RKV3CanvasCtl.h"
#include "view/RKV3CanvasCtlTestPeer.h"

#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A shown canvas of a known size, a temporary folder for page files and a
// scripted message box responder.
class CanvasFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        canvas = std::make_unique<RKV3CanvasCtl>();
        canvas->resize(400, 300);
        canvas->show();
    }

    QString savePage(const QImage& page, const QString& name = QStringLiteral("page.png"))
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(page.save(path));
        return path;
    }

    // Loads, renders and zooms a page as the viewer does.
    void showPage(const QImage& page, double zoom)
    {
        canvas->LoadRKVImage(savePage(page));
        canvas->RenderRKVPage();
        canvas->setZoom(zoom);
    }

    RKV3CanvasCtlTestPeer state() const { return RKV3CanvasCtlTestPeer(*canvas); }
    QWidget* child(const char* name) const { return canvas->findChild<QWidget*>(name); }
    QWidget* viewport() const { return child("picMain"); }
    QWidget* view() const { return child("picView"); }

    QTemporaryDir dir;
    Platform::ScriptedMessageBoxes boxes;
    std::unique_ptr<RKV3CanvasCtl> canvas;
};
