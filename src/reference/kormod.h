#pragma once
// The geological time editor Tkorm ("Geologic Time"): the name, the enclosing
// time unit and the order among its siblings. The tree fills the fields before
// showing the window; an existing unit is read again from the table.

#include "db/query.h"
#include "reference/treewindow.h"

namespace reference {

class Tkorm : public TreeEditDialog {
    Q_OBJECT
public:
    explicit Tkorm(QWidget* parent = nullptr);

    // a new unit starts with an empty name and order
    void prepare(const QString& id, const QString& parentKey, const QString& parentName) override;

    QLineEdit* orderEdit() const { return order_; }
    core::GradBtn* saveButton() const { return save_; }
    core::GradBtn* cancelButton() const { return cancel_; }

    void betolt() override;
    bool ment();

private:
    QLineEdit* order_;
    core::GradBtn* save_;
    core::GradBtn* cancel_;
    db::Query cmd_;
};

}  // namespace reference
