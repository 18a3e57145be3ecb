#pragma once
// Item delegate that draws marked-up texts (formula markup, see keplet_layout.h)
// in grid cells and list items.
//
// For a grid column of marked-up names:
//     controls::KepletDelegate::install(grid, "is_inev", true);          // isotopes: '~' rule
//     controls::KepletDelegate::install(grid, "elem_inev", false, 0.8);  // chemical values
// The delegate then serves the whole view and draws only the cells of that field
// (model column names come from db::DatasetModel; with another model use
// installForColumn); every other cell is drawn the ordinary way. The base size is
// the cell font's size; a selected or current row gets the selected-row colour
// with black text.

#include "controls/keplet_layout.h"

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace controls {

struct KepletDelegateOptions {
    QString field;              // the column by field name (db::DatasetModel)
    int column = -1;            // or by model column; neither: every cell
    bool tilde = false;         // '~' toggles the Greek font
    double smallFactor = 0.75;  // size of the script runs: round(base * factor)
    int x0 = 2;                 // text starts this far right of the cell's left edge
    // true: selected or current row in the program's selected-row colour with
    // black text; false: the view's own highlight colours for selected items
    bool programSelection = true;
    int itemHeight = 0;         // >0: item height in 96-dpi pixels, scaled to the screen
};

class KepletDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit KepletDelegate(KepletDelegateOptions options = {}, QObject* parent = nullptr);

    // makes a delegate the view's item delegate (owned by the view) and returns it
    static KepletDelegate* install(QAbstractItemView* view, KepletDelegateOptions options);
    static KepletDelegate* install(QAbstractItemView* view, const QString& field, bool tilde,
                                   double smallFactor = 0.75);
    static KepletDelegate* installForColumn(QAbstractItemView* view, int column, bool tilde,
                                            double smallFactor = 0.75);

    const KepletDelegateOptions& options() const { return options_; }
    void setItemHeight(int h) { options_.itemHeight = h; }

    // whether this cell is drawn with the markup
    bool drawsCell(const QModelIndex& index) const;
    // the layout a cell's text gets on this device with this font
    KepletLayout cellLayout(const QString& text, const QFont& font, QPaintDevice* device) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // the item height rule: itemHeight x (dpi / 96), rounded
    static int scaledItemHeight(int itemHeight, int dpi);

private:
    KepletDelegateOptions options_;
};

// The options of the formula lists (list box and drop-down list): tilde rule on,
// text from the item's left edge + 2, the view's own selection colours.
KepletDelegateOptions kepletListOptions();

// Draws one marked-up text into rect: fills it with background, then the runs in
// the text colour (the shared drawing of delegates, lists and the combo's face).
void paintKepletCell(QPainter& painter, const QRect& rect, const QString& text, const QFont& font,
                     const QBrush& background, const QColor& textColour, const KepletOptions& options);

}  // namespace controls
