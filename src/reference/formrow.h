#pragma once
// Labels of the edit windows: the label names its field for the keyboard (its
// buddy) and for assistive technology (the field's accessible name).

#include "core/style.h"

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

// the program's selection colours (as in its grids) for a list or tree
inline void programSelection(QWidget* w)
{
    QPalette pal = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Highlight, style::selectedRow);
        pal.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    w->setPalette(pal);
}

// a form of the edit windows: labels right-aligned beside fields that take the width
inline QFormLayout* editForm()
{
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    return form;
}

// a form row "label: field" with the label as the field's buddy
inline QLabel* formRow(QFormLayout* form, const QString& text, QWidget* field, QWidget* parent)
{
    QLabel* l = buddyLabel(text, field, parent);
    form->addRow(l, field);
    return l;
}

}  // namespace reference

#include <QHBoxLayout>
#include <QLineEdit>
#include <initializer_list>

namespace reference {

// "Created by:" and "Date:" of a record that records its creator, read-only, side by
// side at the start of the row; the date field is wide enough for a whole timestamp
struct CreatorFields {
    QLineEdit* by = nullptr;
    QLineEdit* at = nullptr;
};

inline CreatorFields addCreatorFields(QHBoxLayout* row, QWidget* parent, QLineEdit* by = nullptr,
                                      QLineEdit* at = nullptr)
{
    CreatorFields f{by ? by : new QLineEdit(parent), at ? at : new QLineEdit(parent)};
    for (QLineEdit* e : {f.by, f.at}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
    }
    f.at->setFixedWidth(f.at->fontMetrics().horizontalAdvance(QStringLiteral("0000.00.00 00:00:00")) + 18);
    row->addWidget(buddyLabel(QStringLiteral("Created by:"), f.by, parent));
    row->addWidget(f.by, 1);
    row->addWidget(buddyLabel(QStringLiteral("Date:"), f.at, parent));
    row->addWidget(f.at);
    return f;
}

// the bottom bar of an editor that records its creator: the creator fields, then
// the buttons that close the editor
struct CreatorBar {
    QHBoxLayout* row;
    QLineEdit* by;
    QLineEdit* at;
};

inline CreatorBar creatorBar(QWidget* parent, std::initializer_list<QWidget*> buttons)
{
    auto* row = new QHBoxLayout;
    const CreatorFields f = addCreatorFields(row, parent);
    row->addSpacing(16);
    for (QWidget* b : buttons) row->addWidget(b);
    return {row, f.by, f.at};
}

}  // namespace reference
