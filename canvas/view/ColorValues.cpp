#include "view/ColorValues.h"

#include "platform/SystemColors.h"

namespace ColorValues {

bool resolve(qint32 value, QColor& color)
{
    const quint32 bits = quint32(value);
    qint32 explicitValue = value;
    if ((bits & 0xFF000000u) == 0x80000000u) {
        const quint32 index = bits & 0x00FFFFFFu;
        if (index > 24) {
            color = Qt::black;
            return false;
        }
        explicitValue = Platform::sysColor(int(index));
    } else if ((bits & 0xFF000000u) != 0) {
        color = Qt::black;
        return false;
    }
    color = QColor(explicitValue & 0xFF, (explicitValue >> 8) & 0xFF, (explicitValue >> 16) & 0xFF);
    return true;
}

}  // namespace ColorValues
