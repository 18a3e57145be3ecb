#pragma once
// Labels of the edit windows: the label names its field for the keyboard (its
// buddy) and for assistive technology (the field's accessible name).

#include <QFormLayout>
#include <QLabel>

namespace reference {

inline QLabel* buddyLabel(const QString& text, QWidget* field, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setBuddy(field);
    field->setAccessibleName(text);
    return l;
}

// a form row "label: field" with the label as the field's buddy
inline QLabel* formRow(QFormLayout* form, const QString& text, QWidget* field, QWidget* parent)
{
    QLabel* l = buddyLabel(text, field, parent);
    form->addRow(l, field);
    return l;
}

}  // namespace reference
