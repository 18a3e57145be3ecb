#pragma once
// Talt_art: adds one alternative name to an artefact.

#include "db/query.h"

#include <QDialog>

class QLineEdit;

namespace core { class GradBtn; }

namespace reference {

class Talt_art : public QDialog {
    Q_OBJECT
public:
    explicit Talt_art(QWidget* parent = nullptr);

    // the artefact the name is for; the name field starts empty
    void setArtefact(const QString& artId);
    const QString& artefact() const { return artId_; }
    QLineEdit* nameEdit() const { return name_; }
    core::GradBtn* okButton() const { return ok_; }
    core::GradBtn* cancelButton() const { return cancel_; }

    void save();

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QString artId_;
    QLineEdit* name_;
    core::GradBtn* ok_;
    core::GradBtn* cancel_;
    db::Query cmd_;
};

}  // namespace reference
