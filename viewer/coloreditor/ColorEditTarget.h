#pragma once

#include <QString>
#include <QtGlobal>

// Where the colour editor writes its result when the user presses OK: the
// palette swatch it was opened for (its background colour and its tag, the
// blend offset as decimal text) and the name label beside it. The main
// window's palette panel implements it.
class ColorEditTarget {
public:
    virtual ~ColorEditTarget() = default;

    // Swatch index: background colour = colorValue.
    virtual void setSwatchColor(qint16 index, qint32 colorValue) = 0;
    // Swatch index: tag = the offset as decimal text.
    virtual void setSwatchTag(qint16 index, const QString& tag) = 0;
    // Name label index: caption = name.
    virtual void setColorName(qint16 index, const QString& name) = 0;
};
