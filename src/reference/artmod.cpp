#include "reference/artmod.h"

#include "controls/csakszamedit.h"
#include "controls/dbgrid.h"
#include "core/artwork.h"
#include "core/datam.h"
#include "core/dates.h"
#include "core/forms.h"
#include "core/dialogbuttons.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/modal.h"
#include "core/msgbox.h"
#include "core/pwait_procf.h"
#include "reference/alt_art.h"
#include "reference/artsql.h"
#include "reference/formrow.h"
#include "reference/ownerrights.h"
#include "reference/pickfield.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QVBoxLayout>

namespace reference {
namespace {

// the small buttons beside a field
core::GradBtn* smallButton(const QString& glyph, const QString& hint, QWidget* parent)
{
    auto* b = new core::GradBtn(glyph, parent);
    b->setFixedSize(26, 24);
    b->setAutoDefault(false);
    b->setToolTip(hint);
    return b;
}

QLineEdit* readOnlyEdit(QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::ClickFocus);
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, QColor(246, 238, 228));
    e->setPalette(pal);
    return e;
}

}  // namespace

Tartm::Tartm(Talt_art* altDialog, QWidget* parent) : QDialog(parent), altDialog_(altDialog)
{
    setObjectName(QStringLiteral("Tartm"));
    setWindowTitle(QStringLiteral("Artefact"));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(true);

    id_ = readOnlyEdit(this);
    id_->setObjectName(QStringLiteral("id"));
    id_->setMaximumWidth(90);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("art_name"));
    labor_ = new PickField(QStringLiteral("the institution"), this);
    labor_->setObjectName(QStringLiteral("labor_id"));
    showLabor_ = smallButton(QStringLiteral(">"), QStringLiteral("Show the institution"), this);
    auto* laborRow = new QHBoxLayout;
    laborRow->setSpacing(3);
    laborRow->addWidget(labor_, 1);
    laborRow->addWidget(showLabor_);

    auto numberField = [this](const char* column) {
        auto* e = new controls::CsakszamEdit(this);
        e->setObjectName(QLatin1String(column));
        e->setMaximumWidth(110);
        return e;
    };
    width_ = numberField("width");
    length_ = numberField("length");
    depth_ = numberField("depth");
    weight_ = numberField("weight");
    material_ = new QLineEdit(this);
    material_->setObjectName(QStringLiteral("tip_mat"));
    age_ = new QLineEdit(this);
    age_->setObjectName(QStringLiteral("tip_age"));
    dateAdded_ = new QDateEdit(this);
    dateAdded_->setObjectName(QStringLiteral("dateadd"));
    core::setupDateEdit(dateAdded_);
    // an artefact stored without a date shows an empty picker and keeps no date
    dateAdded_->setMinimumDate(QDate(1752, 9, 14));
    dateAdded_->setSpecialValueText(QStringLiteral(" "));
    dateAdded_->setMinimumWidth(dateAdded_->fontMetrics().horizontalAdvance(QStringLiteral("8888.88.88")) + 48);
    dateAdded_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    description_ = new QPlainTextEdit(this);
    description_->setObjectName(QStringLiteral("description"));
    description_->setTabChangesFocus(true);
    createdBy_ = new QLabel(this);
    createdBy_->setObjectName(QStringLiteral("teljnev"));
    created_ = new QLabel(this);
    created_->setObjectName(QStringLiteral("letre_dat"));

    auto* form = editForm();
    form->addRow(buddyLabel(QStringLiteral("ID:"), id_, this), id_);
    form->addRow(buddyLabel(QStringLiteral("Art name:"), name_, this), name_);
    form->addRow(buddyLabel(QStringLiteral("Institution:"), labor_->nameEdit(), this), laborRow);
    // two dimensions a row, the first under the form's labels, the second beside it
    auto dimensionRow = [&](QLineEdit* first, const QString& secondLabel, QLineEdit* second) {
        auto* row = new QHBoxLayout;
        row->setSpacing(8);
        row->addWidget(first);
        row->addSpacing(12);
        row->addWidget(buddyLabel(secondLabel, second, this));
        row->addWidget(second);
        row->addStretch(1);
        return row;
    };
    form->addRow(buddyLabel(QStringLiteral("Width:"), width_, this), dimensionRow(width_, QStringLiteral("Length:"), length_));
    form->addRow(buddyLabel(QStringLiteral("Depth:"), depth_, this), dimensionRow(depth_, QStringLiteral("Weight:"), weight_));
    form->addRow(buddyLabel(QStringLiteral("Typical material:"), material_, this), material_);
    form->addRow(buddyLabel(QStringLiteral("Probably Age:"), age_, this), age_);
    form->addRow(buddyLabel(QStringLiteral("Date added:"), dateAdded_, this), dateAdded_);
    form->addRow(buddyLabel(QStringLiteral("Created by:"), createdBy_, this), createdBy_);
    form->addRow(buddyLabel(QStringLiteral("Date:"), created_, this), created_);

    // right: the description and the alternative names
    altGrid_ = new controls::DBGrid(this);
    altGrid_->setObjectName(QStringLiteral("altnames"));
    altGrid_->setQuery(&altNames_, {db::GridColumn{QStringLiteral("art_name"), QStringLiteral("Art name"), 200}});
    altGrid_->horizontalHeader()->hide();
    altGrid_->horizontalHeader()->setStretchLastSection(true);
    addAlt_ = smallButton(QStringLiteral("+"), QStringLiteral("Add an alternative name"), this);
    deleteAlt_ = smallButton(QStringLiteral("-"), QStringLiteral("Delete the alternative name"), this);
    auto* altHead = new QHBoxLayout;
    altHead->setSpacing(3);
    altHead->addWidget(buddyLabel(QStringLiteral("Alt.names:"), altGrid_, this));
    altHead->addStretch(1);
    altHead->addWidget(addAlt_);
    altHead->addWidget(deleteAlt_);
    auto* right = new QVBoxLayout;
    right->addWidget(buddyLabel(QStringLiteral("Description:"), description_, this));
    right->addWidget(description_, 3);
    right->addLayout(altHead);
    right->addWidget(altGrid_, 2);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(16);
    columns->addLayout(form, 3);
    columns->addLayout(right, 2);

    const core::CloseButtons closing = core::closeButtons(this, QStringLiteral("Ok"), core::EnterKey::PressesNone);
    ok_ = closing.ok;
    cancel_ = closing.cancel;

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(14, 14, 14, 12);
    top->addLayout(columns, 1);
    top->addSpacing(8);
    top->addLayout(core::buttonRow({ok_, cancel_}));
    resize(760, 460);

    connect(ok_, &QPushButton::clicked, this, [this] { ment(true); });
    connect(labor_, &PickField::pickClicked, this, &Tartm::pickInstitution);
    connect(labor_, &PickField::clearClicked, this, &Tartm::clearInstitution);
    connect(showLabor_, &QPushButton::clicked, this, &Tartm::showInstitution);
    connect(addAlt_, &QPushButton::clicked, this, &Tartm::addAltName);
    connect(deleteAlt_, &QPushButton::clicked, this, &Tartm::deleteAltName);

    QWidget* order[] = {name_, labor_->pickButton(), labor_->clearButton(), showLabor_, width_, length_, depth_, weight_, material_,
                        age_, dateAdded_, description_, addAlt_, deleteAlt_, altGrid_, ok_, cancel_};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void Tartm::setRecordId(const QString& id) { id_->setText(id); }

