#include "reference/searchbar.h"

#include "core/gradbtn.h"
#include "reference/formrow.h"
#include "reference/searchtree.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace reference {

TreeSearchBar::TreeSearchBar(SearchTree* tree, QWidget* parent, const SearchBarLook& look)
    : QWidget(parent), tree_(tree)
{
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("filter"));
    QLabel* label = buddyLabel(QStringLiteral("Filter:"), filter_, this);

    auto picture = [this](TreeGlyph g, const QString& name) {
        auto* b = new core::GradBtn(QString(), this);
        b->setIcon(treeGlyph(g));
        b->setFixedSize(26, 24);
        b->setAutoDefault(false);
        b->setToolTip(name);
        b->setAccessibleName(name);
        return b;
    };
    if (look.searchText) {
        search_ = new core::GradBtn(QStringLiteral("Search"), this);
        search_->setAutoDefault(false);
    } else {
        search_ = picture(TreeGlyph::Search, QStringLiteral("Search"));
    }
    next_ = picture(TreeGlyph::Next, QStringLiteral("Next match"));
    previous_ = picture(TreeGlyph::Previous, QStringLiteral("Previous match"));
    clear_ = picture(TreeGlyph::Clear, QStringLiteral("Clear search"));
    collapse_ = picture(TreeGlyph::CollapseAll, look.collapseHint);
    expand_ = picture(TreeGlyph::ExpandAll, look.expandHint);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    row->addWidget(label);
    row->addWidget(filter_, 1);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(4);
    top->addLayout(row);
    if (look.openRowBelow) {
        // search, clear, next and previous beside the line; the open buttons under it
        for (core::GradBtn* b : {search_, clear_, next_, previous_}) row->addWidget(b);
        auto* below = new QHBoxLayout;
        below->setSpacing(3);
        below->addWidget(collapse_);
        below->addWidget(expand_);
        below->addStretch(1);
        top->addLayout(below);
    } else {
        for (core::GradBtn* b : {search_, next_, previous_, clear_, collapse_, expand_}) row->addWidget(b);
    }

    connect(filter_, &QLineEdit::returnPressed, this, &TreeSearchBar::search);
    connect(search_, &QPushButton::clicked, this, &TreeSearchBar::search);
    connect(next_, &QPushButton::clicked, tree_, &SearchTree::nextMatch);
    connect(previous_, &QPushButton::clicked, tree_, &SearchTree::previousMatch);
    connect(clear_, &QPushButton::clicked, this, &TreeSearchBar::clearSearch);
    connect(collapse_, &QPushButton::clicked, tree_, &SearchTree::closeAll);
    connect(expand_, &QPushButton::clicked, tree_, &SearchTree::openAll);
}

void TreeSearchBar::search() { tree_->search(filter_->text()); }

void TreeSearchBar::clearSearch()
{
    filter_->clear();
    search();
}

}  // namespace reference
