#include "reference/treewindow.h"

#include "core/artwork.h"
#include "core/datam.h"
#include "core/gradbtn.h"
#include "core/style.h"
#include "db/query.h"
#include "db/sqltext.h"
#include "reference/searchtree.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>

namespace reference {

TreeWindow::TreeWindow(Role role, const QString& className, const QString& caption, const QString& launcher,
                       QWidget* parent)
    : QDialog(parent), role_(role), launcher_(launcher)
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
    if (role_ == Role::Maintain) {
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

bool TreeWindow::afterEdit(int reselect)
{
    if (!changed_) return false;
    build();
    if (reselect) tree_->selectNode(reselect);
    tree_->setFocus(Qt::OtherFocusReason);
    return true;
}

bool ownDescendant(db::Query& q, const QString& parentsSql, const QString& candidate, const QString& self)
{
    if (!db::isPlainInteger(self.trimmed()) || !db::isPlainInteger(candidate.trimmed())) return false;
    QHash<int, int> parents;
    try {
        q.open(parentsSql);
    } catch (const db::DbError& e) {
        core::dm().showError(e);
        return true;
    }
    for (int r = 0; r < q.rowCount(); ++r) parents.insert(q.data().text(r, 0).toInt(), q.data().text(r, 1).toInt());
    return SearchTree::isSelfOrDescendant(parents, candidate.trimmed().toInt(), self.trimmed().toInt());
}

void TreeWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(rect(), artwork::background(size()));
}

}  // namespace reference
