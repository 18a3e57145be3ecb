#pragma once
// Numeric fields of the edit windows. The key filter keeps most wrong characters
// out, but not a lone "-" or ".", a minus inside the number, or pasted text; what
// reaches a statement as a bare number is checked first.

#include <QString>

namespace reference {

// a number as core::parseNumber reads it ("12", "-0.5", ".5"; no exponent)
bool isNumberText(const QString& text);
// the notice for a field that holds no valid number; label as on the form, without its colon
QString notANumber(const QString& label);

}  // namespace reference
