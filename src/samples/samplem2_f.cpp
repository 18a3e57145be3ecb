#include "samples/samplem2_f.h"

#include "core/artwork.h"
#include "core/datam.h"
#include "core/forms.h"
#include "core/gradbtn.h"
#include "core/pwait_procf.h"
#include "core/style.h"
#include "reference/waitfor.h"
#include "samples/meres_types.h"
#include "samples/samplem2_hooks.h"
#include "samples/samplem2_sql.h"
#include "samples/samplem2_tree.h"
#include "samples/samplet2_form.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QShowEvent>
#include <QSplitter>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace samples {
namespace {

constexpr int CodeRole = Qt::UserRole;
constexpr int IdRole = Qt::UserRole + 1;

// image 1: a section (a closed book); image 2: a measurement or analysis (a
// small flask), image 3 the same flask filled while selected
QIcon nodeIcon(int image)
{
    auto draw = [](bool section, bool filled) {
        QPixmap pm(16, 16);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        if (section) {
            p.setPen(QColor(150, 90, 40));
            p.setBrush(QColor(247, 190, 130));
            p.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 1.5, 1.5);
            p.drawLine(QPointF(5.5, 3), QPointF(5.5, 13));
        } else {
            QPainterPath flask;
            flask.moveTo(6, 2);
            flask.lineTo(10, 2);
            flask.lineTo(10, 6);
            flask.lineTo(14, 14);
            flask.lineTo(2, 14);
            flask.lineTo(6, 6);
            flask.closeSubpath();
            p.setPen(QColor(60, 90, 140));
            p.setBrush(filled ? QColor(90, 140, 210) : QColor(230, 238, 250));
            p.drawPath(flask);
        }
        return pm;
    };
    QIcon icon;
    if (image == 1) {
        icon.addPixmap(draw(true, false));
    } else {
        icon.addPixmap(draw(false, false), QIcon::Normal);
        icon.addPixmap(draw(false, true), QIcon::Selected);
    }
    return icon;
}

// The tree of sections. Unlike a plain item view it does not make its first node
// current when it gets the focus: a node is selected only by the user or by the
// program, and every selection runs the node dispatch.
class SectionTree : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void focusInEvent(QFocusEvent* e) override
    {
        QAbstractScrollArea::focusInEvent(e);
        viewport()->update();
    }
};

}  // namespace

Tsamplem2::Tsamplem2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tsamplem2"));
    setWindowTitle(QStringLiteral("Samples(Edit)  "));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(true);
    resetOrders();

    tree_ = new SectionTree(this);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setAccessibleName(QStringLiteral("Sections"));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    tree_->setMinimumWidth(200);
    // long captions scroll sideways instead of being cut
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree_->header()->setStretchLastSection(false);
    tree_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette treePal = tree_->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        treePal.setColor(group, QPalette::Highlight, style::selectedRow);
        treePal.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    tree_->setPalette(treePal);
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { TreeView1Change(); });
    connect(tree_, &QWidget::customContextMenuRequested, this, &Tsamplem2::showPopup);

    popup_ = new QMenu(this);
    newMeasure_ = popup_->addAction(QStringLiteral("New measure"));
    editMeasure_ = popup_->addAction(QStringLiteral("Edit measure"));
    connect(newMeasure_, &QAction::triggered, this, [this] {
        if (const auto& f = measureMenuActions().newMeasure) f(*this);
    });
    connect(editMeasure_, &QAction::triggered, this, [this] {
        if (const auto& f = measureMenuActions().editMeasure) f(*this);
    });

    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(tree_);
    split->addWidget(pages_);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setSizes({270, 770});
    split->setChildrenCollapsible(false);

    close_ = new core::GradBtn(QStringLiteral("Close"), this);
    close_->setAutoDefault(false);
    close_->setMinimumWidth(80);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    auto readOnly = [this](const QString& label, int width, QHBoxLayout* into) {
        auto* l = new QLabel(label, this);
        auto* e = new QLineEdit(this);
        e->setReadOnly(true);
        e->setFixedWidth(width);
        e->setAccessibleName(label);
        l->setBuddy(e);
        into->addWidget(l);
        into->addWidget(e);
        return e;
    };
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(close_);
    bottom->addStretch(1);
    createdBy_ = readOnly(QStringLiteral("Create a record:"), 200, bottom);
    bottom->addSpacing(12);
    createdDate_ = readOnly(QStringLiteral("Date:"), 150, bottom);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(8, 8, 8, 8);
    top->setSpacing(6);
    top->addWidget(split, 1);
    top->addLayout(bottom);

    for (SectionEntry& e : registeredSections()) {
        Loaded l;
        l.entry = e;
        l.section = e.make(*this);
        for (QWidget* p : l.section->pages()) pages_->addWidget(p);
        l.routes = l.section->routes();
        sections_.push_back(std::move(l));
    }
    resize(1040, 720);
}

Tsamplem2::~Tsamplem2() = default;

void Tsamplem2::paintEvent(QPaintEvent*)
{
    artwork::paintBackground(this);
}

