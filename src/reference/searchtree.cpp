#include "reference/searchtree.h"

#include "db/dataset.h"
#include "reference/formrow.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSet>

namespace reference {
namespace {
constexpr int IdRole = Qt::UserRole;
constexpr int ParentRole = Qt::UserRole + 1;
constexpr int MarkRole = Qt::UserRole + 2;

void collect(QTreeWidgetItem* node, QList<QTreeWidgetItem*>& out)
{
    out << node;
    for (int i = 0; i < node->childCount(); ++i) collect(node->child(i), out);
}
}  // namespace

SearchTree::SearchTree(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    header()->setStretchLastSection(true);
    programSelection(this);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* now, QTreeWidgetItem*) {
        if (!building_) emit nodeSelected(now ? nodeId(now) : 0);
    });
}

std::vector<TreeRow> SearchTree::rowsOf(const db::Dataset& data, const QString& idField,
                                        const QString& parentField, const QString& captionField)
{
    std::vector<TreeRow> rows;
    rows.reserve(size_t(data.rowCount()));
    const int id = data.columnIndex(idField);
    const int parent = parentField.isEmpty() ? -1 : data.columnIndex(parentField);
    const int caption = data.columnIndex(captionField);
    for (int r = 0; r < data.rowCount(); ++r) {
        TreeRow row;
        row.id = data.text(r, id).toInt();
        row.parent = parent < 0 || data.isNull(r, parent) ? 0 : data.text(r, parent).toInt();
        row.caption = data.text(r, caption);
        rows.push_back(std::move(row));
    }
    return rows;
}

QTreeWidgetItem* SearchTree::makeNode(const TreeRow& row)
{
    auto* node = new QTreeWidgetItem(QStringList{row.caption});
    node->setData(0, IdRole, row.id);
    node->setData(0, ParentRole, row.parent);
    node->setData(0, MarkRole, false);
    return node;
}

void SearchTree::addChildren(QTreeWidgetItem* node, const QHash<int, std::vector<int>>& children,
                             const std::vector<TreeRow>& rows, QSet<int>& placed)
{
    const auto it = children.constFind(nodeId(node));
    if (it == children.constEnd()) return;
    for (int index : *it) {
        const TreeRow& row = rows[size_t(index)];
        // a row placed already (inconsistent data) would make the walk endless
        if (placed.contains(row.id)) continue;
        placed.insert(row.id);
        QTreeWidgetItem* child = makeNode(row);
        node->addChild(child);
        addChildren(child, children, rows, placed);
    }
}

void SearchTree::build(const std::vector<TreeRow>& rows, const std::vector<TreeRow>& tops)
{
    building_ = true;
    setUpdatesEnabled(false);
    clear();
    matched_ = false;
    parents_ = parentsOf(rows);

    // the children of each key, in the order of the rows
    QHash<int, std::vector<int>> children;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].parent != 0) children[rows[i].parent].push_back(int(i));

    QSet<int> placed;
    QList<QTreeWidgetItem*> topNodes;
    for (const TreeRow& top : tops) {
        if (placed.contains(top.id)) continue;
        placed.insert(top.id);
        TreeRow shown = top;
        shown.parent = 0;
        topNodes << makeNode(shown);
    }
    addTopLevelItems(topNodes);
    for (QTreeWidgetItem* node : topNodes) addChildren(node, children, rows, placed);

    expandAll();
    setUpdatesEnabled(true);
    building_ = false;
}

void SearchTree::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit enterPressed();
        e->accept();
        return;
    }
    QTreeWidget::keyPressEvent(e);
}

int SearchTree::nodeId(const QTreeWidgetItem* node) { return node ? node->data(0, IdRole).toInt() : 0; }
int SearchTree::parentId(const QTreeWidgetItem* node) { return node ? node->data(0, ParentRole).toInt() : 0; }
bool SearchTree::marked(const QTreeWidgetItem* node) { return node && node->data(0, MarkRole).toBool(); }

QList<QTreeWidgetItem*> SearchTree::nodes() const
{
    QList<QTreeWidgetItem*> out;
    for (int i = 0; i < topLevelItemCount(); ++i) collect(topLevelItem(i), out);
    return out;
}

