#include "view/PropertyBag.h"

qsizetype PropertyBag::find(const QString& name) const
{
    for (qsizetype i = 0; i < entries_.size(); ++i)
        if (entries_[i].first.compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QVariant PropertyBag::ReadProperty(const QString& Name, const QVariant& DefaultValue) const
{
    const qsizetype i = find(Name);
    return i < 0 ? DefaultValue : entries_[i].second;
}

void PropertyBag::WriteProperty(const QString& Name, const QVariant& Value, const QVariant& DefaultValue)
{
    const qsizetype i = find(Name);
    if (i >= 0) entries_.removeAt(i);
    if (Value == DefaultValue) return;
    entries_.append({Name, Value});
}

QStringList PropertyBag::Keys() const
{
    QStringList keys;
    for (const auto& entry : entries_) keys << entry.first;
    return keys;
}
