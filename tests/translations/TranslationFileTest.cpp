// Every text of the program has a finished translation that keeps what the
// program fills in or reads from it. The files checked are the build's copies
// brought up to date with the sources, so a new text shows here unfinished.
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// The %1, %v ... markers, sorted; the accelerator count (&& is a plain &);
// and a chooser filter's patterns after "|".
QStringList markers(const QString& text)
{
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%[0-9vm]")).globalMatch(text)) found << match.captured();
    found.sort();
    found << QString::number(QString(text).remove(QStringLiteral("&&")).count(QLatin1Char('&')));
    found << text.section(QLatin1Char('|'), 1);
    return found;
}

}  // namespace

TEST(TranslationFile, EveryTextTranslatedKeepingMarkersAcceleratorsAndPatterns)
{
    for (const QString& path : QStringLiteral(RKV_UPDATED_TRANSLATIONS).split(QLatin1Char(';'))) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        QXmlStreamReader xml(&file);
        QString context, source, translation, type;
        int messages = 0;
        QString* into = nullptr;
        while (!xml.atEnd()) {
            xml.readNext();
            const QStringView name = xml.name();
            if (xml.isStartElement() && name == u"message") source.clear(), translation.clear(), into = nullptr;
            if (xml.isStartElement() && name == u"source") into = &source;
            if (xml.isStartElement() && name == u"translation") into = &translation, type = xml.attributes().value(QLatin1String("type")).toString();
            // lupdate writes a carriage return as <byte value="xd"/>.
            if (xml.isStartElement() && name == u"byte" && into) *into += QChar(xml.attributes().value(QLatin1String("value")).toUInt(nullptr, 16));
            if (xml.isCharacters() && into) *into += xml.text();
            if (xml.isEndElement() && (name == u"source" || name == u"translation")) into = nullptr;
            if (xml.isStartElement() && name == u"name") context = xml.readElementText();
            if (!xml.isEndElement() || name != u"message" || type == u"vanished" || type == u"obsolete") continue;
            ++messages;
            const std::string where = (context + QStringLiteral(": ") + source).toStdString();
            EXPECT_TRUE(type.isEmpty() && !translation.isEmpty()) << "untranslated in " << path.toStdString() << ": " << where;
            if (!translation.isEmpty()) {
                EXPECT_EQ(markers(translation), markers(source)) << where;
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_GT(messages, 100) << path.toStdString();
    }
}
