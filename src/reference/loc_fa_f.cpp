#include "reference/loc_fa_f.h"

#include "core/artwork.h"
#include "core/datam.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/modal.h"
#include "core/pwait_procf.h"
#include "reference/formrow.h"
#include "reference/localitymod.h"
#include "reference/searchbar.h"
#include "reference/searchtree.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QSplitter>
#include <QVBoxLayout>
#include <optional>

namespace reference {
namespace {
LocalityMap& mapViewer()
{
    static LocalityMap m;
    return m;
}
}  // namespace

void setLocalityMap(LocalityMap show) { mapViewer() = std::move(show); }
bool hasLocalityMap() { return bool(mapViewer()); }

const QString& localityTreeSql()
{
    static const QString s = QStringLiteral(
        "select localityt.locality_id,localityt.upward,l2.loc_name as l2,localityt.loc_name,localityt.region,"
        "localityt.orszag_kod,orszag_nev,kont_name,localityt.description,localityt.cen_lat,localityt.cen_lon,"
        "localityt.min_lat,localityt.min_lon,localityt.max_lat,localityt.max_lon,localityt.date_added,"
        "localityt.geodat,localityt.letre_user,localityt.letre_dat,users.user_name,users.teljnev from (localityt "
        "left join orszagt on localityt.orszag_kod=orszagt.orszag_kod) left join kontinentt on "
        "kontinentt.kont_kod=localityt.kont_kod left join users on users.user_id=localityt.letre_user left join "
        "localityt l2 on l2.locality_id=localityt.upward order by localityt.upward,localityt.loc_name");
    return s;
}

QString deleteLocalityQuestion(const QString& name)
{
    return msg::confirmDelete + QStringLiteral(" (\"") + name + QStringLiteral("\")");
}

LocalityTree::LocalityTree(Role role, Tlocalitym* editor, QWidget* parent)
    : QDialog(parent), role_(role), editor_(role == Role::Maintain ? editor : nullptr)
{
    setObjectName(role == Role::Maintain ? QStringLiteral("Tloc_fa") : QStringLiteral("Tloc_fa_2"));
    setWindowTitle(QStringLiteral("Locality"));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(true);

    // ---- the tree and its filter line
    tree_ = new SearchTree(this);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setAccessibleName(QStringLiteral("Locality"));
    tree_->setFold(SearchFold::Unicode);
    SearchBarLook look;
    look.searchText = true;
    look.openRowBelow = true;
    look.collapseHint = QStringLiteral("Open all");  // the program's own hints
    look.expandHint = QStringLiteral("Close all");
    bar_ = new TreeSearchBar(tree_, this, look);
    filter_ = bar_->filter();
    auto* leftBox = new QWidget(this);
    auto* left = new QVBoxLayout(leftBox);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(bar_);
    left->addWidget(tree_, 1);
    connect(tree_, &SearchTree::nodeSelected, this, &LocalityTree::showDetails);
    connect(tree_, &SearchTree::enterPressed, this, &LocalityTree::ok);  // Enter chooses, as "Ok" does

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(leftBox);
    split->addWidget(buildDetails());
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);