// ---- the sample ------------------------------------------------------------------

void Tsamplem2::setSampleId(const QString& id)
{
    sampleId_ = id;
    emit sampleIdChanged(id);
}

void Tsamplem2::setSampleCaption(const QString& sampleName)
{
    setWindowTitle(QStringLiteral("Samples(Edit)  ") + sampleName);
    setAccessibleName(windowTitle());
}

void Tsamplem2::setCreated(const QString& fullName, const QString& date)
{
    createdBy_->setText(fullName);
    createdDate_->setText(date);
    createdBy_->setCursorPosition(0);
}

bool Tsamplem2::ownerTest(QChar mode)
{
    core::Tdm& dm = core::dm();
    if (isNewSample()) return dm.jogell(QStringLiteral("CD"), mode);
    return dm.jogellnev(QStringLiteral("CD"), creatorUserName_, mode);
}

void Tsamplem2::resetOrders()
{
    micOrder = QStringLiteral("jarulek_nev");
    macOrder = QStringLiteral("jarulek_nev");
    chemOrder = QStringLiteral("metod_name");
}

db::Query* Tsamplem2::dataset(const QString& name)
{
    auto& q = datasets_[name];
    if (!q) {
        q = std::make_unique<db::Query>();
        q->setObjectName(name);
    }
    q->setConnection(&core::dm().conn());
    return q.get();
}

// ---- pages -------------------------------------------------------------------------

QWidget* Tsamplem2::page(const QString& name) const
{
    for (int i = 0; i < pages_->count(); ++i)
        if (pages_->widget(i)->objectName() == name) return pages_->widget(i);
    return nullptr;
}

void Tsamplem2::showPage(const QString& name)
{
    if (QWidget* p = page(name)) pages_->setCurrentWidget(p);
}

QString Tsamplem2::currentPageName() const
{
    return pages_->currentWidget() ? pages_->currentWidget()->objectName() : QString();
}

Section* Tsamplem2::section(const QString& name) const
{
    for (const Loaded& l : sections_)
        if (l.entry.name == name) return l.section.get();
    return nullptr;
}

QWidget* Tsamplem2::saveRefreshBar(QWidget* page, PageActions actions)
{
    auto* bar = new QWidget(page);
    auto* h = new QHBoxLayout(bar);
    h->setContentsMargins(0, 4, 0, 0);
    h->addStretch(1);
    auto shared = std::make_shared<PageActions>(std::move(actions));
    if (shared->save) {
        auto* b = new core::GradBtn(QStringLiteral("Save"), bar);
        b->setAutoDefault(false);
        b->setMinimumWidth(80);
        connect(b, &QPushButton::clicked, this, [this, shared] { runSave(*shared); });
        h->addWidget(b);
    }
    if (shared->refresh) {
        auto* b = new core::GradBtn(QStringLiteral("Refresh"), bar);
        b->setAutoDefault(false);
        b->setMinimumWidth(80);
        connect(b, &QPushButton::clicked, this, [this, shared] { runRefresh(*shared); });
        h->addWidget(b);
    }
    return bar;
}

void Tsamplem2::runSave(const PageActions& a)
{
    if (!a.save) return;
    const bool may = a.saveRight ? a.saveRight() : core::dm().jogellnev(QStringLiteral("CD"), creatorUserName_);
    if (!may) return;
    try {
        reference::WaitFor wait(a.saveWait);
        a.save();
    } catch (const db::DbError& e) {
        core::dm().showError(e);
    }
}

void Tsamplem2::runRefresh(const PageActions& a)
{
    if (!a.refresh) return;
    try {
        reference::WaitFor wait(a.refreshWait);
        a.refresh();
        if (a.rereadLinks) {
            auto it = datasets_.find(QStringLiteral("litlinks"));
            if (it != datasets_.end() && it->second->isActive()) it->second->refresh();
        }
    } catch (const db::DbError& e) {
        core::dm().showError(e);
    }
}

// ---- tree ----------------------------------------------------------------------------

QTreeWidgetItem* Tsamplem2::addNode(QTreeWidgetItem* parent, int code, int id, const QString& caption, int image)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    item->setText(0, caption);
    item->setData(0, CodeRole, code);
    item->setData(0, IdRole, id);
    item->setIcon(0, nodeIcon(image));
    return item;
}

void Tsamplem2::menu()
{
    core::Tdm& dm = core::dm();
    const db::Dataset measurements = dm.conn().open(measurementNodesSql(sampleId_));
    const db::Dataset analyses = dm.conn().open(analysisNodesSql(sampleId_));
    treeReady_ = false;
    tree_->clear();
    addNodes(measurements, analyses);
    tree_->expandAll();
    showPage(QStringLiteral("identification"));
    treeReady_ = true;
}

