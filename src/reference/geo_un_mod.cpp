#include "reference/geo_un_mod.h"

#include "controls/dbgrid.h"
#include "core/datam.h"
#include "core/dialogbuttons.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/pwait_procf.h"
#include "db/sqltext.h"
#include "reference/formrow.h"
#include "reference/geosql.h"
#include "reference/ownerrights.h"
#include "reference/pickfield.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace reference {

Tgeo_un_mod::Tgeo_un_mod(QWidget* parent)
    : TreeEditDialog(QStringLiteral("Tgeo_un_mod"), QStringLiteral("Geological Unit"),
                     {QStringLiteral("geo_un2torzs"), [](const QString& key) { return core::dm().geonev(key); },
                      geoParentsSql()},
                     parent)
{
    idEdit()->setObjectName(QStringLiteral("geo_id"));
    nameEdit()->setObjectName(QStringLiteral("geo_nev"));
    parentField()->setObjectName(QStringLiteral("geo_papa"));
    age_ = new PickField(QStringLiteral("the age of the protolith"), this);
    age_->setObjectName(QStringLiteral("age_of_pr"));
    grade_ = new PickField(QStringLiteral("the metamorphic grade"), this);
    grade_->setObjectName(QStringLiteral("met_grade"));
    description_ = new QPlainTextEdit(this);
    description_->setObjectName(QStringLiteral("description"));
    description_->setTabChangesFocus(true);
    createdBy_ = new QLineEdit(this);
    createdBy_->setObjectName(QStringLiteral("teljnev"));
    created_ = new QLineEdit(this);
    created_->setObjectName(QStringLiteral("letre_datum"));
    for (QLineEdit* e : {createdBy_, created_}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
    }
    created_->setFixedWidth(created_->fontMetrics().horizontalAdvance(QStringLiteral("8888.88.88 88:88:88")) + 16);

    agesGrid_ = new controls::DBGrid(this);
    agesGrid_->setObjectName(QStringLiteral("ages"));
    agesGrid_->setQuery(&ages_, {db::GridColumn{QStringLiteral("kor_nev"), QStringLiteral("Metamorphic age"), 200}});
    agesGrid_->horizontalHeader()->hide();
    agesGrid_->horizontalHeader()->setStretchLastSection(true);  // at least 200, the whole path where there is room
    agesGrid_->setMinimumHeight(90);
    addAge_ = new core::GradBtn(QStringLiteral("Add"), this);
    deleteAge_ = new core::GradBtn(QStringLiteral("Del"), this);
    auto* ageButtons = new QVBoxLayout;
    for (core::GradBtn* b : {addAge_, deleteAge_}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(60);
        ageButtons->addWidget(b);
    }
    ageButtons->addStretch(1);
    auto* agesRow = new QHBoxLayout;
    agesRow->addWidget(agesGrid_, 1);
    agesRow->addLayout(ageButtons);

    auto* form = editForm();
    formRow(form, QStringLiteral("ID:"), idEdit(), this);
    formRow(form, QStringLiteral("Geological Unit:"), nameEdit(), this);
    formRow(form, QStringLiteral("Geo. papa:"), parentField(), this);
    formRow(form, QStringLiteral("Age of primary:"), age_, this);
    form->addRow(buddyLabel(QStringLiteral("Metamorphic age:"), agesGrid_, this), agesRow);
    formRow(form, QStringLiteral("Metamorphic grade:"), grade_, this);
    formRow(form, QStringLiteral("Description:"), description_, this);
    auto* creator = new QHBoxLayout;
    creator->addWidget(createdBy_, 1);
    creator->addWidget(buddyLabel(QStringLiteral("Date:"), created_, this));
    creator->addWidget(created_);
    form->addRow(buddyLabel(QStringLiteral("Created by:"), createdBy_, this), creator);

    const core::CloseButtons closing = core::closeButtons(this, QStringLiteral("Save"), core::EnterKey::PressesNone);
    save_ = closing.ok;
    cancel_ = closing.cancel;
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(14, 14, 14, 12);
    top->addLayout(form, 1);
    top->addSpacing(8);
    top->addLayout(core::buttonRow({save_, cancel_}));
    resize(560, 520);

    connect(save_, &QPushButton::clicked, this, [this] { ment(true); });
    connect(age_, &PickField::pickClicked, this, &Tgeo_un_mod::pickAge);
    connect(age_, &PickField::clearClicked, this, [this] { age_->set(QString(), QString()); });
    connect(grade_, &PickField::pickClicked, this, &Tgeo_un_mod::pickGrade);
    connect(grade_, &PickField::clearClicked, this, [this] { grade_->set(QString(), QString()); });
    connect(addAge_, &QPushButton::clicked, this, &Tgeo_un_mod::addAge);
    connect(deleteAge_, &QPushButton::clicked, this, &Tgeo_un_mod::deleteAge);

    QWidget* order[] = {nameEdit(), parentField()->pickButton(), parentField()->clearButton(), age_->pickButton(),
                        age_->clearButton(), agesGrid_, addAge_, deleteAge_, grade_->pickButton(),
                        grade_->clearButton(), description_, save_, cancel_};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void Tgeo_un_mod::betolt()
{
    core::Tdm& dm = core::dm();
    for (db::Query* q : {&load_, &ages_, &cmd_}) q->setConnection(&dm.conn());
    core::ProcWait wait;
    try {
        if (existing()) {
            load_.open(geoLoadSql(id()));
            auto text = [this](const char* f) { return load_.isEmpty() ? QString() : load_.text(0, QLatin1String(f)); };
            nameEdit()->setText(text("geo_nev"));
            creatorName_ = text("user_name");
            created_->setText(text("letre_datum"));
            createdBy_->setText(text("teljnev"));
            parentField()->set(text("geo_papa"), text("geo2"));
            age_->set(text("age_of_pr"), text("ageofpr"));
            grade_->set(text("met_grade"), text("mgrade_nev"));
            description_->setPlainText(text("description"));
            nameEdit()->setReadOnly(!dm.jogellnev(QStringLiteral("CD"), creatorName_, QLatin1Char('N')));
        } else {
            // the parent stays as the tree set it
            nameEdit()->clear();
            creatorName_.clear();
            created_->clear();
            createdBy_->clear();
            age_->set(QString(), QString());
            grade_->set(QString(), QString());
            description_->clear();
            nameEdit()->setReadOnly(false);
        }
        openAges();
    } catch (const db::DbError& e) {
        dm.showError(e);
    }
}

void Tgeo_un_mod::openAges()
{
    const int unit = existing() ? id().trimmed().toInt() : -12;  // none: an empty grid
    ages_.open(geoAgesGridSql(), {{QStringLiteral("par"), db::Value(unit)}});
}

GeoRecord Tgeo_un_mod::record() const
{
    GeoRecord r;
    r.id = id();
    r.name = nameEdit()->text();
    r.description = description_->toPlainText();
    r.parent = parentField()->id();
    r.age = age_->id();
    r.grade = grade_->id();
    return r;
}

bool Tgeo_un_mod::ment(bool close)
{
    core::Tdm& dm = core::dm();
    cmd_.setConnection(&dm.conn());
    if (!ownerMayChange(id(), creatorName_)) return false;
    if (nameEdit()->text().isEmpty()) {
        dm.uzenet(msg::geologicalUnitEmpty);
        return false;
    }
    if (!dm.kerdes(msg::confirmSave)) return false;
    const GeoRecord r = record();
    try {
        core::ProcWait wait;
        if (existing()) {
            cmd_.exec(geoUpdateSql(r));
        } else {
            try {
                cmd_.exec(geoInsertSql(r, dm.current_user_id));
                cmd_.open(geoKeySql());
            } catch (const db::DbError&) {
                try {
                    cmd_.exec(QStringLiteral("rollback;"));
                } catch (const db::DbError&) {
                    // the session rolled back already
                }
                throw;
            }
            idEdit()->setText(cmd_.text(0, QStringLiteral("geo_id")));
        }
    } catch (const db::DbError& e) {
        dm.showError(e);  // the window stays open with the input
        return false;
    }
    markSaved();
    if (close)
        accept();
    else
        betolt();  // the new unit with its creator, ready for its ages
    return true;
}

void Tgeo_un_mod::pickAge()
{
    core::Tdm& dm = core::dm();
    const QString chosen = dm.kor(age_->id());
    if (!chosen.trimmed().isEmpty()) age_->set(chosen, dm.kornev(chosen));
}

void Tgeo_un_mod::pickGrade()
{
    core::Tdm& dm = core::dm();
    const QString chosen = dm.mgradetorzs(grade_->id());
    if (!chosen.trimmed().isEmpty()) grade_->set(chosen, dm.mgradenev(chosen));
}

void Tgeo_un_mod::addAge()
{
    core::Tdm& dm = core::dm();
    if (!existing()) {
        if (dm.kerdes(msg::saveBeforeMetamorphicAge)) ment(false);
        return;
    }
    if (!dm.jogellnev(QStringLiteral("CD"), creatorName_)) return;
    const QString chosen = dm.kor(QString());
    if (!db::isPlainInteger(chosen.trimmed())) return;
    try {
        core::ProcWait wait;
        cmd_.exec(geoAgeInsertSql(), {{QStringLiteral("par"), db::Value(id().trimmed().toInt())},
                                      {QStringLiteral("par2"), db::Value(chosen.trimmed().toInt())}});
        openAges();
    } catch (const db::DbError& e) {
        dm.showError(e);
    }
}

void Tgeo_un_mod::deleteAge()
{
    core::Tdm& dm = core::dm();
    const QString unit = agesGrid_->currentText(QStringLiteral("geo_id"));
    const QString age = agesGrid_->currentText(QStringLiteral("kor_id"));
    if (unit.isEmpty() || age.isEmpty()) return;
    if (!dm.jogell(QStringLiteral("D"))) return;
    const QString name = agesGrid_->currentText(QStringLiteral("kor_nev"));
    if (!dm.kerdes(msg::confirmDelete + QStringLiteral(" (\"") + name + QStringLiteral("\")"))) return;
    try {
        cmd_.exec(geoAgeDeleteSql(), {{QStringLiteral("par"), db::Value(unit.toInt())},
                                      {QStringLiteral("par2"), db::Value(age.toInt())}});
        openAges();
    } catch (const db::DbError& e) {
        dm.showError(e);
    }
}

}  // namespace reference
