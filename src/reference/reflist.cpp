#include "reference/reflist.h"

#include "controls/dbgrid.h"
#include "controls/keplet_delegate.h"
#include "core/artwork.h"
#include "core/datam.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/modal.h"
#include "core/msgbox.h"
#include "reference/formrow.h"
#include "reference/recordeditor.h"
#include "reference/refedit.h"
#include "reference/refsql.h"
#include "reference/waitfor.h"

#include <QHBoxLayout>
#include <cmath>
#include <QLabel>
#include <QPlainTextEdit>
#include <QHeaderView>
#include <QShowEvent>
#include <QVBoxLayout>

namespace reference {

RefList::RefList(const RefDesc& desc, RefEdit* editor, QWidget* parent) : QDialog(parent), d_(desc), editor_(editor)
{
    build();
}

RefList::RefList(const RefDesc& desc, RecordEditor* editor, QWidget* parent)
    : QDialog(parent), d_(desc), recordEditor_(editor)
{
    build();
}

void RefList::build()
{
    setObjectName(d_.listClass);
    setWindowTitle(d_.listCaption);
    setAccessibleName(d_.listCaption);
    setSizeGripEnabled(true);

    grid_ = new controls::DBGrid(this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->setAccessibleName(d_.listCaption);
    std::vector<db::GridColumn> columns = d_.columns;
    for (size_t i = 0; i < columns.size() && i < d_.createWidths.size(); ++i) columns[i].width = d_.createWidths[i];
    grid_->setWidthsOnLoad(d_.widthsAfterLoad);
    grid_->setQuery(&list_, columns);
    if (d_.rowHeight > 0) grid_->verticalHeader()->setDefaultSectionSize(d_.rowHeight);
    if (!d_.titleSort) grid_->horizontalHeader()->setSectionsClickable(false);
    // the grid's width less the other columns, whatever the window's size and
    // whether a scroll bar shows
    if (d_.fillName) grid_->horizontalHeader()->setStretchLastSection(true);
    if (!d_.formulaField.isEmpty())
        controls::KepletDelegate::install(grid_, d_.formulaField, false, d_.formulaFactor);

    connect(grid_, &controls::DBGrid::titleClicked, this, &RefList::onTitleClick);
    connect(grid_, &controls::DBGrid::enterPressed, this, [this] {
        if (d_.enterIsOk) ok();
    });
    connect(grid_, &controls::DBGrid::rowDoubleClicked, this, [this](int) { onDoubleClick(); });

    auto* buttons = new QHBoxLayout;
    auto button = [&](const QString& text) {
        auto* b = new core::GradBtn(text, this);
        b->setMinimumWidth(76);
        b->setAutoDefault(true);  // Enter presses the focused button; the grid keeps its own Enter
        buttons->addWidget(b);
        return b;
    };
    ok_ = button(QStringLiteral("Ok"));
    connect(ok_, &QPushButton::clicked, this, &RefList::ok);
    if (!d_.pickOnly) {
        add_ = button(QStringLiteral("Add"));
        edit_ = button(d_.editButtonText);
        delete_ = button(QStringLiteral("Delete"));
        connect(add_, &QPushButton::clicked, this, &RefList::add);
        connect(edit_, &QPushButton::clicked, this, &RefList::edit);
        connect(delete_, &QPushButton::clicked, this, &RefList::remove);
    }
    buttons->addStretch(1);
    close_ = button(d_.closeCaption);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(10, 10, 10, 10);
    top->setSpacing(8);
    top->addWidget(grid_, 1);
    if (!d_.memoField.isEmpty()) {
        memo_ = new QPlainTextEdit(this);
        memo_->setObjectName(QStringLiteral("memo"));
        memo_->setReadOnly(true);
        memo_->setTabChangesFocus(true);
        memo_->setMaximumHeight(90);
        top->addWidget(buddyLabel(d_.memoLabel, memo_, this));
        top->addWidget(memo_);
        // the box follows the cursor, also after every load
        connect(grid_->dataModel(), &QAbstractItemModel::modelReset, this, &RefList::showMemo);
        connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this, &RefList::showMemo);
    }
    top->addLayout(buttons);

    int gridWidth = 40;
    for (const auto& c : columns)
        if (c.visible) gridWidth += c.width;
    resize(std::max(gridWidth + 20, d_.pickOnly ? 280 : 440), 440);
    grid_->setFocus();
}

void RefList::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    grid_->setFocus(Qt::OtherFocusReason);
    load();
}

void RefList::done(int r)
{
    if (d_.resetFlag) browse_ = 0;
    QDialog::done(r);
}

void RefList::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    applyShares();
}

void RefList::applyShares()
{
    const ColumnShares& s = d_.columnShares;
    if (s.shares.empty()) return;
    const int w = grid_->width();
    for (int i = 0; i < s.from && size_t(i) < d_.columns.size(); ++i) grid_->setColumnWidth(i, d_.columns[size_t(i)].width);
    for (size_t k = 0; k < s.shares.size(); ++k) {
        const int width = w >= s.minWidth ? int(std::lround(s.shares[k] * (w - s.margin))) : s.narrow.at(k);
        grid_->setColumnWidth(s.from + int(k), width);
    }
}

