#pragma once

// The files the soak works on: small models of its own (pages that differ in
// size and content, regions above 200), broken ones, palette and scheme
// files that break off, and the folders saves go to: one that takes them, one
// on which every write fails, and a full disk (a file-size limit for the
// process, so no privileges are needed).
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <map>

namespace Soak {

class World {
public:
    World();

    QStringList goodModels() const { return goodModels_; }
    // A manifest whose page 2 is missing, and one that breaks off.
    QString missingPageModel() const { return missingPage_; }
    QString badManifestModel() const { return badManifest_; }
    // Palette and scheme files that break off part-way.
    QString brokenPalette() const { return brokenPalette_; }
    QString brokenScheme() const { return brokenScheme_; }

    QString saveFolder() const { return saves_; }
    // A folder on which every write fails.
    QString lockedFolder() const { return locked_; }
    QString settingsFolder() const { return root_.filePath(QStringLiteral("settings")); }

    // A file the soak wrote through the program, with the bytes it must keep
    // until the program writes it again; a file the soak made itself is
    // remembered the same way.
    void remember(const QString& path);
    void forget(const QString& path) { kept_.erase(path); }
    bool remembered(const QString& path) const { return kept_.count(path) != 0; }
    QStringList rememberedFiles(const QString& suffix) const;

    // Every remembered file still holds its bytes, and no folder of the soak
    // holds a file it does not know (a temporary file left behind). Empty
    // when all is well.
    QString lostOrCutShort() const;

    // A saved palette or scheme file is whole: its line count matches what it
    // declares (palette) or the 255 regions (scheme), each line ends in CR LF.
    static QString wholeColorSetFile(const QString& path);

private:
    void writeModel(const QString& name, int pages, bool withScheme, int seed);

    QTemporaryDir root_;
    QStringList goodModels_;
    QString missingPage_, badManifest_, brokenPalette_, brokenScheme_;
    QString saves_, locked_;
    std::map<QString, QByteArray> kept_;
};

}  // namespace Soak
