#pragma once

// Reading a printed PDF back with poppler's command-line tools.
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <optional>

namespace poppler {

// The standard output of a tool, or nothing when it did not run cleanly.
inline std::optional<QString> run(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int pageCount(const QString& pdf)
{
    const QString info = run(QStringLiteral("pdfinfo"), {pdf}).value_or(QString());
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// One row of `pdfimages -list`.
struct PlacedImage {
    int page = 0;
    int width = 0;
    int height = 0;
    QString color;
    QString encoding;
    int xPpi = 0;
    int yPpi = 0;
};

inline QList<PlacedImage> images(const QString& pdf)
{
    QList<PlacedImage> found;
    const QStringList lines =
        run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).value_or(QString()).split(QLatin1Char('\n'));
    for (const QString& line : lines.mid(2)) {
        const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (f.size() < 14 || f[2] != QLatin1String("image")) continue;
        found.append({f[0].toInt(), f[3].toInt(), f[4].toInt(), f[5], f[8], f[12].toInt(), f[13].toInt()});
    }
    return found;
}

// The text of the whole document, in reading order.
inline QString text(const QString& pdf)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
        .value_or(QString());
}

}  // namespace poppler