void RefList::showMemo()
{
    if (memo_) memo_->setPlainText(grid_->currentText(d_.memoField));
}

void RefList::onTitleClick(const QString& field)
{
    if (!d_.titleSort || field.isEmpty()) return;
    if (!d_.titleReloads) {
        grid_->sortByField(field);
        return;
    }
    // the field is one of the grid's own columns, never typed text
    d_.sortClause = field;
    load();
}

void RefList::paintEvent(QPaintEvent*)
{
    artwork::paintBackground(this);
}

void RefList::applyLoadWidths()
{
    if (d_.widthsAfterLoad) {
        for (const auto& c : d_.columns) grid_->dataModel()->setWidth(c.field, c.width);
        grid_->applyWidths();
    }
}

void RefList::load()
{
    core::Tdm& dm = core::dm();
    list_.setConnection(&dm.conn());
    cmd_.setConnection(&dm.conn());
    const Statement s = loadStatement(d_, arg_);
    try {
        WaitFor wait(d_.listWait);
        list_.open(s.sql, s.params);
        applyLoadWidths();
    } catch (const db::DbError& e) {
        // the grid stays empty; "Add" and "Cancel" still work
        dm.showError(e);
    }
}

void RefList::refresh(bool withWait)
{
    try {
        WaitFor wait(withWait ? d_.listWait : Wait::None);
        list_.refresh();
        applyLoadWidths();
    } catch (const db::DbError& e) {
        core::dm().showError(e);
    }
}

QString RefList::currentKey() const { return grid_->currentText(d_.key); }

void RefList::ok()
{
    if (!list_.isActive()) {
        // the list could not be read: there is no key to hand back
        switch (d_.okFailure) {
        case OkFailure::PlainError: core::showMessage(QStringLiteral("Error")); return;
        case OkFailure::Hiba: core::showMessage(QStringLiteral("Hiba")); return;
        case OkFailure::ConnectionWarning: core::warningBox(msg::connectionBroken); return;
        case OkFailure::None: break;
        }
    }
    QString value = grid_->currentText(d_.pickField());
    if (d_.slot == SlotType::Integer) value = QString::number(value.toInt());
    core::dm().setSlot(d_.launcher, value);
    accept();
}

void RefList::add()
{
    if (!hasEditor() || !core::dm().jogell(d_.addRights)) return;
    if (recordEditor_) {
        recordEditor_->setRecordId(QString());
        core::showModal(recordEditor_->dialog());
        refresh(d_.waitOnAddEdit);
        return;
    }
    editor_->clearFields();
    editor_->prepareId();
    if (d_.copyArgToEdit) editor_->setArg(arg_);
    core::showModal(editor_);
    // the cursor is left where the refresh puts it
    refresh(d_.waitOnAddEdit);
}

void RefList::edit()
{
    if (!hasEditor() || (!d_.editRights.isEmpty() && !core::dm().jogell(d_.editRights))) return;
    const int row = grid_->currentRow();
    if (row < 0) return;  // nothing to edit in an empty list
    if (recordEditor_) {
        const QString key = currentKey();
        recordEditor_->setRecordId(key);
        core::showModal(recordEditor_->dialog());
        refresh(d_.waitOnAddEdit);
        relocateTo(key.toInt());
        return;
    }
    editor_->prepareId();
    const QString key = currentKey();
    QStringList values;
    for (const EditField& f : d_.fields) values << list_.text(row, f.column);
    editor_->setRecord(key, values);
    if (d_.copyArgToEdit) editor_->setArg(arg_);
    const int remembered = key.toInt();
    core::showModal(editor_);
    refresh(d_.waitOnAddEdit);
    relocateTo(remembered);
}

void RefList::relocateTo(int key)
{
    if (!d_.relocate || !list_.isActive()) return;
    const int at = list_.locate(d_.key, key);
    if (at >= 0) grid_->setCurrentRow(at);
}

void RefList::remove()
{
    core::Tdm& dm = core::dm();
    if (!hasEditor() || !dm.jogell(d_.deleteRights)) return;
    if (grid_->currentRow() < 0) return;
    if (!dm.kerdes(msg::confirmDelete)) return;
    try {
        WaitFor wait(d_.listWait);
        cmd_.exec(deleteSql(d_, currentKey()));
        list_.refresh();
        applyLoadWidths();
    } catch (const db::DbError& e) {
        // a row that other tables refer to stays; the server's refusal says why
        dm.showError(e);
    }
}

void RefList::onDoubleClick()
{
    if (d_.doubleClick == DoubleClick::ByFlag && browse_ == 1 && !d_.pickOnly)
        edit();
    else
        ok();
}

}  // namespace reference
