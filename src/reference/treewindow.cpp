#include "reference/treewindow.h"

#include "core/artwork.h"
#include "core/datam.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/modal.h"
#include "core/style.h"
#include "db/query.h"
#include "db/sqltext.h"
#include "reference/pickfield.h"
#include "reference/searchtree.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QShowEvent>
#include <QVBoxLayout>

namespace reference {

// ---- the edit window ------------------------------------------------------------

TreeEditDialog::TreeEditDialog(const QString& className, const QString& caption, ParentPick parent, QWidget* w)
    : QDialog(w), parent_(std::move(parent)), parents_(new db::Query(nullptr, this))
{
    setObjectName(className);
    setWindowTitle(caption);
    setAccessibleName(caption);
    setSizeGripEnabled(true);
    idEdit_ = new QLineEdit(this);
    idEdit_->setObjectName(QStringLiteral("id"));
    idEdit_->setEnabled(false);
    idEdit_->setMaximumWidth(90);
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("name"));
    nameEdit_->setMinimumWidth(260);
    parentField_ = new PickField(QStringLiteral("the parent"), this);
    parentField_->setObjectName(QStringLiteral("parent"));
    connect(parentField_, &PickField::pickClicked, this, &TreeEditDialog::pickParent);
    // the clear button makes the record a top-level one
    connect(parentField_, &PickField::clearClicked, this, [this] { parentField_->set(QString(), QString()); });
}

void TreeEditDialog::prepare(const QString& id, const QString& parentKey, const QString& parentName)
{
    idEdit_->setText(id);
    parentField_->set(parentKey, parentName);
    saved_ = false;
}

QString TreeEditDialog::id() const { return idEdit_->text(); }

bool TreeEditDialog::existing() const { return !idEdit_->text().trimmed().isEmpty(); }

db::Query& TreeEditDialog::parentsQuery()
{
    parents_->setConnection(&core::dm().conn());
    return *parents_;
}

void TreeEditDialog::pickParent()
{
    core::Tdm& dm = core::dm();
    const QString chosen = dm.pick(parent_.launcher, parentField_->id()).trimmed();
    if (chosen.isEmpty()) return;
    if (existing() && db::isPlainInteger(chosen)) {
        // under itself or under one of its descendants the record would leave its tree
        db::Query& q = parentsQuery();
        QHash<int, int> parents;
        try {
            q.open(parent_.parentsSql);
        } catch (const db::DbError& e) {
            dm.showError(e);
            return;
        }
        for (int r = 0; r < q.rowCount(); ++r) parents.insert(q.data().text(r, 0).toInt(), q.data().text(r, 1).toInt());
        if (SearchTree::isSelfOrDescendant(parents, chosen.toInt(), id().trimmed().toInt())) {
            dm.uzenet(msg::ownChild);
            return;  // the parent stays as it was
        }
    }
    parentField_->set(chosen, parentName(chosen));
}

void TreeEditDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    betolt();
    nameEdit_->setFocus(Qt::OtherFocusReason);
}

void TreeEditDialog::paintEvent(QPaintEvent*)
{
    artwork::paintBackground(this);
}

// ---- the tree window ------------------------------------------------------------

