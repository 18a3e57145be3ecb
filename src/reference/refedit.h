#pragma once
// The edit window of a reference list (class names ending in m: Torszagmf,
// Tvarosm, ...): one record's ID and value fields, "Ok" and "Cancel". The list
// window fills the fields before each showing; "Ok" checks the compulsory fields,
// compares the stored name with the one the window was opened with, asks for
// confirmation and writes one INSERT or UPDATE.

#include "db/query.h"
#include "reference/refdesc.h"

#include <QDialog>
#include <vector>

class QLabel;
class QLineEdit;

namespace core { class GradBtn; }

namespace reference {

class RefEdit : public QDialog {
    Q_OBJECT
public:
    explicit RefEdit(const RefDesc& desc, QWidget* parent = nullptr);
    const RefDesc& desc() const { return d_; }

    // what the list does before showing the window
    void clearFields();
    void setRecord(const QString& id, const QStringList& values);
    void prepareId();  // disables the ID field where the list does so
    void setArg(const QString& arg) { arg_ = arg; }
    const QString& arg() const { return arg_; }

    QLineEdit* idEdit() const { return id_; }
    // the value fields in order (the name first)
    QLineEdit* valueEdit(int i) const { return values_.at(size_t(i)); }
    core::GradBtn* okButton() const { return ok_; }
    core::GradBtn* cancelButton() const { return cancel_; }
    const QString& nameAsOpened() const { return nameAsOpened_; }

    // "Ok": check, ask, write; closes when the record was written
    void save();

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool isExisting() const;
    QStringList fieldTexts() const;
    QString fieldText(int i) const;

    RefDesc d_;
    QLabel* idLabel_;
    QLineEdit* id_;
    std::vector<QLineEdit*> values_;
    core::GradBtn* ok_;
    core::GradBtn* cancel_;
    db::Query cmd_;
    QString nameAsOpened_;
    QString idAsOpened_;
    QString arg_;
};

}  // namespace reference
