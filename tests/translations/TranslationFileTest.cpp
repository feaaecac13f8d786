// Every text translated, keeping what the program fills in; in the build's copies, where new texts show.
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

// The %1, %v ... markers (sorted), the accelerator count (&& is a plain &) and a filter's patterns after "|".
static std::string markers(const QString& text)
{
    QStringList found;
    for (const auto& match : QRegularExpression("%[0-9vm]").globalMatch(text)) found << match.captured();
    found.sort();
    return (found << QString::number(QString(text).remove("&&").count('&')) << text.section('|', 1)).join('\n').toStdString();
}

TEST(TranslationFile, EveryTextTranslatedKeepingMarkersAcceleratorsAndPatterns)
{
    for (const QString& path : QStringLiteral(RKV_UPDATED_TRANSLATIONS).split(';')) {
        QXmlStreamReader xml([&path] { QFile file(path); return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(); }());
        QString text[2], type;  // the source and its translation
        int messages = 0, in = -1;
        while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
            const QStringView name = xml.name();
            const bool text_element = name == u"source" || name == u"translation";
            if (xml.isStartElement() && text_element) in = name == u"translation", text[in].clear(), type = xml.attributes().value(QLatin1String("type")).toString();
            // lupdate writes a carriage return as <byte value="xd"/>.
            if (xml.isStartElement() && name == u"byte" && in >= 0) text[in] += QChar(xml.attributes().value(QLatin1String("value")).toUInt(nullptr, 16));
            if (xml.isCharacters() && in >= 0) text[in] += xml.text();
            if (xml.isEndElement() && text_element) in = -1;
            if (!xml.isEndElement() || name != u"message" || type == u"vanished" || type == u"obsolete") continue;
            ++messages;
            EXPECT_TRUE(type.isEmpty() && !text[1].isEmpty()) << "untranslated: " << text[0].toStdString();
            EXPECT_TRUE(text[1].isEmpty() || markers(text[1]) == markers(text[0])) << "markers lost: " << text[1].toStdString();
        }
        EXPECT_GT(messages, 100) << path.toStdString() << xml.errorString().toStdString();
    }
}
