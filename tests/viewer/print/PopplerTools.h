#pragma once

// Reading a printed PDF back with poppler's command-line tools.
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <optional>

namespace poppler {

// The standard output of a tool, or nothing when it did not run cleanly.
inline std::optional<QString> run(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int pageCount(const QString& pdf)
{
    const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const auto match = pages.match(run(QStringLiteral("pdfinfo"), {pdf}).value_or(QString()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// One row of `pdfimages -list`: page, size, colour space, encoding, ppi.
struct PlacedImage {
    int page, width, height;
    QString color, encoding;
    int xPpi, yPpi;
};

inline QList<PlacedImage> images(const QString& pdf)
{
    QList<PlacedImage> found;
    const QString list = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).value_or(QString());
    for (const QString& line : list.split(QLatin1Char('\n'))) {
        const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (f.size() >= 14 && f[2] == QLatin1String("image"))
            found.append({f[0].toInt(), f[3].toInt(), f[4].toInt(), f[5], f[8], f[12].toInt(), f[13].toInt()});
    }
    return found;
}

// The picture of every image placed on the sheets, in the order listed,
// with the sheet it is on (pdfimages writes one file per placement).
inline QList<std::pair<int, QImage>> sheetImages(const QString& pdf, const QString& folder)
{
    QList<std::pair<int, QImage>> found;
    const QString root = folder + QStringLiteral("/img");
    if (!run(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, root})) return found;
    const QList<PlacedImage> placed = images(pdf);
    for (int i = 0; i < placed.size(); ++i) {
        const QImage picture(root + QStringLiteral("-%1.png").arg(i, 3, 10, QLatin1Char('0')));
        found.append({placed[i].page, picture.convertToFormat(QImage::Format_RGB32)});
    }
    return found;
}

// The document title pdfinfo reads.
inline QString title(const QString& pdf)
{
    const QRegularExpression line(QStringLiteral("^Title:\\s+(.*)$"), QRegularExpression::MultilineOption);
    return line.match(run(QStringLiteral("pdfinfo"), {pdf}).value_or(QString())).captured(1).trimmed();
}

inline QString text(const QString& pdf)
{
    return run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).value_or(QString());
}

}  // namespace poppler