bool Tartm::existing() const { return !id_->text().trimmed().isEmpty(); }

void Tartm::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    betolt();
    name_->setFocus(Qt::OtherFocusReason);
}

void Tartm::paintEvent(QPaintEvent*)
{
    artwork::paintBackground(this);
}

void Tartm::setLocked(bool locked)
{
    for (QLineEdit* e : {name_, static_cast<QLineEdit*>(width_), static_cast<QLineEdit*>(length_),
                         static_cast<QLineEdit*>(depth_), static_cast<QLineEdit*>(weight_), material_, age_})
        e->setReadOnly(locked);
    description_->setReadOnly(locked);
    dateAdded_->setEnabled(!locked);
}

void Tartm::betolt()
{
    core::Tdm& dm = core::dm();
    load_.setConnection(&dm.conn());
    altNames_.setConnection(&dm.conn());
    cmd_.setConnection(&dm.conn());
    core::ProcWait wait;
    try {
        if (existing()) {
            load_.open(artLoadSql(id_->text()));
            auto text = [this](const char* field) { return load_.isEmpty() ? QString() : load_.text(0, QLatin1String(field)); };
            name_->setText(text("art_name"));
            labor_->set(text("labor_id"), text("labor_nev"));
            width_->setText(text("width"));
            length_->setText(text("length"));
            depth_->setText(text("depth"));
            weight_->setText(text("weight"));
            material_->setText(text("tip_mat"));
            age_->setText(text("tip_age"));
            const QDate added = core::parseDate(text("dateadd"));
            dateAdded_->setDate(added.isValid() ? added : dateAdded_->minimumDate());
            description_->setPlainText(text("description"));
            creatorName_ = text("user_name");
            createdBy_->setText(text("teljnev"));
            created_->setText(text("letre_dat"));
            openAltNames();
            setLocked(!dm.jogellnev(QStringLiteral("CD"), creatorName_, QLatin1Char('N')));
        } else {
            labor_->set(QString(), QString());
            for (QLineEdit* e : {name_, static_cast<QLineEdit*>(width_), static_cast<QLineEdit*>(length_),
                                 static_cast<QLineEdit*>(depth_), static_cast<QLineEdit*>(weight_), material_, age_})
                e->clear();
            creatorName_.clear();
            description_->clear();
            createdBy_->clear();
            created_->clear();
            dateAdded_->setDate(QDate::currentDate());
            altNames_.close();
            setLocked(false);
        }
    } catch (const db::DbError& e) {
        dm.showError(e);
    }
}

