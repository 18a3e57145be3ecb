#pragma once
// Tkeplet_Combo: a drop-down list whose items are marked-up texts, drawn like the
// items of Tkeplet_lb, in the list and in the closed box. The ordinary combo
// operations apply (addItem, clear, currentIndex, currentText).

#include <QComboBox>

namespace controls {

class KepletDelegate;

class Tkeplet_Combo : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(int itemHeight READ itemHeight WRITE setItemHeight)
public:
    explicit Tkeplet_Combo(QWidget* parent = nullptr);

    // item height in 96-dpi pixels, scaled to the screen; 0: as the font needs
    int itemHeight() const;
    void setItemHeight(int h);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    KepletDelegate* delegate_;
};

}  // namespace controls
