#include "samples/samplet2_form.h"

#include "controls/dbgrid.h"
#include "core/artwork.h"
#include "core/datam.h"
#include "core/forms.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/modal.h"
#include "core/pwait_procf.h"
#include "samples/samplem2_f.h"
#include "samples/samplet2_hooks.h"
#include "samples/samplet2_sql.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QShowEvent>
#include <QVBoxLayout>
#include <optional>

namespace samples {
namespace {

const QString listCaption = QStringLiteral("Samples");

std::vector<db::GridColumn> listColumns()
{
    return {{QStringLiteral("sample_id"), QStringLiteral("ID"), 50},
            {QStringLiteral("sample_name"), QStringLiteral("Sample name"), 180},
            {QStringLiteral("mint_jelnev"), QStringLiteral("Type"), 120},
            {QStringLiteral("short_d"), QStringLiteral("Short Desc."), 180},
            {QStringLiteral("letre_date"), QStringLiteral("Created on"), 110},
            {QStringLiteral("teljnev"), QStringLiteral("Created by"), 100}};
}

// the arrows of the side bar: pointing right while the panel is hidden (it opens
// to the right), left while it is shown
QPixmap arrow(bool right)
{
    QPixmap pm(12, 12);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 90, 40));
    QPolygonF tri;
    if (right)
        tri << QPointF(3, 1.5) << QPointF(10, 6) << QPointF(3, 10.5);
    else
        tri << QPointF(9, 1.5) << QPointF(2, 6) << QPointF(9, 10.5);
    p.drawPolygon(tri);
    return pm;
}

}  // namespace

Tsamplet2::Tsamplet2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tsamplet2"));
    setWindowTitle(listCaption);
    setAccessibleName(listCaption);
    setSizeGripEnabled(true);

    // the side bar: "Filter" written downwards between two arrows
    filterBar_ = new QWidget(this);
    filterBar_->setObjectName(QStringLiteral("filterBar"));
    filterBar_->setAccessibleName(QStringLiteral("Filter"));
    filterBar_->setFixedWidth(22);
    filterBar_->setFocusPolicy(Qt::StrongFocus);
    filterBar_->setCursor(Qt::PointingHandCursor);
    filterBar_->setAutoFillBackground(true);
    QPalette barPal = filterBar_->palette();
    barPal.setColor(QPalette::Window, QColor(252, 191, 131));
    filterBar_->setPalette(barPal);
    filterBar_->setToolTip(QStringLiteral("Filter"));
    arrowTop_ = new QLabel(filterBar_);
    arrowBottom_ = new QLabel(filterBar_);
    filterCaption_ = new QLabel(QStringLiteral("F\ni\nl\nt\ne\nr"), filterBar_);
    filterCaption_->setAlignment(Qt::AlignCenter);
    QFont bold = filterCaption_->font();
    bold.setBold(true);
    filterCaption_->setFont(bold);
    auto* barLayout = new QVBoxLayout(filterBar_);
    barLayout->setContentsMargins(0, 6, 0, 6);
    barLayout->addWidget(arrowTop_, 0, Qt::AlignHCenter);
    barLayout->addStretch(1);
    barLayout->addWidget(filterCaption_, 0, Qt::AlignHCenter);
    barLayout->addStretch(1);
    barLayout->addWidget(arrowBottom_, 0, Qt::AlignHCenter);
    for (QObject* o : {static_cast<QObject*>(filterBar_), static_cast<QObject*>(filterCaption_),
                       static_cast<QObject*>(arrowTop_), static_cast<QObject*>(arrowBottom_)})
        o->installEventFilter(this);

    searchHost_ = new QWidget(this);
    searchHost_->setObjectName(QStringLiteral("searchHost"));
    searchHost_->setMinimumWidth(340);
    searchHost_->setMaximumWidth(420);
    auto* hostLayout = new QVBoxLayout(searchHost_);
    hostLayout->setContentsMargins(0, 0, 0, 0);
    searchHost_->hide();

    grid_ = new controls::DBGrid(this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->setAccessibleName(listCaption);
    grid_->setQuery(&list_, listColumns());
    // the fixed column widths hold a six-digit id and a creation time in a compact font
    QFont compact = grid_->font();
    compact.setPointSizeF(std::max(7.0, compact.pointSizeF() - 1));
    grid_->setFont(compact);
    grid_->installEventFilter(this);
    connect(grid_, &controls::DBGrid::titleClicked, this, &Tsamplet2::titleClick);
    connect(grid_, &controls::DBGrid::enterPressed, this, &Tsamplet2::showEdit);
    connect(grid_, &controls::DBGrid::rowDoubleClicked, this, [this](int) {
        if (browse_mode == 1) showEdit();
    });

    auto* countLabel = new QLabel(QStringLiteral("Recordcount:"), this);
    count_ = new QLineEdit(this);
    count_->setObjectName(QStringLiteral("recordCount"));
    count_->setReadOnly(true);
    count_->setFixedWidth(80);
    count_->setAlignment(Qt::AlignRight);
    count_->setAccessibleName(countLabel->text());
    countLabel->setBuddy(count_);

    auto* bar = new QHBoxLayout;
    bar->addWidget(countLabel);
    bar->addWidget(count_);
    bar->addStretch(1);
    auto button = [&](const QString& text, void (Tsamplet2::*slot)()) {
        auto* b = new core::GradBtn(text, this);
        b->setAutoDefault(false);
        b->setMinimumWidth(84);
        connect(b, &QPushButton::clicked, this, slot);
        bar->addWidget(b);
        buttons_.push_back(b);
        return b;
    };
    button(QStringLiteral("Close"), &QDialog::reject);
    button(QStringLiteral("Delete"), &Tsamplet2::remove);
    button(QStringLiteral("Show/Edit"), &Tsamplet2::showEdit);
    button(QStringLiteral("Add"), &Tsamplet2::add);
    button(QStringLiteral("Export"), &Tsamplet2::exportSamples);
    button(QStringLiteral("Refresh"), &Tsamplet2::refresh);

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(grid_, 1);
    right->addLayout(bar);

    auto* top = new QHBoxLayout(this);
    top->setContentsMargins(0, 0, 8, 8);
    top->setSpacing(6);
    top->addWidget(filterBar_);
    top->addWidget(searchHost_);
    top->addLayout(right, 1);

    arrowTop_->setPixmap(arrow(true));
    arrowBottom_->setPixmap(arrow(true));
    resize(980, 600);
    grid_->setFocus();
}

