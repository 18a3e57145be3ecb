#pragma once
// Tkeplet_lb: a list box whose items are marked-up texts (formula markup with the
// tilde rule: '~' toggles the Greek letters). The ordinary list operations apply
// (addItem, clear, currentRow, currentItem()->text()); the drawing is automatic.

#include <QListWidget>

namespace controls {

class KepletDelegate;

class Tkeplet_lb : public QListWidget {
    Q_OBJECT
    Q_PROPERTY(int itemHeight READ itemHeight WRITE setItemHeight)
public:
    explicit Tkeplet_lb(QWidget* parent = nullptr);

    // item height in 96-dpi pixels, scaled to the screen; 0 (default): as high as
    // a text with super- and subscripts needs in the list's font
    int itemHeight() const;
    void setItemHeight(int h);
    // text of the selected item ("" when none)
    QString selectedText() const;

private:
    KepletDelegate* delegate_;
};

}  // namespace controls
