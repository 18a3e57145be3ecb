#include "controls/kep_sg.h"

#include "controls/keplet_delegate.h"
#include "core/style.h"

namespace controls {

Tkep_sg::Tkep_sg(QWidget* parent) : QTableWidget(parent) { setUp(); }

Tkep_sg::Tkep_sg(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent) { setUp(); }

void Tkep_sg::setUp()
{
    KepletDelegateOptions o;
    o.x0 = 3;
    o.programSelection = false;  // the grid's own colour for the cell's state
    delegate_ = KepletDelegate::install(this, o);
    // the grid's selection colour is the program's selected-row colour
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Highlight, style::selectedRow);
        pal.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    setPalette(pal);
    setWordWrap(false);
}

QString Tkep_sg::cellText(int row, int column) const
{
    const QTableWidgetItem* i = item(row, column);
    return i ? i->text() : QString();
}

void Tkep_sg::setCellText(int row, int column, const QString& text)
{
    if (QTableWidgetItem* i = item(row, column)) i->setText(text);
    else setItem(row, column, new QTableWidgetItem(text));
}

}  // namespace controls
