#pragma once
// The read-only fields in which a tree window shows the columns of the selected
// record, each named and found by its column.

#include <QHash>
#include <QLineEdit>
#include <QString>
#include <functional>

namespace reference {

class DetailFields {
public:
    // a new read-only field for the column
    QLineEdit* add(const QString& column, QWidget* parent)
    {
        auto* e = new QLineEdit(parent);
        e->setObjectName(column);
        e->setReadOnly(true);
        fields_.insert(column, e);
        return e;
    }
    QLineEdit* field(const QString& column) const { return fields_.value(column); }

    // every field shows the text of its column, from the text's start
    void show(const std::function<QString(const QString& column)>& text)
    {
        for (auto it = fields_.begin(); it != fields_.end(); ++it) {
            it.value()->setText(text(it.key()));
            it.value()->setCursorPosition(0);
        }
    }

private:
    QHash<QString, QLineEdit*> fields_;
};

}  // namespace reference
