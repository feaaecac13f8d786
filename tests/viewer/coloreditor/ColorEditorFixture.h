#pragma once

// Shared set-up of the colour editor tests: scripted message boxes and
// choosers, a recording write-back target, a temporary folder, and the
// program-wide values the dialog reads and writes put back afterwards.
#include "coloreditor/ColorEditTarget.h"
#include "coloreditor/dlgColor.h"
#include "model/ProgramState.h"
#include "platform/testing/ScriptedColorChooser.h"
#include "platform/testing/ScriptedFileChooser.h"
#include "platform/testing/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>

#include <memory>

struct RecordingTarget : ColorEditTarget {
    struct Write {
        qint16 index;
        QString what;  // "color", "tag" or "name"
        QString value;
    };
    QList<Write> writes;

    void setSwatchColor(qint16 index, qint32 colorValue) override
    {
        writes.append({index, QStringLiteral("color"), QString::number(colorValue)});
    }
    void setSwatchTag(qint16 index, const QString& tag) override
    {
        writes.append({index, QStringLiteral("tag"), tag});
    }
    void setColorName(qint16 index, const QString& name) override
    {
        writes.append({index, QStringLiteral("name"), name});
    }
};

constexpr qint32 rgbValue(int r, int g, int b) { return r + 256 * g + 65536 * b; }

class ColorEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        savedPrompt = mdlRKVUtilities::PromptSaveOnChanges;
        savedColorPath = mdlRKVUtilities::LastColorPath;
        mdlRKVUtilities::PromptSaveOnChanges = true;
        mdlRKVUtilities::LastColorPath = dir.path() + QStringLiteral("/start/");
    }
    void TearDown() override
    {
        dialog.reset();
        mdlRKVUtilities::PromptSaveOnChanges = savedPrompt;
        mdlRKVUtilities::LastColorPath = savedColorPath;
    }

    // Opens the editor as the palette panel does, shown without blocking.
    void open(qint32 colorValue, qint32 offset = -127, const QString& name = QStringLiteral("Grey"),
              qint16 index = 3)
    {
        dialog = dlgColor::Prepare(&target, nullptr, index, colorValue, offset, name);
        dialog->show();
    }

    template <class T> T* child(const char* name) const
    {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QSlider* slider() const { return child<QSlider>("sldBlendOffset"); }
    QLineEdit* offsetBox() const { return child<QLineEdit>("txtBlendOffset"); }
    QLineEdit* nameBox() const { return child<QLineEdit>("txtColorName"); }
    void click(const char* button) const { child<QPushButton>(button)->click(); }
    qint32 swatchColor() const;
    QImage preview() const;

    QString path(const QString& name) const { return dir.filePath(name); }
    static QByteArray readAll(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeAll(const QString& file, const QByteArray& bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir dir;
    Platform::ScriptedMessageBoxes boxes{Platform::MsgAnswer::No};
    Platform::ScriptedFileChooser files;
    Platform::ScriptedColorChooser colors;
    RecordingTarget target;
    std::unique_ptr<dlgColor> dialog;
    bool savedPrompt = true;
    QString savedColorPath;
};
