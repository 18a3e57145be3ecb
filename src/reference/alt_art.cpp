#include "reference/alt_art.h"

#include "core/messages.h"
#include "reference/artsql.h"

namespace reference {

Talt_art::Talt_art(QWidget* parent)
    : AltNameDialog({QStringLiteral("Talt_art"), QStringLiteral("Alternative name"), QStringLiteral("Art.name:"),
                     msg::artNameEmpty, altInsertSql},
                    parent)
{
}

}  // namespace reference