    // ---- buttons
    auto* bottom = new QHBoxLayout;
    addCreatorFields(bottom, this, detail(QStringLiteral("teljnev")), detail(QStringLiteral("letre_dat")));
    bottom->addSpacing(12);
    auto button = [&](const QString& text) {
        auto* b = new core::GradBtn(text, this);
        b->setMinimumWidth(78);
        b->setAutoDefault(false);
        bottom->addWidget(b);
        return b;
    };
    if (role_ == Role::Maintain) {
        map_ = button(QStringLiteral("Map"));
        mapMenu_ = new QMenu(this);
        QAction* coords = mapMenu_->addAction(QStringLiteral("Koordinata"));
        QAction* cities = mapMenu_->addAction(QStringLiteral("Város"));
        connect(coords, &QAction::triggered, this, [this] { showMap(MapKind::Coordinates); });
        connect(cities, &QAction::triggered, this, [this] { showMap(MapKind::Geocoded); });
        map_->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(map_, &QWidget::customContextMenuRequested, this,
                [this](const QPoint& p) { mapMenu_->popup(map_->mapToGlobal(p)); });
        connect(map_, &QPushButton::clicked, this, [this] { showMap(MapKind::Coordinates); });
    }
    ok_ = button(QStringLiteral("Ok"));
    connect(ok_, &QPushButton::clicked, this, &LocalityTree::ok);
    if (role_ == Role::Maintain) {
        add_ = button(QStringLiteral("Add"));
        edit_ = button(QStringLiteral("Show/Edit"));
        delete_ = button(QStringLiteral("Delete"));
        connect(add_, &QPushButton::clicked, this, &LocalityTree::add);
        connect(edit_, &QPushButton::clicked, this, [this] { edit(true); });
        connect(delete_, &QPushButton::clicked, this, &LocalityTree::remove);

        context_ = new QMenu(this);
        connect(context_->addAction(QStringLiteral("Add")), &QAction::triggered, this, &LocalityTree::addSibling);
        connect(context_->addAction(QStringLiteral("Add Child")), &QAction::triggered, this,
                &LocalityTree::addChild);
        connect(context_->addAction(QStringLiteral("Edit")), &QAction::triggered, this, [this] { edit(false); });
        connect(context_->addAction(QStringLiteral("Delete")), &QAction::triggered, this, &LocalityTree::remove);
        QAction* mapItem = context_->addAction(QStringLiteral("Map"));
        mapItem->setVisible(false);
        tree_->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(tree_, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
            if (QTreeWidgetItem* n = tree_->itemAt(p)) tree_->setCurrentItem(n);
            context_->popup(tree_->viewport()->mapToGlobal(p));
        });
        connect(editor_, &Tlocalitym::saved, this, [this] { saved_ = true; });
    } else {
        // the reduced tree only picks: a double-click chooses the node
        connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem*, int) { ok(); });
    }
    cancel_ = button(QStringLiteral("Cancel"));
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(10, 10, 10, 10);
    top->addWidget(split, 1);
    top->addSpacing(6);
    top->addLayout(bottom);
    resize(role_ == Role::Maintain ? 1000 : 840, 600);

    QList<QWidget*> order = {filter_,          searchButton(),   clearButton(),  nextButton(),
                             previousButton(), collapseButton(), expandButton(), tree_};
    if (map_) order << map_;
    order << ok_;
    if (add_) order << add_ << edit_ << delete_;
    order << cancel_;
    for (int i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

QWidget* LocalityTree::buildDetails()
{
    auto* panel = new QWidget(this);
    auto field = [this, panel](const QString& column) { return details_.add(column, panel); };
    // the creator's fields stand in the window's bottom row
    for (const QString& c : {QStringLiteral("teljnev"), QStringLiteral("letre_dat")}) details_.add(c, this);

    auto* form = editForm();
    QLineEdit* id = field(QStringLiteral("locality_id"));
    id->setMaximumWidth(90);
    formRow(form, QStringLiteral("ID:"), id, panel);
    formRow(form, QStringLiteral("Loc.Name:"), field(QStringLiteral("loc_name")), panel);
    if (role_ == Role::Maintain) formRow(form, QStringLiteral("Geological Unit:"), field(QStringLiteral("region")), panel);
    formRow(form, QStringLiteral("Country:"), field(QStringLiteral("orszag_nev")), panel);
    continent_ = new QComboBox(panel);
    continent_->setEnabled(false);
    formRow(form, QStringLiteral("Continent:"), continent_, panel);
    formRow(form, QStringLiteral("Upward nest.:"), field(QStringLiteral("l2")), panel);
    formRow(form, QStringLiteral("Data added:"), field(QStringLiteral("date_added")), panel);

    form->addRow(new core::GradLabel(QStringLiteral(" Georeferencing"), panel));
    for (int c = 0; c < CoordinateCount; ++c)
        formRow(form, coordinateLabels()[size_t(c)], field(coordinateColumns()[size_t(c)]), panel);
    formRow(form, QStringLiteral("Geodetic datum:"), field(QStringLiteral("geodat")), panel);

    description_ = new QPlainTextEdit(panel);
    description_->setReadOnly(true);
    description_->setTabChangesFocus(true);
    description_->setMaximumHeight(70);
    altList_ = new QListWidget(panel);
    altList_->setObjectName(QStringLiteral("altNames"));
    programSelection(altList_);
    altList_->setMaximumHeight(80);

    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(8, 0, 0, 0);
    v->addLayout(form);
    v->addWidget(buddyLabel(QStringLiteral(" Description"), description_, panel));
    v->addWidget(description_);
    v->addWidget(buddyLabel(QStringLiteral("Alt.names:"), altList_, panel));
    v->addWidget(altList_, 1);
    return panel;
}

QLineEdit* LocalityTree::detail(const QString& column) const { return details_.field(column); }

QString LocalityTree::launcher() const
{
    return role_ == Role::Maintain ? QStringLiteral("localityfa") : QStringLiteral("localityfa2");
}

void LocalityTree::paintEvent(QPaintEvent*)
{
    artwork::paintBackground(this);
}

void LocalityTree::loadContinents()
{
    continent_->clear();
    try {
        cmd_.open(continentsSql);
        for (int r = 0; r < cmd_.rowCount(); ++r) continent_->addItem(cmd_.text(r, QStringLiteral("kont_name")));
    } catch (const db::DbError& e) {
        core::dm().showError(e);
    }
    continent_->setCurrentIndex(-1);
}

void LocalityTree::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    core::Tdm& dm = core::dm();
    for (db::Query* q : {&localities_, &altNames_, &tops_, &cmd_}) q->setConnection(&dm.conn());
    if (map_) map_->setEnabled(hasLocalityMap());
    loadContinents();
    filter_->clear();
    build();
    // the caller's current locality, if it is in the tree; otherwise the top
    const QString current = dm.slot(launcher()).trimmed();
    if (current.isEmpty() || !tree_->selectNode(current.toInt())) tree_->scrollToTop();
    tree_->setFocus(Qt::OtherFocusReason);
}

