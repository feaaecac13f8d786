#pragma once

#include <QVariant>

// Reading persisted values back from a property bag, whatever form the bag
// keeps them in: a bag filled by this control holds typed values, one filled
// from text ("True", "-1", "2147483660", "0x8000000C") holds strings. Each
// returns false when the value cannot be read as the type asked for.
namespace PersistedValues {

bool readBool(const QVariant& value, bool& out);
// A 32-bit value, given signed or unsigned (0x8000000C may come either way).
bool readInt32(const QVariant& value, qint32& out);
bool readInt16(const QVariant& value, short& out);

}  // namespace PersistedValues
