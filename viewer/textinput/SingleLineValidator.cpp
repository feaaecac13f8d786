#include "textinput/SingleLineValidator.h"

#include "model/core/SafeTextWriter.h"

QValidator::State SingleLineValidator::validate(QString& input, int& pos) const
{
    // The cursor stays behind the same character: what lies before it is
    // made one line the same way.
    pos = int(mdlRKVUtilities::SingleLineText(input.left(pos)).size());
    input = mdlRKVUtilities::SingleLineText(input);
    return Acceptable;
}
