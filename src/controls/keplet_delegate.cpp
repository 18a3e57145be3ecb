#include "controls/keplet_delegate.h"

#include "core/style.h"
#include "db/datasetmodel.h"

#include <QAbstractItemView>
#include <QPainter>

namespace controls {

KepletDelegate::KepletDelegate(KepletDelegateOptions options, QObject* parent)
    : QStyledItemDelegate(parent), options_(std::move(options))
{
}

KepletDelegate* KepletDelegate::install(QAbstractItemView* view, KepletDelegateOptions options)
{
    auto* d = new KepletDelegate(std::move(options), view);
    view->setItemDelegate(d);
    return d;
}

KepletDelegate* KepletDelegate::install(QAbstractItemView* view, const QString& field, bool tilde, double smallFactor)
{
    KepletDelegateOptions o;
    o.field = field;
    o.tilde = tilde;
    o.smallFactor = smallFactor;
    return install(view, o);
}

KepletDelegate* KepletDelegate::installForColumn(QAbstractItemView* view, int column, bool tilde, double smallFactor)
{
    KepletDelegateOptions o;
    o.column = column;
    o.tilde = tilde;
    o.smallFactor = smallFactor;
    return install(view, o);
}

bool KepletDelegate::drawsCell(const QModelIndex& index) const
{
    if (options_.column >= 0) return index.column() == options_.column;
    if (options_.field.isEmpty()) return true;
    // look the field up at paint time: grids replace their models on every load
    if (auto* m = qobject_cast<const db::DatasetModel*>(index.model()))
        return m->fieldAt(index.column()).compare(options_.field, Qt::CaseInsensitive) == 0;
    return false;
}

KepletLayout KepletDelegate::cellLayout(const QString& text, const QFont& font, QPaintDevice* device) const
{
    const QtKepletMetrics metrics(font, device);
    return layoutKeplet(text, fontPointSize(font), font.family(), metrics,
                        {options_.tilde, options_.smallFactor, options_.x0});
}

void paintKepletCell(QPainter& p, const QRect& rect, const QString& text, const QFont& font,
                     const QBrush& background, const QColor& textColour, const KepletOptions& options)
{
    const QtKepletMetrics metrics(font, p.device());
    const KepletLayout layout = layoutKeplet(text, fontPointSize(font), font.family(), metrics, options);
    p.save();
    p.setClipRect(rect);
    p.fillRect(rect, background);
    p.setPen(textColour);
    paintKeplet(p, rect, layout, font);
    p.restore();
}

void KepletDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!drawsCell(index)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);

    bool selected = opt.state & QStyle::State_Selected;
    if (options_.programSelection) {
        if (opt.state & QStyle::State_HasFocus) selected = true;
        if (auto* view = qobject_cast<const QAbstractItemView*>(opt.widget)) {
            const QModelIndex current = view->currentIndex();
            if (current.isValid() && current.row() == index.row()) selected = true;
        }
    }
    QBrush background;
    QColor text;
    if (selected && options_.programSelection) {
        background = style::selectedRow;
        text = Qt::black;
    } else if (selected) {
        const auto group = (opt.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
        background = opt.palette.brush(group, QPalette::Highlight);
        text = opt.palette.color(group, QPalette::HighlightedText);
    } else {
        const QVariant bg = index.data(Qt::BackgroundRole);
        background = bg.isValid() ? bg.value<QBrush>() : opt.palette.base();
        const QVariant fg = index.data(Qt::ForegroundRole);
        text = fg.isValid() ? fg.value<QBrush>().color() : opt.palette.color(QPalette::Text);
    }
    paintKepletCell(*painter, opt.rect, index.data(Qt::DisplayRole).toString(), opt.font, background, text,
                    {options_.tilde, options_.smallFactor, options_.x0});
}

KepletDelegateOptions kepletListOptions()
{
    KepletDelegateOptions o;
    o.tilde = true;
    o.x0 = 2;
    o.programSelection = false;
    return o;
}

int KepletDelegate::scaledItemHeight(int itemHeight, int dpi) { return roundHalfEven(itemHeight * dpi / 96.0); }

QSize KepletDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!drawsCell(index)) return QStyledItemDelegate::sizeHint(option, index);
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    QPaintDevice* device = const_cast<QWidget*>(opt.widget);
    const KepletLayout layout = cellLayout(index.data(Qt::DisplayRole).toString(), opt.font, device);
    int height;
    if (options_.itemHeight > 0) {
        height = scaledItemHeight(options_.itemHeight, device ? device->logicalDpiY() : 96);
    } else {
        const QtKepletMetrics metrics(opt.font, device);
        height = kepletNeededHeight(layout, metrics, opt.font.family()) + 1;
    }
    return {layout.endX + 2, height};
}

}  // namespace controls
