#pragma once
// The list window of a reference table (class names ending in t: Torszagt,
// Tvarost, ...). It shows the whole table in a grid and serves two roles: browsing
// from the main window's "Basic data" menu (browse flag 1: add, edit, delete) and
// picking for another window through the data module's launcher (browse flag 0:
// "Ok" hands the chosen key back through the pick slot). The list is read again at
// every showing.

#include "db/query.h"
#include "reference/refdesc.h"

#include <QDialog>

class QPlainTextEdit;

namespace controls { class DBGrid; }
namespace core { class GradBtn; }

namespace reference {

class RefEdit;
class RecordEditor;

class RefList : public QDialog {
    Q_OBJECT
public:
    // editor: the edit window of the list (none for a pick-only list)
    RefList(const RefDesc& desc, RefEdit* editor, QWidget* parent = nullptr);
    // a list whose edit window loads the record itself from its key
    RefList(const RefDesc& desc, RecordEditor* editor, QWidget* parent = nullptr);
    const RefDesc& desc() const { return d_; }
    RefEdit* editor() const { return editor_; }
    RecordEditor* recordEditor() const { return recordEditor_; }

    int browse() const { return browse_; }
    void setBrowse(int flag) { browse_ = flag; }
    // the launcher's extra argument (measurement kind, quantity group)
    void setArg(const QString& arg) { arg_ = arg; }
    const QString& arg() const { return arg_; }

    controls::DBGrid* grid() const { return grid_; }
    db::Query& list() { return list_; }
    core::GradBtn* okButton() const { return ok_; }
    core::GradBtn* addButton() const { return add_; }
    core::GradBtn* editButton() const { return edit_; }
    core::GradBtn* deleteButton() const { return delete_; }
    core::GradBtn* closeButton() const { return close_; }
    QPlainTextEdit* memo() const { return memo_; }

    // the actions of the buttons
    void load();
    void ok();
    void add();
    void edit();
    void remove();

    void done(int r) override;

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void refresh(bool withWait);
    void applyLoadWidths();
    void applyShares();
    void showMemo();
    void relocateTo(int key);
    void onTitleClick(const QString& field);
    bool hasEditor() const { return editor_ || recordEditor_; }
    void build();
    void onDoubleClick();
    QString currentKey() const;

    RefDesc d_;
    RefEdit* editor_ = nullptr;
    RecordEditor* recordEditor_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    controls::DBGrid* grid_;
    core::GradBtn* ok_;
    core::GradBtn* add_ = nullptr;
    core::GradBtn* edit_ = nullptr;
    core::GradBtn* delete_ = nullptr;
    core::GradBtn* close_;
    db::Query list_;
    db::Query cmd_;
    int browse_ = 0;
    QString arg_;
};

}  // namespace reference
