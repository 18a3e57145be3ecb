#pragma once
// The dialog Talt_loc ("Alternative locality name"): adds one alternative name to
// a saved locality. The locality editor sets the locality's key before showing it.

#include "reference/altname.h"

namespace reference {

QString altNameInsertSql(const QString& name, const QString& localityId);

class Talt_loc : public AltNameDialog {
    Q_OBJECT
public:
    explicit Talt_loc(QWidget* parent = nullptr);

    void setLocalityId(const QString& id) { setOwner(id); }
    const QString& localityId() const { return owner(); }
    QLineEdit* name() const { return nameEdit(); }
};

}  // namespace reference
