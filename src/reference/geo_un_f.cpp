#include "reference/geo_un_f.h"

#include "controls/dbgrid.h"
#include "core/datam.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/modal.h"
#include "core/pwait_procf.h"
#include "reference/formrow.h"
#include "reference/geo_un_mod.h"
#include "reference/geosql.h"
#include "db/sqltext.h"
#include "reference/searchbar.h"
#include "reference/searchtree.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QVBoxLayout>
#include <optional>

namespace reference {
namespace {

db::Params unit(int id) { return {{QStringLiteral("par"), db::Value(id)}}; }

}  // namespace

GeoUnitTree::GeoUnitTree(Role role, Tgeo_un_mod* editor, QWidget* parent)
    : TreeWindow(role, role == Role::Maintain ? QStringLiteral("Tgeo_un") : QStringLiteral("Tgeo_un2"),
                 role == Role::Maintain ? QStringLiteral("Geological") : QStringLiteral("Geological Unit"),
                 role == Role::Maintain ? QStringLiteral("geo_untorzs") : QStringLiteral("geo_un2torzs"), editor,
                 QStringLiteral("CD"), parent)
{
    tree()->setFold(SearchFold::Ascii);  // the letters a to z only, as the unit names were always searched
    bar_ = new TreeSearchBar(tree(), this);
    auto* leftBox = new QWidget(this);
    auto* left = new QVBoxLayout(leftBox);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(tree(), 1);
    left->addWidget(bar_);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(leftBox);
    split->addWidget(buildDetails());
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);

    auto* creator = new QHBoxLayout;
    addCreatorFields(creator, this, detail(QStringLiteral("teljnev")), detail(QStringLiteral("letre_datum")));
    setBody(split, creator);
    resize(role == Role::Maintain ? 960 : 860, 600);

    connect(tree(), &SearchTree::nodeSelected, this, &GeoUnitTree::showDetails);

    QList<QWidget*> order = {tree(), bar_->filter(), bar_->searchButton(), bar_->nextButton(),
                             bar_->previousButton(), bar_->clearButton(), bar_->collapseButton(),
                             bar_->expandButton(), okButton()};
    if (addButton()) order << addButton() << editButton() << deleteButton();
    order << cancelButton();
    for (int i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

QWidget* GeoUnitTree::buildDetails()
{
    auto* panel = new QWidget(this);
    auto field = [this, panel](const QString& column) { return details_.add(column, panel); };
    // the creator's fields stand in the window's bottom row
    for (const QString& c : {QStringLiteral("teljnev"), QStringLiteral("letre_datum")}) details_.add(c, this);

    agesGrid_ = new controls::DBGrid(panel);
    agesGrid_->setObjectName(QStringLiteral("ages"));
    agesGrid_->setQuery(&ages_, {db::GridColumn{QStringLiteral("kor_nev"), QStringLiteral("Met. age"), 300}});
    agesGrid_->horizontalHeader()->hide();
    agesGrid_->horizontalHeader()->setStretchLastSection(true);
    agesGrid_->setMaximumHeight(110);
    description_ = new QPlainTextEdit(panel);
    description_->setObjectName(QStringLiteral("description"));
    description_->setReadOnly(true);
    description_->setTabChangesFocus(true);

    auto* form = editForm();
    QLineEdit* id = field(QStringLiteral("geo_id"));
    id->setMaximumWidth(90);
    auto row = [&](const QString& label, QWidget* w) { formRow(form, label, w, panel); };
    row(QStringLiteral("ID:"), id);
    row(QStringLiteral("Geological Unit:"), field(QStringLiteral("geo_nev")));
    row(QStringLiteral("Geo. papa:"), field(QStringLiteral("papa")));
    row(QStringLiteral("Age of primary:"), field(QStringLiteral("ageofpr")));
    row(QStringLiteral("Met. age:"), agesGrid_);
    row(QStringLiteral("Met. grade:"), field(QStringLiteral("mgrade_nev")));
    row(QStringLiteral("Description:"), description_);
    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(8, 0, 0, 0);
    v->addLayout(form, 1);
    return panel;
}

void GeoUnitTree::build()
{
    core::Tdm& dm = core::dm();
    for (db::Query* q : {&all_, &tops_, &ages_, &cmd_}) q->setConnection(&dm.conn());
    {
        std::optional<core::ProcWait> wait;
        if (role() == Role::Maintain) wait.emplace();
        try {
            all_.open(geoAllRowsSql());
            tops_.open(geoTopSql());
            ages_.open(geoAgesSql());
        } catch (const db::DbError& e) {
            dm.showError(e);  // the tree shows what could be read
        }
        tree()->build(SearchTree::rowsOf(all_.data(), QStringLiteral("geo_id"), QStringLiteral("geo_papa"),
                                         QStringLiteral("geo_nev")),
                      SearchTree::rowsOf(tops_.data(), QStringLiteral("geo_id"), QString(), QStringLiteral("geo_nev")));
    }
    tree()->scrollToTop();
    if (tree()->topLevelItemCount() > 0) tree()->setCurrentItem(tree()->topLevelItem(0));
    showDetails(tree()->currentId());
    bar_->filter()->clear();
}

void GeoUnitTree::showDetails(int id)
{
    const int row = id ? all_.locate(QStringLiteral("geo_id"), id) : -1;
    auto text = [&](const char* column) { return row >= 0 ? all_.text(row, QLatin1String(column)) : QString(); };
    const int papa = row >= 0 ? all_.locate(QStringLiteral("geo_id"), text("geo_papa").toInt()) : -1;
    const QHash<QString, QString> shown = {
        {QStringLiteral("geo_id"), text("geo_id")},
        {QStringLiteral("geo_nev"), text("geo_nev")},
        {QStringLiteral("papa"), papa >= 0 ? all_.text(papa, QStringLiteral("geo_nev")) : QString()},
        {QStringLiteral("ageofpr"), text("ageofpr")},
        {QStringLiteral("mgrade_nev"), text("mgrade_nev")},
        {QStringLiteral("teljnev"), text("teljnev")},
        {QStringLiteral("letre_datum"), text("letre_datum")},
    };
    details_.show([&shown](const QString& column) { return shown.value(column); });
    description_->setPlainText(text("description"));
    if (ages_.isActive()) ages_.applyFilter(QStringLiteral("geo_id=%1").arg(row >= 0 ? id : 0));
}

void GeoUnitTree::remove()
{
    core::Tdm& dm = core::dm();
    if (!editor() || !tree()->currentItem() || !dm.jogell(QStringLiteral("D"))) return;
    const int id = tree()->currentId();
    try {
        // samples first, without asking; children only after the question
        cmd_.open(geoSamplesSql(), unit(id));
        if (!cmd_.isEmpty()) {
            dm.uzenet(msg::recordLinked);
            return;
        }
        if (!dm.kerdes(msg::confirmDelete)) return;
        cmd_.open(geoChildSql(), unit(id));
        if (!cmd_.isEmpty()) {
            dm.uzenet(msg::recordLinked);
            return;
        }
        cmd_.exec(geoDeleteSql(), unit(id));
    } catch (const db::DbError& e) {
        dm.showError(e);
        return;
    }
    build();
}

}  // namespace reference
