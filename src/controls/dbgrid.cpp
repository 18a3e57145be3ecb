#include "controls/dbgrid.h"

#include "core/style.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace controls {

void styleGrid(QTableView* view)
{
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(false);
    view->setWordWrap(false);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->verticalHeader()->setFixedWidth(14);
    view->verticalHeader()->setSectionsClickable(false);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette pal = view->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Highlight, style::selectedRow);
        pal.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    view->setPalette(pal);
    view->horizontalHeader()->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background: rgb(252,191,131); color: black; padding: 2px 4px;"
        " border: 0px; border-right: 1px solid rgb(214,150,92); border-bottom: 1px solid rgb(214,150,92); }"));
    view->verticalHeader()->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background: rgb(252,191,131); border: 0px; border-bottom: 1px solid rgb(214,150,92); }"));
}

namespace {

// The row indicator at the grid's left edge: title-band coloured cells, a small
// arrow at the current row, no row numbers (they would not fit and mean nothing
// once the rows are sorted).
class IndicatorHeader : public QHeaderView {
public:
    explicit IndicatorHeader(QTableView* view) : QHeaderView(Qt::Vertical, view), view_(view) {}

protected:
    void paintSection(QPainter* p, const QRect& rect, int logicalIndex) const override
    {
        p->save();
        p->fillRect(rect, style::titleBand);
        p->setPen(QColor(214, 150, 92));
        p->drawLine(rect.bottomLeft(), rect.bottomRight());
        p->drawLine(rect.topRight(), rect.bottomRight());
        const QModelIndex cur = view_->currentIndex();
        if (cur.isValid() && cur.row() == logicalIndex) {
            const int cy = rect.center().y(), x = rect.left() + 4;
            const QPoint arrow[3] = {QPoint(x, cy - 4), QPoint(x + 5, cy), QPoint(x, cy + 4)};
            p->setRenderHint(QPainter::Antialiasing);
            p->setPen(Qt::NoPen);
            p->setBrush(Qt::black);
            p->drawPolygon(arrow, 3);
        }
        p->restore();
    }

private:
    QTableView* view_;
};

}  // namespace

DBGrid::DBGrid(QWidget* parent) : QTableView(parent)
{
    setVerticalHeader(new IndicatorHeader(this));
    styleGrid(this);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (model_) emit titleClicked(model_->fieldAt(section));
    });
}

void DBGrid::setQuery(db::Query* query, std::vector<db::GridColumn> columns)
{
    if (model_) model_->deleteLater();
    model_ = new db::DatasetModel(query, this);
    model_->setColumns(std::move(columns));
    setModel(model_);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, verticalHeader()->viewport(),
            qOverload<>(&QWidget::update));
    // a reset gives the header its default section sizes: put back either the
    // specified widths or the ones the columns had before the load
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        keptWidths_.clear();
        if (!widthsOnLoad_)
            for (int c = 0; c < model_->columnCount(); ++c) keptWidths_.push_back(columnWidth(c));
    });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        if (!widthsOnLoad_ && int(keptWidths_.size()) == model_->columnCount())
            for (int c = 0; c < model_->columnCount(); ++c) setColumnWidth(c, keptWidths_[size_t(c)]);
        else
            applyWidths();
        if (model_->rowCount() > 0) setCurrentRow(0);
    });
    applyWidths();
    if (model_->rowCount() > 0) setCurrentRow(0);
}

void DBGrid::applyWidths()
{
    if (!model_) return;
    for (int c = 0; c < model_->columnCount(); ++c) setColumnWidth(c, model_->widthAt(c));
}

int DBGrid::currentRow() const
{
    if (!model_ || model_->rowCount() == 0) return -1;
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : 0;
}

void DBGrid::setCurrentRow(int row)
{
    if (!model_ || row < 0 || row >= model_->rowCount()) return;
    const QModelIndex i = model_->index(row, std::max(0, currentIndex().column()));
    setCurrentIndex(i);
    selectRow(row);
    scrollTo(i);
}

QString DBGrid::currentText(const QString& field) const
{
    const int r = currentRow();
    if (r < 0) return {};
    return query()->text(r, field);
}

void DBGrid::sortByField(const QString& field)
{
    if (!model_) return;
    model_->setBoldField(field);
    model_->query()->setSortField(field);
}

void DBGrid::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit enterPressed();
        e->accept();
        return;
    }
    QTableView::keyPressEvent(e);
}

void DBGrid::mouseDoubleClickEvent(QMouseEvent* e)
{
    const QModelIndex i = indexAt(e->position().toPoint());
    if (i.isValid()) {
        setCurrentRow(i.row());
        emit rowDoubleClicked(i.row());
        e->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(e);
}

}  // namespace controls
