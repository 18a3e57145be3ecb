#pragma once
// Who may change a record that records its creator: for a saved record a holder of
// D, or a holder of C who created it; for a record not saved yet anybody who may
// add (C or D).

#include "core/datam.h"

namespace reference {

inline bool ownerMayChange(const QString& id, const QString& ownerName, QChar mode = QLatin1Char('I'))
{
    core::Tdm& dm = core::dm();
    return id.trimmed().isEmpty() ? dm.jogell(QStringLiteral("CD"), mode)
                                  : dm.jogellnev(QStringLiteral("CD"), ownerName, mode);
}

}  // namespace reference