void LocalityTree::build()
{
    std::optional<core::ProcWait> wait;
    if (role_ == Role::Maintain) wait.emplace();
    try {
        localities_.open(localityTreeSql());
        altNames_.open(altNamesSql);
        tops_.open(topLocalitiesSql);
    } catch (const db::DbError& e) {
        // the tree shows what could be read
        core::dm().showError(e);
    }
    tree_->build(SearchTree::rowsOf(localities_.data(), QStringLiteral("locality_id"), QStringLiteral("upward"),
                                    QStringLiteral("loc_name")),
                 SearchTree::rowsOf(tops_.data(), QStringLiteral("locality_id"), QString(),
                                    QStringLiteral("loc_name")));
    showDetails(tree_->currentId());
}

void LocalityTree::showDetails(int id)
{
    const int row = id ? localities_.locate(QStringLiteral("locality_id"), id) : -1;
    auto text = [&](const QString& column) { return row >= 0 ? localities_.text(row, column) : QString(); };
    details_.show(text);
    continent_->setCurrentIndex(continent_->findText(text(QStringLiteral("kont_name"))));
    description_->setPlainText(text(QStringLiteral("description")));
    upwardId_ = text(QStringLiteral("upward"));
    ownerName_ = text(QStringLiteral("user_name"));
    altList_->clear();
    if (row >= 0 && altNames_.isActive()) {
        altNames_.applyFilter(QStringLiteral("locality_id=%1").arg(id));
        for (int r = 0; r < altNames_.rowCount(); ++r) altList_->addItem(altNames_.text(r, QStringLiteral("loc_name")));
    }
}

core::GradBtn* LocalityTree::searchButton() const { return bar_->searchButton(); }
core::GradBtn* LocalityTree::clearButton() const { return bar_->clearButton(); }
core::GradBtn* LocalityTree::nextButton() const { return bar_->nextButton(); }
core::GradBtn* LocalityTree::previousButton() const { return bar_->previousButton(); }
core::GradBtn* LocalityTree::collapseButton() const { return bar_->collapseButton(); }
core::GradBtn* LocalityTree::expandButton() const { return bar_->expandButton(); }

void LocalityTree::ok()
{
    const int id = tree_->currentId();
    if (!tree_->currentItem()) return;
    core::dm().setSlot(launcher(), QString::number(id));
    accept();
}

void LocalityTree::openEditor(const QString& id)
{
    editor_->setId(id);
    saved_ = false;
    core::showModal(editor_);
}

void LocalityTree::afterEdit(int reselect)
{
    if (!saved_) return;
    build();
    if (reselect && tree_->selectNode(reselect)) tree_->setFocus(Qt::OtherFocusReason);
    showDetails(tree_->currentId());
}

void LocalityTree::add()
{
    if (!editor_ || !core::dm().jogell(QStringLiteral("CD"))) return;
    editor_->setUpward(QString(), QString());
    openEditor(QString());
    afterEdit(editor_->id().toInt());
}

void LocalityTree::addSibling()
{
    if (!editor_ || !core::dm().jogell(QStringLiteral("CD"))) return;
    if (!tree_->currentItem()) {
        add();
        return;
    }
    editor_->setUpward(upwardId_, detail(QStringLiteral("l2"))->text());
    openEditor(QString());
    afterEdit(editor_->id().toInt());
}

void LocalityTree::addChild()
{
    if (!editor_ || !core::dm().jogell(QStringLiteral("CD"))) return;
    if (!tree_->currentItem()) {
        add();
        return;
    }
    editor_->setUpward(detail(QStringLiteral("locality_id"))->text(), detail(QStringLiteral("loc_name"))->text());
    openEditor(QString());
    afterEdit(editor_->id().toInt());
}

void LocalityTree::edit(bool forgetSearch)
{
    if (!editor_ || !tree_->currentItem()) return;
    const int id = tree_->currentId();
    if (forgetSearch) tree_->forgetSearch();
    openEditor(QString::number(id));
    afterEdit(id);
}

void LocalityTree::remove()
{
    core::Tdm& dm = core::dm();
    if (!editor_ || !tree_->currentItem() || !dm.jogell(QStringLiteral("D"))) return;
    const int id = tree_->currentId();
    if (!dm.kerdes(deleteLocalityQuestion(detail(QStringLiteral("loc_name"))->text()))) return;
    try {
        cmd_.exec(QStringLiteral("delete from localityt where locality_id=:par"), {{QStringLiteral("par"), db::Value(id)}});
    } catch (const db::DbError& e) {
        // a locality that samples or other localities still refer to stays
        dm.showError(e);
        return;
    }
    build();
}

void LocalityTree::showMap(MapKind kind)
{
    if (!hasLocalityMap()) return;
    mapViewer()(kind, localities_.data());
}

}  // namespace reference