TreeWindow::TreeWindow(Role role, const QString& className, const QString& caption, const QString& launcher,
                       TreeEditDialog* editor, const QString& addRights, QWidget* parent)
    : QDialog(parent), role_(role), launcher_(launcher), editor_(role == Role::Maintain ? editor : nullptr),
      addRights_(addRights)
{
    setObjectName(className);
    setWindowTitle(caption);
    setAccessibleName(caption);
    setSizeGripEnabled(true);

    tree_ = new SearchTree(this);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setAccessibleName(caption);
    QPalette pal = tree_->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Highlight, style::selectedRow);
        pal.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    tree_->setPalette(pal);

    buttons_ = new QHBoxLayout;
    ok_ = button(QStringLiteral("Ok"));
    connect(ok_, &QPushButton::clicked, this, &TreeWindow::ok);
    if (editor_) {
        add_ = button(QStringLiteral("Add"));
        edit_ = button(QStringLiteral("Show/Edit"));
        delete_ = button(QStringLiteral("Delete"));
        connect(add_, &QPushButton::clicked, this, &TreeWindow::add);
        connect(edit_, &QPushButton::clicked, this, &TreeWindow::edit);
        connect(delete_, &QPushButton::clicked, this, &TreeWindow::remove);

        context_ = new QMenu(this);
        connect(context_->addAction(QStringLiteral("Add")), &QAction::triggered, this, &TreeWindow::addSibling);
        connect(context_->addAction(QStringLiteral("Add Child")), &QAction::triggered, this, &TreeWindow::addChild);
        connect(context_->addAction(QStringLiteral("Edit")), &QAction::triggered, this, &TreeWindow::edit);
        connect(context_->addAction(QStringLiteral("Delete")), &QAction::triggered, this, &TreeWindow::remove);
        tree_->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(tree_, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
            if (QTreeWidgetItem* n = tree_->itemAt(p)) tree_->setCurrentItem(n);
            context_->popup(tree_->viewport()->mapToGlobal(p));
        });
    } else {
        tree_->setExpandsOnDoubleClick(false);
        connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem*, int) { ok(); });
    }
    buttons_->addStretch(1);
    cancel_ = button(QStringLiteral("Cancel"));
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    // Enter on a node chooses it, as "Ok" does
    connect(tree_, &SearchTree::enterPressed, this, &TreeWindow::ok);
}

core::GradBtn* TreeWindow::button(const QString& text)
{
    auto* b = new core::GradBtn(text, this);
    b->setMinimumWidth(78);
    b->setAutoDefault(false);
    buttons_->addWidget(b);
    return b;
}

void TreeWindow::setBody(QWidget* body, QHBoxLayout* extra)
{
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(10, 10, 10, 10);
    top->addWidget(body, 1);
    top->addSpacing(6);
    if (extra) {
        extra->addSpacing(12);
        extra->addLayout(buttons_);
        top->addLayout(extra);
    } else {
        top->addLayout(buttons_);
    }
}

void TreeWindow::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    build();
    if (role_ == Role::Pick) {
        // the caller's current record, if it is in the tree
        const QString current = core::dm().slot(launcher_).trimmed();
        if (db::isPlainInteger(current)) tree_->selectNode(current.toInt());
    }
    tree_->setFocus(Qt::OtherFocusReason);
}

void TreeWindow::trigger(const QString& item)
{
    if (!context_) return;
    for (QAction* a : context_->actions())
        if (a->text() == item) a->trigger();
}

void TreeWindow::ok()
{
    if (!tree_->currentItem()) return;
    core::dm().setSlot(launcher_, QString::number(tree_->currentId()));
    accept();
}

void TreeWindow::openEditor(const QString& id, int parent)
{
    const QString parentKey = parent ? QString::number(parent) : QString();
    editor_->prepare(id, parentKey, parent ? editor_->parentName(parentKey) : QString());
    core::showModal(editor_);
    if (!editor_->saved()) return;
    build();
    const int reselect = editor_->id().trimmed().toInt();
    if (reselect) tree_->selectNode(reselect);
    tree_->setFocus(Qt::OtherFocusReason);
}

void TreeWindow::add()
{
    if (!editor_ || (!addRights_.isEmpty() && !core::dm().jogell(addRights_))) return;
    openEditor(QString(), 0);
}

void TreeWindow::addSibling()
{
    if (editor_) openEditor(QString(), SearchTree::parentId(tree_->currentItem()));
}

void TreeWindow::addChild()
{
    if (editor_) openEditor(QString(), tree_->currentId());
}

void TreeWindow::edit()
{
    if (editor_ && tree_->currentItem()) openEditor(QString::number(tree_->currentId()), 0);
}

void TreeWindow::paintEvent(QPaintEvent*)
{
    artwork::paintBackground(this);
}

}  // namespace reference