Tsamplet2::~Tsamplet2() = default;

core::GradBtn* Tsamplet2::button(const QString& text) const
{
    for (core::GradBtn* b : buttons_)
        if (b->text() == text) return b;
    return nullptr;
}

void Tsamplet2::paintEvent(QPaintEvent*)
{
    artwork::paintBackground(this);
}

bool Tsamplet2::eventFilter(QObject* o, QEvent* e)
{
    if (o == grid_) {
        if (e->type() == QEvent::Resize) applyWidths();
        return false;
    }
    if (e->type() == QEvent::MouseButtonRelease) {
        toggleFilter();
        return true;
    }
    if (o == filterBar_ && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            toggleFilter();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void Tsamplet2::ensurePanel()
{
    if (panel_ || !searchPanelFactory()) return;
    panel_ = searchPanelFactory()(*this);
    if (panel_) searchHost_->layout()->addWidget(panel_->widget());
}

void Tsamplet2::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    button(QStringLiteral("Export"))->setEnabled(bool(exportWindow()));
    {
        core::ProcWait wait;
        ensurePanel();
        if (panel_) {
            panel_->collapseAll();
            panel_->szurotorol();
        }
        list_order = QStringLiteral("sample_id desc");
        filter_condition = QStringLiteral("1=1");
        filter_joins.clear();
        try {
            adatleker();
        } catch (const db::DbError& err) {
            core::dm().showError(err);
        }
    }
    applyWidths();
    grid_->setFocus(Qt::OtherFocusReason);
}

void Tsamplet2::done(int r)
{
    browse_mode = 0;
    QDialog::done(r);
}

void Tsamplet2::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    applyWidths();
}

