#pragma once
// Talt_art: adds one alternative name to a saved artefact.

#include "reference/altname.h"

namespace reference {

class Talt_art : public AltNameDialog {
    Q_OBJECT
public:
    explicit Talt_art(QWidget* parent = nullptr);

    void setArtefact(const QString& artId) { setOwner(artId); }
    const QString& artefact() const { return owner(); }
};

}  // namespace reference
