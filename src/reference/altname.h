#pragma once
// The small dialog that adds one alternative name to a saved record (an artefact,
// a locality): the name field, "Ok" and "Cancel". The record's editor sets the
// record's key before showing it; the field starts empty at every showing.

#include "db/query.h"

#include <QDialog>
#include <functional>

class QLineEdit;

namespace core { class GradBtn; }

namespace reference {

class AltNameDialog : public QDialog {
    Q_OBJECT
public:
    struct Config {
        QString className;
        QString caption;
        QString label;         // of the name field
        QString emptyMessage;  // shown for an empty name
        // the INSERT of the name for the record of this key
        std::function<QString(const QString& name, const QString& ownerId)> insertSql;
    };
    explicit AltNameDialog(Config config, QWidget* parent = nullptr);

    void setOwner(const QString& id) { owner_ = id; }
    const QString& owner() const { return owner_; }
    QLineEdit* nameEdit() const { return name_; }
    core::GradBtn* okButton() const { return ok_; }
    core::GradBtn* cancelButton() const { return cancel_; }

    // "Ok": checks the name, asks, inserts and closes; a refusal keeps the dialog open
    void save();

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    Config config_;
    QString owner_;
    QLineEdit* name_;
    core::GradBtn* ok_;
    core::GradBtn* cancel_;
    db::Query cmd_;
};

}  // namespace reference
