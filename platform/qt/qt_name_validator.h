// The rule for a player's name in the name form: one line of characters the hall-of-fame file can hold.
#pragma once

#include <QValidator>

namespace quintaro::platform {

// Whether Windows-1252, the code page of the hall-of-fame file, has a printable character for c.
bool windows1252Holds(char32_t c);

// Refuses any text with a control character or a character Windows-1252 cannot hold.
class NameValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

} // namespace quintaro::platform
