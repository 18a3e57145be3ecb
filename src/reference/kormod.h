#pragma once
// The geological time editor Tkorm ("Geologic Time"): the name, the enclosing
// time unit and the order among its siblings. The tree fills the fields before
// showing the window; an existing unit is read again from the table.

#include "db/query.h"

#include <QDialog>

class QLineEdit;

namespace core { class GradBtn; }

namespace reference {

class PickField;
struct KorRecord;

class Tkorm : public QDialog {
    Q_OBJECT
public:
    explicit Tkorm(QWidget* parent = nullptr);

    // what the tree sets before showing the window (id empty: a new time unit)
    void prepare(const QString& id, const QString& parentKey, const QString& parentName);
    QString id() const;

    QLineEdit* idEdit() const { return id_; }
    QLineEdit* nameEdit() const { return name_; }
    PickField* parentField() const { return parent_; }
    QLineEdit* orderEdit() const { return order_; }
    core::GradBtn* saveButton() const { return save_; }
    core::GradBtn* cancelButton() const { return cancel_; }

    void betolt();
    bool ment();
    void pickParent();

signals:
    void saved();

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool existing() const;

    QLineEdit* id_;
    QLineEdit* name_;
    PickField* parent_;
    QLineEdit* order_;
    core::GradBtn* save_;
    core::GradBtn* cancel_;
    db::Query cmd_;
};

}  // namespace reference
