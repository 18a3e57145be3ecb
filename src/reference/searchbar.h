#pragma once
// The "Filter:" line of a searchable tree with its six picture buttons: search,
// next match, previous match, clear search, collapse all, expand all. Enter in the
// line searches too.

#include <QWidget>

class QLineEdit;

namespace core { class GradBtn; }

namespace reference {

class SearchTree;

// how the bar looks where the trees differ
struct SearchBarLook {
    bool searchText = false;  // "Search" as a text button instead of a picture
    bool openRowBelow = false;  // collapse and expand on a row of their own under the line
    QString collapseHint = QStringLiteral("Collapse all");
    QString expandHint = QStringLiteral("Expand all");
};

class TreeSearchBar : public QWidget {
    Q_OBJECT
public:
    TreeSearchBar(SearchTree* tree, QWidget* parent = nullptr, const SearchBarLook& look = {});

    QLineEdit* filter() const { return filter_; }
    core::GradBtn* searchButton() const { return search_; }
    core::GradBtn* nextButton() const { return next_; }
    core::GradBtn* previousButton() const { return previous_; }
    core::GradBtn* clearButton() const { return clear_; }
    core::GradBtn* collapseButton() const { return collapse_; }
    core::GradBtn* expandButton() const { return expand_; }

    // marks the nodes holding the filter text and selects the first match
    void search();
    // empties the filter and searches: every node becomes normal
    void clearSearch();

private:
    SearchTree* tree_;
    QLineEdit* filter_;
    core::GradBtn* search_;
    core::GradBtn* next_;
    core::GradBtn* previous_;
    core::GradBtn* clear_;
    core::GradBtn* collapse_;
    core::GradBtn* expand_;
};

}  // namespace reference
