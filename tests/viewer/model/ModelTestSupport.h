#pragma once

// Helpers of the model tests: files in a temporary folder, small page images
// and a clean program-wide state for every test.
#include "model/ProgramState.h"
#include "model/core/ColorSets.h"
#include "model/core/ModelState.h"
#include "model/core/TextLines.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace modeltest {

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every line of a text file, as TextLines reads them.
inline QStringList readLines(const QString& path)
{
    mdlRKVUtilities::TextLines file;
    QStringList lines;
    if (!file.open(path)) return lines;
    while (const std::optional<QString> line = file.next()) lines.append(*line);
    return lines;
}

// Lines joined with CR LF, the last one ended too.
inline QByteArray crlf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// A page pixel: red = shading level, green = region, blue = ink.
inline QRgb pagePixel(int shade, int region, int ink) { return qRgb(shade, region, ink); }

// A page whose column x is region regions[x], flat shading 127, no ink.
inline void writePage(const QString& path, const QList<int>& regions, int height = 2)
{
    QImage page(int(regions.size()), height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < regions.size(); ++x) page.setPixel(x, y, pagePixel(127, regions[x], 255));
    QDir().mkpath(QFileInfo(path).absolutePath());
    ASSERT_TRUE(page.save(path, "PNG")) << path.toStdString();
}

// Every test starts from the program's first state.
class ModelStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        folder = temp.path() + QLatin1Char('/');
        mdlRKVUtilities::ResetProgramState();
    }
    QString path(const QString& name) const { return folder + name; }

    QTemporaryDir temp;
    QString folder;
};

}  // namespace modeltest
