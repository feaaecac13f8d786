#include "platform/Translations.h"

#include "platform/ProgramInfo.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Platform {

namespace {

std::unique_ptr<QTranslator> installed(const QLocale& locale, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) return nullptr;
    // A file named without a language (name.qm) is no translation.
    if (translator->language().isEmpty()) return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

}  // namespace

Translations::Translations(const QLocale& locale)
{
    own_ = installed(locale, QStringLiteral("RKVViewer3"), Folder());
    // Qt's texts follow ours: a language we do not speak stays English
    // throughout, rather than English captions on German buttons.
    if (own_)
        qt_ = installed(QLocale(own_->language()), QStringLiteral("qtbase"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Translations::~Translations()
{
    if (qt_) QCoreApplication::removeTranslator(qt_.get());
    if (own_) QCoreApplication::removeTranslator(own_.get());
}

QString Translations::Folder()
{
    return programFolder() + QStringLiteral("/translations");
}

}  // namespace Platform
