#include "reference/numcheck.h"

#include "core/dates.h"

namespace reference {

bool isNumberText(const QString& text)
{
    bool ok = false;
    core::parseNumber(text, &ok);
    return ok;
}

QString notANumber(const QString& label)
{
    return QStringLiteral("The field '%1' does not hold a valid number!").arg(label);
}

}  // namespace reference
