#include "controls/keplet_combo.h"

#include "controls/keplet_delegate.h"

#include <QAbstractItemView>
#include <QStylePainter>

namespace controls {

Tkeplet_Combo::Tkeplet_Combo(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    delegate_ = new KepletDelegate(kepletListOptions(), this);
    setItemDelegate(delegate_);
}

int Tkeplet_Combo::itemHeight() const { return delegate_->options().itemHeight; }

void Tkeplet_Combo::setItemHeight(int h)
{
    delegate_->setItemHeight(h);
    updateGeometry();
}

QSize Tkeplet_Combo::sizeHint() const
{
    QSize s = QComboBox::sizeHint();
    // room for the script runs of the closed box
    const QtKepletMetrics metrics(font(), const_cast<Tkeplet_Combo*>(this));
    const KepletLayout l = layoutKeplet(QString(), fontPointSize(font()), font().family(), metrics);
    s.setHeight(std::max(s.height(), kepletNeededHeight(l, metrics, font().family()) + 6));
    return s;
}

QSize Tkeplet_Combo::minimumSizeHint() const
{
    QSize s = QComboBox::minimumSizeHint();
    s.setHeight(sizeHint().height());
    return s;
}

void Tkeplet_Combo::paintEvent(QPaintEvent*)
{
    // the frame and arrow as usual, the current item's text with the markup
    QStylePainter p(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    const QString text = opt.currentText;
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    p.drawComplexControl(QStyle::CC_ComboBox, opt);
    QRect field = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    const bool focus = hasFocus() && !view()->isVisible();
    const QBrush bg = focus ? palette().highlight() : palette().base();
    const QColor fg = palette().color(focus ? QPalette::HighlightedText : QPalette::Text);
    // a line of formula text centred vertically in the field
    const QtKepletMetrics metrics(font(), this);
    const KepletLayout l = layoutKeplet(QString(), fontPointSize(font()), font().family(), metrics);
    const int pad = std::max(0, (field.height() - kepletNeededHeight(l, metrics, font().family())) / 2);
    p.fillRect(field, bg);
    paintKepletCell(p, field.adjusted(0, pad, 0, 0), text, font(), bg, fg, {true, 0.75, 2});
}

}  // namespace controls
