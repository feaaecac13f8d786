#pragma once

#include <QLocale>
#include <QString>

#include <memory>

class QTranslator;

namespace Platform {

// The program's texts in one language, installed in the application for as
// long as the object lives: the program's own translation
// (translations/RKVViewer3_<language>.qm in the program folder) and Qt's
// for its standard buttons and dialogs (qtbase_<language>.qm from Qt's
// translations folder). A language without a translation of ours keeps the
// English texts, Qt's included, so the two never mix.
class Translations {
public:
    // Loads the translations for locale's languages, the first one found
    // in the order the locale prefers them.
    explicit Translations(const QLocale& locale = QLocale::system());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // True when a translation of ours was found and installed.
    bool Installed() const { return own_ != nullptr; }

    // The folder holding the program's translations.
    static QString Folder();

private:
    std::unique_ptr<QTranslator> own_;
    std::unique_ptr<QTranslator> qt_;
};

}  // namespace Platform
