#pragma once
// The sample list Tsamplet2 ("Samples"): one row per sample, sorted on the client
// by a title click, with "Show/Edit", "Add", "Delete", "Export" and "Refresh", and
// on the left the collapsible "Filter" side bar over the search panel.

#include "db/query.h"

#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;

namespace controls { class DBGrid; }
namespace core { class GradBtn; }

namespace samples {

class SearchPanel;

class Tsamplet2 : public QDialog {
    Q_OBJECT
public:
    explicit Tsamplet2(QWidget* parent = nullptr);
    ~Tsamplet2() override;

    // 1 while opened from the main window: a double-click opens the sample
    int browse_mode = 0;
    // ORDER BY of every fetch; the sample editor sets it after inserting a sample
    QString list_order = QStringLiteral("sample_id desc");
    // the search's WHERE condition and extra joins
    QString filter_condition = QStringLiteral("1=1");
    QString filter_joins;

    // the list fetch: every sample in list_order
    void adatleker();
    // runs a statement of the list's columns (the search) and shows its rows
    void openList(const QString& sql);
    // clears the search criteria
    void szurotorol();

    void showEdit();
    void add();
    void remove();
    void refresh();
    void exportSamples();
    void titleClick(const QString& field);
    // the side bar: search panel hidden or shown
    void toggleFilter();
    bool filterShown() const;

    // the widths of the width rule, or those a search leaves
    void applyWidths();
    void applySearchWidths();

    controls::DBGrid* grid() const { return grid_; }
    db::Query& list() { return list_; }
    QLineEdit* recordCount() const { return count_; }
    QWidget* searchHost() const { return searchHost_; }
    QWidget* filterBar() const { return filterBar_; }
    SearchPanel* searchPanel() const { return panel_.get(); }
    core::GradBtn* button(const QString& text) const;

    void done(int r) override;

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void ensurePanel();
    void showCount();
    void setWidths(const std::array<int, 6>& w);
    void reread();

    controls::DBGrid* grid_;
    db::Query list_;
    db::Query cmd_;
    QLineEdit* count_;
    QWidget* filterBar_;
    QLabel* filterCaption_;
    QLabel* arrowTop_;
    QLabel* arrowBottom_;
    QWidget* searchHost_;
    std::unique_ptr<SearchPanel> panel_;
    std::vector<core::GradBtn*> buttons_;
};

}  // namespace samples