void Tsamplet2::setWidths(const std::array<int, 6>& w)
{
    const auto cols = listColumns();
    for (size_t i = 0; i < cols.size(); ++i) grid_->dataModel()->setWidth(cols[i].field, w[i]);
    grid_->applyWidths();
}

void Tsamplet2::applyWidths() { setWidths(listWidths(grid_->width())); }

void Tsamplet2::applySearchWidths() { setWidths(searchWidths); }

void Tsamplet2::showCount() { count_->setText(QString::number(list_.rowCount())); }

void Tsamplet2::openList(const QString& sql)
{
    // a fetch comes back in the server's order: a title sort does not survive it
    grid_->dataModel()->setBoldField({});
    list_.setSortField({});
    list_.setConnection(&core::dm().conn());
    try {
        list_.open(sql);
    } catch (...) {
        showCount();
        throw;
    }
    showCount();
}

void Tsamplet2::adatleker()
{
    openList(sampleListSql(list_order));
    applyWidths();
}

void Tsamplet2::reread() { openList(list_.sql()); }

void Tsamplet2::szurotorol()
{
    ensurePanel();
    if (panel_) panel_->szurotorol();
}

void Tsamplet2::titleClick(const QString& field)
{
    if (!field.isEmpty()) grid_->sortByField(field);
}

void Tsamplet2::refresh()
{
    try {
        core::ProcWait wait;
        reread();
    } catch (const db::DbError& e) {
        core::dm().showError(e);
    }
}

void Tsamplet2::showEdit()
{
    auto* editor = core::Forms::get<Tsamplem2>(QStringLiteral("Tsamplem2"));
    if (!editor) return;
    try {
        editor->setSampleId(grid_->currentText(QStringLiteral("sample_id")));
        editor->setSampleCaption(grid_->currentText(QStringLiteral("sample_name")));
        core::showModal(editor);
    } catch (const db::DbError& e) {
        core::dm().showError(e);
    }
}

void Tsamplet2::add()
{
    core::Tdm& dm = core::dm();
    if (!dm.jogell(QStringLiteral("CD"))) return;
    auto* editor = core::Forms::get<Tsamplem2>(QStringLiteral("Tsamplem2"));
    if (!editor) return;
    try {
        editor->setSampleId(QString());
        core::showModal(editor);
        // the search is dropped: every sample, the newest first
        adatleker();
    } catch (const db::DbError& e) {
        dm.showError(e);
    }
}

void Tsamplet2::remove()
{
    core::Tdm& dm = core::dm();
    if (!dm.jogell(QStringLiteral("D"))) return;
    if (list_.isEmpty()) return;
    if (!dm.kerdes(msg::confirmDelete)) return;
    const QString id = grid_->currentText(QStringLiteral("sample_id"));
    std::optional<core::ProcWait> wait(std::in_place);
    try {
        cmd_.setConnection(&dm.conn());
        cmd_.exec(sampleDeleteSql(id));
    } catch (const db::DbError& e) {
        try {
            cmd_.exec(sampleDeleteRollback);
        } catch (const db::DbError&) {
            // nothing was left open to roll back
        }
        wait.reset();
        dm.showError(e);
        return;
    }
    try {
        reread();
    } catch (const db::DbError& e) {
        wait.reset();
        dm.showError(e);
    }
}

void Tsamplet2::exportSamples()
{
    core::Tdm& dm = core::dm();
    if (!dm.jogell(QStringLiteral("BCD"))) return;
    const auto& open = exportWindow();
    if (!open) return;
    // the rows in the order the grid shows them, the current row untouched
    open(sampleIdList(list_.data()));
}

void Tsamplet2::toggleFilter()
{
    const bool show = searchHost_->isHidden();
    ensurePanel();
    searchHost_->setVisible(show);
    arrowTop_->setPixmap(arrow(!show));
    arrowBottom_->setPixmap(arrow(!show));
    if (layout()) layout()->activate();
    applyWidths();
}

bool Tsamplet2::filterShown() const { return !searchHost_->isHidden(); }

}  // namespace samples
