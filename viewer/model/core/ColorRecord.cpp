#include "model/core/ColorRecord.h"

#include "colorbytes/ColorBytes.h"

namespace mdlRKVUtilities {

// The canvas's byte rule, so that the viewer and the canvas always agree on
// the bytes of a colour value.
quint8 RedOf(qint32 colorValue) { return GetRedByte(colorValue); }
quint8 GreenOf(qint32 colorValue) { return GetGreenByte(colorValue); }
quint8 BlueOf(qint32 colorValue) { return GetBlueByte(colorValue); }

ColorRecord ColorRecordOf(qint32 colorValue, qint16 offset)
{
    return ColorRecord{RedOf(colorValue), GreenOf(colorValue), BlueOf(colorValue), offset};
}

}  // namespace mdlRKVUtilities
