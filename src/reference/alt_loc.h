#pragma once
// The dialog Talt_loc ("Alternative locality name"): adds one alternative name to
// a saved locality. The locality editor sets the locality's key before showing it.

#include "db/query.h"

#include <QDialog>

class QLineEdit;

namespace core { class GradBtn; }

namespace reference {

QString altNameInsertSql(const QString& name, const QString& localityId);

class Talt_loc : public QDialog {
    Q_OBJECT
public:
    explicit Talt_loc(QWidget* parent = nullptr);

    void setLocalityId(const QString& id) { localityId_ = id; }
    const QString& localityId() const { return localityId_; }
    QLineEdit* name() const { return name_; }
    core::GradBtn* okButton() const { return ok_; }
    core::GradBtn* cancelButton() const { return cancel_; }

    void save();

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QString localityId_;
    QLineEdit* name_;
    core::GradBtn* ok_;
    core::GradBtn* cancel_;
    db::Query cmd_;
};

}  // namespace reference