QTreeWidgetItem* SearchTree::findNode(int id) const
{
    for (QTreeWidgetItem* n : nodes())
        if (nodeId(n) == id) return n;
    return nullptr;
}

bool SearchTree::selectNode(int id)
{
    QTreeWidgetItem* n = findNode(id);
    if (!n) return false;
    setCurrentItem(n);
    scrollToItem(n);
    return true;
}

int SearchTree::currentId() const { return nodeId(currentItem()); }

QString SearchTree::folded(const QString& text) const
{
    if (fold_ == SearchFold::Unicode) return text.toUpper();
    QString out = text;
    for (QChar& c : out)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
    return out;
}

bool SearchTree::matches(const QString& caption, const QString& filter) const
{
    return !filter.isEmpty() && folded(caption).contains(folded(filter));
}

void SearchTree::setMark(QTreeWidgetItem* node, bool on)
{
    node->setData(0, MarkRole, on);
    QFont f = font();
    f.setBold(on);
    node->setFont(0, f);
}

bool SearchTree::search(const QString& filter)
{
    matched_ = false;
    for (QTreeWidgetItem* n : nodes()) {
        const bool hit = matches(n->text(0), filter);
        setMark(n, hit);
        matched_ = matched_ || hit;
    }
    setFocus(Qt::OtherFocusReason);
    if (topLevelItemCount() > 0) setCurrentItem(topLevelItem(0));
    nextMatch();
    return matched_;
}

void SearchTree::walk(int step)
{
    if (!matched_) return;
    const QList<QTreeWidgetItem*> all = nodes();
    const int n = int(all.size());
    if (n == 0) return;
    int at = all.indexOf(currentItem());
    if (at < 0) at = step > 0 ? -1 : n;  // no current node: start at the first (last)
    // once around: the nodes after the current one, then from the other end back to it
    for (int k = 1; k <= n; ++k) {
        const int i = ((at + step * k) % n + n) % n;
        if (marked(all[i])) {
            setCurrentItem(all[i]);
            scrollToItem(all[i]);
            return;
        }
    }
}

void SearchTree::nextMatch() { walk(1); }
void SearchTree::previousMatch() { walk(-1); }

QHash<int, int> SearchTree::parentsOf(const std::vector<TreeRow>& rows)
{
    QHash<int, int> parents;
    parents.reserve(int(rows.size()));
    for (const TreeRow& r : rows) parents.insert(r.id, r.parent);
    return parents;
}

bool SearchTree::isSelfOrDescendant(const QHash<int, int>& parents, int candidate, int node)
{
    QSet<int> seen;
    for (int at = candidate; at != 0; at = parents.value(at, 0)) {
        if (at == node) return true;
        if (seen.contains(at)) return false;  // a cycle that does not pass the node
        seen.insert(at);
    }
    return false;
}

bool SearchTree::isSelfOrDescendant(int candidate, int node) const
{
    return isSelfOrDescendant(parents_, candidate, node);
}

QIcon treeGlyph(TreeGlyph glyph)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(90, 52, 20);
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (glyph) {
    case TreeGlyph::Search:
        p.drawEllipse(QRectF(2, 2, 8, 8));
        p.drawLine(QPointF(9, 9), QPointF(14, 14));
        break;
    case TreeGlyph::Next:
    case TreeGlyph::Previous: {
        QPainterPath arrow;
        const bool down = glyph == TreeGlyph::Next;
        const double tip = down ? 13 : 3, base = down ? 5 : 11;
        arrow.moveTo(3, base);
        arrow.lineTo(8, tip);
        arrow.lineTo(13, base);
        arrow.closeSubpath();
        p.setBrush(ink);
        p.drawPath(arrow);
        break;
    }
    case TreeGlyph::Clear:
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case TreeGlyph::CollapseAll:
    case TreeGlyph::ExpandAll:
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        p.drawLine(QPointF(5, 8), QPointF(11, 8));
        if (glyph == TreeGlyph::ExpandAll) p.drawLine(QPointF(8, 5), QPointF(8, 11));
        break;
    }
    return QIcon(pm);
}

}  // namespace reference