void Tartm::openAltNames()
{
    altNames_.open(altNamesSql(), {{QStringLiteral("par"), db::Value(id_->text().trimmed().toInt())}});
}

ArtRecord Tartm::record() const
{
    ArtRecord r;
    r.id = id_->text();
    r.name = name_->text();
    r.laborId = labor_->id();
    r.width = width_->text();
    r.length = length_->text();
    r.depth = depth_->text();
    r.weight = weight_->text();
    r.material = material_->text();
    r.age = age_->text();
    r.description = description_->toPlainText();
    if (dateAdded_->date() != dateAdded_->minimumDate()) r.dateAdded = dateAdded_->date();
    return r;
}

bool Tartm::ment(bool close)
{
    core::Tdm& dm = core::dm();
    cmd_.setConnection(&dm.conn());
    if (!ownerMayChange(id_->text(), creatorName_)) return false;

    const ArtRecord r = record();
    const QStringList problems = artProblems(r);
    if (!problems.isEmpty()) {
        QString text;
        for (const QString& p : problems) text += p + QLatin1Char('\r');
        dm.uzenet(text);
        return false;
    }
    if (!dm.kerdes(msg::confirmSave)) return false;

    if (existing()) {
        try {
            core::ProcWait wait;
            cmd_.exec(artUpdateSql(r));
        } catch (const db::DbError& e) {
            // the window stays open with everything the user typed
            dm.showError(e);
            return false;
        }
    } else {
        try {
            core::ProcWait wait;
            cmd_.exec(artInsertSql(r, dm.current_user_id));
            cmd_.open(artKeySql());
            id_->setText(cmd_.text(0, QStringLiteral("art_id")));
        } catch (const db::DbError& e) {
            try {
                cmd_.exec(QStringLiteral("rollback"));
            } catch (const db::DbError&) {
                // the session rolled back already
            }
            dm.showError(e);
            return false;
        }
    }
    if (close) {
        accept();
    } else {
        betolt();  // the saved record, with its creator and its alternative names
    }
    return true;
}

void Tartm::pickInstitution()
{
    core::Tdm& dm = core::dm();
    if (existing() && !dm.jogellnev(QStringLiteral("CD"), creatorName_)) return;
    const QString chosen = dm.labortorzs(labor_->id());
    labor_->setId(chosen);
    if (!chosen.isEmpty()) labor_->setName(dm.labornev(chosen));
}

void Tartm::clearInstitution()
{
    if (!core::dm().jogell(QStringLiteral("D"))) return;
    labor_->set(QString(), QString());
}

void Tartm::showInstitution()
{
    auto* editor = dynamic_cast<RecordEditor*>(core::Forms::find(QStringLiteral("Tlaborm")));
    if (!editor) return;
    const QString id = labor_->id().trimmed();
    // with no institution chosen the editor opens for a new one
    editor->setRecordId(id == QLatin1String("0") ? QString() : id);
    core::showModal(editor->dialog());
    // the institution may have been renamed there
    if (!id.isEmpty()) labor_->setName(core::dm().labornev(id));
}

void Tartm::addAltName()
{
    core::Tdm& dm = core::dm();
    if (!existing()) {
        if (dm.kerdes(msg::saveBeforeArtefactName)) ment(false);
        return;
    }
    if (!dm.jogellnev(QStringLiteral("CD"), creatorName_)) return;
    altDialog_->setArtefact(id_->text().trimmed());
    core::showModal(altDialog_);
    try {
        openAltNames();
    } catch (const db::DbError& e) {
        dm.showError(e);
    }
}

void Tartm::deleteAltName()
{
    core::Tdm& dm = core::dm();
    if (!dm.jogell(QStringLiteral("D"))) return;
    if (altGrid_->currentRow() < 0) return;
    if (!dm.kerdes(msg::confirmDelete)) return;
    try {
        cmd_.exec(altDeleteSql(), {{QStringLiteral("par"), db::Value(altGrid_->currentText(QStringLiteral("artnev_id")).toInt())}});
        openAltNames();
    } catch (const db::DbError& e) {
        core::showMessage(e.message());  // the general error report
    }
}

}  // namespace reference
