#pragma once

#include <QValidator>

// Keeps a text box to one line: every line break that comes in (CR LF, CR or
// LF, pasted for instance) becomes one blank. The colour name is saved as one
// line of a line-based file, so a break inside it would shift every line
// after it.
class SingleLineValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
};
