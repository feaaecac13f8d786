#pragma once

#include "CanvasExport.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

// The host's store of a control's persisted properties: named values, each
// read with a default. A value equal to its default is not stored, so a bag
// holds only what differs from the defaults. Names are matched without
// regard to case; the bag keeps its keys in the order they were written.
class RKV3CANVAS_EXPORT PropertyBag {
public:
    // The stored value, or DefaultValue when the bag does not hold the key.
    QVariant ReadProperty(const QString& Name, const QVariant& DefaultValue = {}) const;

    // Stores Value under Name, or, when it equals DefaultValue, makes sure
    // the bag holds no value for Name.
    void WriteProperty(const QString& Name, const QVariant& Value, const QVariant& DefaultValue = {});

    bool Contains(const QString& Name) const { return find(Name) >= 0; }
    QStringList Keys() const;
    bool isEmpty() const { return entries_.isEmpty(); }

private:
    qsizetype find(const QString& name) const;

    QList<QPair<QString, QVariant>> entries_;
};
