#include "view/PersistedValues.h"

#include <QString>
#include <cmath>
#include <limits>

namespace PersistedValues {

namespace {

bool readInteger(const QVariant& value, qint64& out)
{
    switch (value.typeId()) {
    case QMetaType::Bool: out = value.toBool() ? -1 : 0; return true;
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::UChar:
    case QMetaType::SChar:
    case QMetaType::Char: out = value.toLongLong(); return true;
    case QMetaType::ULongLong: {
        const qulonglong u = value.toULongLong();
        if (u > qulonglong(std::numeric_limits<qint64>::max())) return false;
        out = qint64(u);
        return true;
    }
    case QMetaType::Float:
    case QMetaType::Double: {
        const double d = value.toDouble();
        if (!std::isfinite(d) || d != std::floor(d) || std::abs(d) > 1e15) return false;
        out = qint64(d);
        return true;
    }
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QString text = value.toString().trimmed();
        bool ok = false;
        if (text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
            out = text.mid(2).toLongLong(&ok, 16);
        else
            out = text.toLongLong(&ok, 10);
        return ok;
    }
    default: return false;
    }
}

}  // namespace

bool readBool(const QVariant& value, bool& out)
{
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
            out = true;
            return true;
        }
        if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) {
            out = false;
            return true;
        }
    }
    qint64 n = 0;
    if (!readInteger(value, n)) return false;
    out = n != 0;
    return true;
}

bool readInt32(const QVariant& value, qint32& out)
{
    qint64 n = 0;
    if (!readInteger(value, n)) return false;
    if (n < std::numeric_limits<qint32>::min() || n > qint64(std::numeric_limits<quint32>::max())) return false;
    out = qint32(quint32(n));
    return true;
}

bool readInt16(const QVariant& value, short& out)
{
    qint64 n = 0;
    if (!readInteger(value, n)) return false;
    if (n < std::numeric_limits<short>::min() || n > std::numeric_limits<short>::max()) return false;
    out = short(n);
    return true;
}

}  // namespace PersistedValues