void Tsamplem2::addNodes(const db::Dataset& measurements, const db::Dataset& analyses)
{
    std::map<int, QTreeWidgetItem*> byCode;
    for (const TreeNodeDef& n : treeNodes(core::dm().edition_code)) {
        QTreeWidgetItem* item = addNode(n.parent ? byCode.at(n.parent) : nullptr, n.code, 0, n.caption, 1);
        byCode[n.code] = item;
        if (const MeresType* t = meresTypeOfNode(n.code); t && t->tipus == n.code) {
            db::Dataset ofType = measurements;
            ofType.setFilter(QStringLiteral("tipus=") + QString::number(t->tipus));
            ofType.setFiltered(true);
            for (int r = 0; r < ofType.rowCount(); ++r)
                addNode(item, t->tipus * 10, ofType.row(r).toInt(QStringLiteral("meres_id")),
                        measurementNodeCaption(r + 1, ofType.text(r, QStringLiteral("name"))), 2);
        }
        if (n.code == 35)
            for (int r = 0; r < analyses.rowCount(); ++r)
                addNode(item, 350, analyses.row(r).toInt(QStringLiteral("alkmet_id")),
                        analyses.text(r, QStringLiteral("metod_name")), 2);
    }
}

void Tsamplem2::clearTree()
{
    treeReady_ = false;
    tree_->clear();
}

TreeNode Tsamplem2::currentNode() const
{
    const QTreeWidgetItem* item = tree_->currentItem();
    if (!item) return {};
    return {item->data(0, CodeRole).toInt(), item->data(0, IdRole).toInt()};
}

bool Tsamplem2::selectNode(int code, int id)
{
    for (QTreeWidgetItemIterator it(tree_); *it; ++it)
        if ((*it)->data(0, CodeRole).toInt() == code && (*it)->data(0, IdRole).toInt() == id) {
            tree_->setCurrentItem(*it);
            return true;
        }
    return false;
}

void Tsamplem2::TreeView1Change()
{
    if (!treeReady_ || !tree_->currentItem()) return;
    const TreeNode node = currentNode();
    try {
        for (const Loaded& l : sections_)
            for (const NodeRoute& r : l.routes) {
                if (!r.matches || !r.matches(node.code)) continue;
                if (!r.page.isEmpty()) showPage(r.page);
                if (!r.dataset.isEmpty() && r.filter) dataset(r.dataset)->applyFilter(r.filter(node));
            }
        for (const Loaded& l : sections_)
            for (const NodeRoute& r : l.routes)
                if (r.matches && r.matches(node.code) && r.action) r.action(node);
    } catch (const db::DbError& e) {
        core::dm().showError(e);
    }
}

void Tsamplem2::updatePopupItems()
{
    const int code = currentNode().code;
    const MeasureMenuActions& a = measureMenuActions();
    const bool typeNode = tree_->currentItem() && isTypeNode(code);
    const bool measurementNode = tree_->currentItem() && isMeasurementNode(code);
    newMeasure_->setEnabled(bool(a.newMeasure) && (typeNode || measurementNode));
    editMeasure_->setEnabled(bool(a.editMeasure) && measurementNode);
}

void Tsamplem2::showPopup(const QPoint& pos)
{
    if (QTreeWidgetItem* item = tree_->itemAt(pos)) tree_->setCurrentItem(item);
    updatePopupItems();
    popup_->popup(tree_->viewport()->mapToGlobal(pos));
}

// ---- loading ------------------------------------------------------------------------

bool Tsamplem2::adatleker()
{
    core::Tdm& dm = core::dm();
    try {
        const db::Dataset row = dm.conn().open(sampleRowSql(sampleId_));
        const bool has = !row.isEmpty();
        if (has) setSampleCaption(row.text(0, QStringLiteral("sample_name")));
        creatorUserName_ = has ? row.text(0, QStringLiteral("user_name")) : QString();
        setCreated(has ? row.text(0, QStringLiteral("teljnev")) : QString(),
                   has ? row.text(0, QStringLiteral("letre_date")) : QString());
        for (Loaded& l : sections_) l.section->fillFromSample(row);
        for (Loaded& l : sections_) {
            if (l.entry.descriptiveOnly && dm.edition_code != core::Edition::Descriptive) continue;
            l.section->load();
        }
    } catch (const db::DbError& e) {
        dm.showError(e);
        return false;
    }
    return true;
}

void Tsamplem2::becomeExisting(const QString& newId)
{
    setSampleId(newId);
    try {
        menu();
    } catch (const db::DbError& e) {
        core::dm().showError(e);
    }
    adatleker();
    if (auto* list = core::Forms::get<Tsamplet2>(QStringLiteral("Tsamplet2")))
        list->list_order = QStringLiteral("sample_id desc");
}

void Tsamplem2::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    startShowing();
}

void Tsamplem2::startShowing()
{
    resetOrders();
    core::ProcWait wait;
    if (!isNewSample()) {
        try {
            menu();
        } catch (const db::DbError& e) {
            core::dm().showError(e);
        }
        adatleker();
        return;
    }
    clearTree();
    // a new sample has no name yet: no caption of the sample shown before
    setSampleCaption({});
    creatorUserName_.clear();
    setCreated({}, {});
    for (Loaded& l : sections_) l.section->clearForNewSample();
    showPage(QStringLiteral("identification"));
}

}  // namespace samples
