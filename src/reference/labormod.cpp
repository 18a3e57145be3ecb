#include "reference/labormod.h"

#include "controls/dbgrid.h"
#include "core/artwork.h"
#include "core/datam.h"
#include "core/dialogbuttons.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/modal.h"
#include "core/pwait_procf.h"
#include "core/pwaitform.h"
#include "db/sqltext.h"
#include "reference/formrow.h"
#include "reference/ownerrights.h"
#include "reference/pickfield.h"
#include "reference/szemelymod.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace reference {

using db::quote;

namespace {

// the "Name" column of the contact persons: last name, a comma and the first name
class PersonNameDelegate : public QStyledItemDelegate {
public:
    PersonNameDelegate(db::Query* q, QObject* parent) : QStyledItemDelegate(parent), q_(q) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.row() < q_->rowCount())
            option->text = q_->text(index.row(), QStringLiteral("lastname")) + QLatin1Char(',') +
                           q_->text(index.row(), QStringLiteral("firstname"));
    }

private:
    db::Query* q_;
};

}  // namespace

QString institutionMissing(const InstitutionFields& f)
{
    QString out;
    auto need = [&out](bool failed, const QString& message) {
        if (failed) out += message + QLatin1Char('\r');
    };
    need(f.name.isEmpty(), msg::laboratoryNameMissing);
    need(f.countryId == QLatin1String("0"), msg::countryMissingProp);
    need(f.zip.isEmpty(), msg::zipMissing);
    need(f.cityId == QLatin1String("0"), msg::localityMissingProp);
    need(f.street.isEmpty(), msg::streetMissing);
    return out;
}

QString institutionLoadSql(const QString& id)
{
    return QStringLiteral(
               "select labor_nev,labort.orszag_kod,orszag_nev,users.user_name,users.teljnev,labort.varos_kod,"
               "varos_nev,iranyitosz,utca_hazsz,letre_user,letre_dat from labort "
               "left join orszagt on labort.orszag_kod=orszagt.orszag_kod "
               "left join varost on labort.varos_kod=varost.varos_kod "
               "left join users on users.user_id=labort.letre_user where labor_kod=") +
           db::sqlKey(id);
}

QString institutionPersonsSql(const QString& id, const QString& personSort)
{
    // the sort is one of the grid's own field names, never typed text
    const QString sort = personSort == QLatin1String("munkakor") ? personSort : QStringLiteral("lastname");
    return QStringLiteral("select illetek_kod,illetekes.nev_kod,lastname,firstname,munkakor from illetekes "
                          "left join szemelyt on illetekes.nev_kod=szemelyt.nev_kod  where illetekes.labor_kod=") +
           db::sqlKey(id) + QStringLiteral(" order by upper(") + sort + QStringLiteral("),upper(firstname)");
}

QString institutionUpdateSql(const InstitutionFields& f)
{
    return QStringLiteral("update labort set labor_nev=") + quote(f.name) +
           QStringLiteral(",orszag_kod=") + db::keyOrNull(f.countryId) +
           QStringLiteral(",varos_kod=") + db::keyOrNull(f.cityId) +
           QStringLiteral(",iranyitosz=") + quote(f.zip) +
           QStringLiteral(",utca_hazsz=") + quote(f.street) +
           QStringLiteral(" where labor_kod=") + db::sqlKey(f.id);
}

QString institutionInsertSql(const InstitutionFields& f, int userId)
{
    return QStringLiteral("insert into labort (labor_nev,orszag_kod,varos_kod,iranyitosz,utca_hazsz,letre_user,"
                          "letre_dat) values (") +
           quote(f.name.trimmed()) + QLatin1Char(',') + db::keyOrNull(f.countryId) + QLatin1Char(',') +
           db::keyOrNull(f.cityId) + QLatin1Char(',') + quote(f.zip.trimmed()) + QLatin1Char(',') +
           quote(f.street.trimmed()) + QLatin1Char(',') + QString::number(userId) +
           QStringLiteral(",(select  now()))");
}

QString contactPersonInsertSql(const QString& institutionId, const QString& personId)
{
    return QStringLiteral("insert into illetekes (labor_kod,nev_kod) values  (") + db::sqlKey(institutionId) +
           QLatin1Char(',') + db::sqlKey(personId) + QStringLiteral(");");
}

Tlaborm::Tlaborm(Tszemelym* personEditor, QWidget* parent) : QDialog(parent), personEditor_(personEditor)
{
    setObjectName(QStringLiteral("Tlaborm"));
    setWindowTitle(QStringLiteral("Institution"));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(true);

    id_ = new QLineEdit(this);
    id_->setEnabled(false);
    id_->setMaximumWidth(90);
    name_ = new QLineEdit(this);
    country_ = new PickField(QStringLiteral("Country"), this);
    zip_ = new QLineEdit(this);
    zip_->setMaximumWidth(140);
    city_ = new PickField(QStringLiteral("City"), this);
    street_ = new QLineEdit(this);
    auto* form = editForm();
    formRow(form, QStringLiteral("ID :"), id_, this);
    formRow(form, QStringLiteral("Institution:"), name_, this);
    formRow(form, QStringLiteral("Country :"), country_, this);
    country_->nameEdit()->setAccessibleName(QStringLiteral("Country :"));
    formRow(form, QStringLiteral("Zip Code :"), zip_, this);
    formRow(form, QStringLiteral("City :"), city_, this);
    city_->nameEdit()->setAccessibleName(QStringLiteral("City :"));
    formRow(form, QStringLiteral("Street, Number :"), street_, this);
    connect(country_, &PickField::pickClicked, this, [this] {
        if (mayChange()) pickCountry(country_);
    });
    connect(city_, &PickField::pickClicked, this, [this] {
        if (mayChange()) pickCity(city_);
    });
    connect(country_, &PickField::clearClicked, this, [this] { clearToZero(country_); });
    connect(city_, &PickField::clearClicked, this, [this] { clearToZero(city_); });

    auto* heading = new core::GradLabel(QStringLiteral(" Contact person"), this);
    persons_ = new controls::DBGrid(this);
    persons_->setObjectName(QStringLiteral("persons"));
    persons_->setAccessibleName(QStringLiteral("Contact person"));
    persons_->setQuery(&personList_, {{QStringLiteral("illetek_kod"), QString(), 40, false},
                                      {QStringLiteral("nev_kod"), QString(), 40, false},
                                      {QStringLiteral("lastname"), QStringLiteral("Name"), 140},
                                      {QStringLiteral("firstname"), QString(), 40, false},
                                      {QStringLiteral("munkakor"), QStringLiteral("Scope of Activities :"), 160}});
    persons_->setItemDelegateForColumn(0, new PersonNameDelegate(&personList_, persons_));
    // both titles bold; the last column takes the rest of the grid's width
    persons_->horizontalHeader()->setStyleSheet(persons_->horizontalHeader()->styleSheet() +
                                                QStringLiteral(" QHeaderView::section { font-weight: bold; }"));
    persons_->horizontalHeader()->setStretchLastSection(true);
    connect(persons_, &controls::DBGrid::titleClicked, this, &Tlaborm::sortPersons);
    connect(persons_, &controls::DBGrid::rowDoubleClicked, this, [this](int) { showPerson(); });

    addPerson_ = new core::GradBtn(QStringLiteral("Add"), this);
    showPerson_ = new core::GradBtn(QStringLiteral("Show/Edit"), this);
    delPerson_ = new core::GradBtn(QStringLiteral("Del"), this);
    auto* personButtons = new QVBoxLayout;
    for (core::GradBtn* b : {addPerson_, showPerson_, delPerson_}) {
        b->setMinimumWidth(90);
        b->setAutoDefault(false);
        personButtons->addWidget(b);
    }
    personButtons->addStretch(1);
    connect(addPerson_, &QPushButton::clicked, this, &Tlaborm::addPerson);
    connect(showPerson_, &QPushButton::clicked, this, &Tlaborm::showPerson);
    connect(delPerson_, &QPushButton::clicked, this, &Tlaborm::deletePerson);
    auto* personRow = new QHBoxLayout;
    personRow->addWidget(persons_, 1);
    personRow->addLayout(personButtons);

    const core::CloseButtons closing = core::closeButtons(this, QStringLiteral("Save"), core::EnterKey::PressesNone);
    save_ = closing.ok;
    cancel_ = closing.cancel;
    connect(save_, &QPushButton::clicked, this, &Tlaborm::save);
    const CreatorBar bottom = creatorBar(this, {save_, cancel_});
    createdBy_ = bottom.by;
    createdAt_ = bottom.at;

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(12, 12, 12, 10);
    top->addLayout(form);
    top->addSpacing(8);
    top->addWidget(heading);
    top->addLayout(personRow, 1);
    top->addSpacing(6);
    top->addLayout(bottom.row);
    resize(660, 520);

    QWidget* order[] = {name_, country_->pickButton(), country_->clearButton(), zip_, city_->pickButton(),
                        city_->clearButton(), street_, persons_, addPerson_, showPerson_, delPerson_, save_, cancel_};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void Tlaborm::setId(const QString& id) { id_->setText(id); }
QString Tlaborm::id() const { return id_->text(); }

void Tlaborm::paintEvent(QPaintEvent*)
{
    artwork::paintBackground(this);
}

void Tlaborm::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) load();
}

bool Tlaborm::mayChange(QChar mode) { return ownerMayChange(id(), owner_, mode); }

void Tlaborm::load()
{
    core::Tdm& dm = core::dm();
    record_.setConnection(&dm.conn());
    personList_.setConnection(&dm.conn());
    cmd_.setConnection(&dm.conn());
    for (QLineEdit* e : {name_, zip_, street_, createdBy_, createdAt_}) e->clear();
    country_->set(QStringLiteral("0"), QString());
    city_->set(QStringLiteral("0"), QString());
    owner_.clear();
    bool locked = false;
    if (isExisting()) {
        try {
            core::ProcWait wait;
            record_.open(institutionLoadSql(id()));
            if (!record_.isEmpty()) {
                const db::Row r = record_.row(0);
                name_->setText(r.text(QStringLiteral("labor_nev")));
                country_->set(r.text(QStringLiteral("orszag_kod")), r.text(QStringLiteral("orszag_nev")));
                city_->set(r.text(QStringLiteral("varos_kod")), r.text(QStringLiteral("varos_nev")));
                zip_->setText(r.text(QStringLiteral("iranyitosz")));
                street_->setText(r.text(QStringLiteral("utca_hazsz")));
                owner_ = r.text(QStringLiteral("user_name"));
                createdAt_->setText(r.text(QStringLiteral("letre_dat")));
                createdBy_->setText(r.text(QStringLiteral("teljnev")));
            }
            loadPersons();
        } catch (const db::DbError& err) {
            dm.showError(err);
        }
        locked = !dm.jogellnev(QStringLiteral("CD"), owner_, QLatin1Char('N'));
    } else {
        personList_.close();
    }
    for (QLineEdit* e : {name_, zip_, street_}) e->setReadOnly(locked);
    name_->setFocus(Qt::OtherFocusReason);
}

void Tlaborm::loadPersons()
{
    personList_.open(institutionPersonsSql(id(), personSort_));
}

void Tlaborm::sortPersons(const QString& field)
{
    if (field != QLatin1String("lastname") && field != QLatin1String("munkakor")) return;
    personSort_ = field;
    // the whole showing again: the institution is read back as stored
    load();
}

InstitutionFields Tlaborm::fields() const
{
    return {id(), name_->text(), country_->id(), zip_->text(), city_->id(), street_->text()};
}

void Tlaborm::save()
{
    core::Tdm& dm = core::dm();
    if (!mayChange()) return;
    const InstitutionFields f = fields();
    QString missing;
    {
        core::WaitWindow wait;
        missing = institutionMissing(f);
    }
    if (!missing.isEmpty()) {
        dm.uzenet(missing);
        return;
    }
    if (!dm.kerdes(msg::confirmSave)) return;
    const bool existing = isExisting();
    try {
        cmd_.exec(existing ? institutionUpdateSql(f) : institutionInsertSql(f, dm.current_user_id));
    } catch (const db::DbError& err) {
        dm.showError(err);
        return;
    }
    if (existing)
        dm.uzenet(msg::recordSaved);  // stays open, so contact persons can follow
    else
        accept();
}

void Tlaborm::addPerson()
{
    core::Tdm& dm = core::dm();
    if (!mayChange()) return;
    if (!isExisting()) {
        if (dm.kerdes(msg::saveBeforeInstitutionPerson)) save();
        return;
    }
    const QString none = QStringLiteral("00");
    const QString chosen = dm.szemelytorzs(none);
    if (chosen == none || chosen.trimmed().isEmpty()) return;  // cancelled, or nothing to choose from
    try {
        core::ProcWait wait;
        cmd_.exec(contactPersonInsertSql(id(), chosen));
        loadPersons();
    } catch (const db::DbError& err) {
        dm.showError(err);
    }
}

void Tlaborm::showPerson()
{
    const int row = persons_->currentRow();
    if (row < 0 || !personEditor_) return;
    personEditor_->setId(personList_.text(row, QStringLiteral("nev_kod")));
    core::showModal(personEditor_);
}

void Tlaborm::deletePerson()
{
    core::Tdm& dm = core::dm();
    if (!dm.jogell(QStringLiteral("D"))) return;
    const int row = persons_->currentRow();
    if (row < 0) return;
    if (!dm.kerdes(msg::confirmDelete)) return;
    try {
        core::ProcWait wait;
        cmd_.exec(QStringLiteral("delete from illetekes where illetek_kod=") +
                  db::sqlKey(personList_.text(row, QStringLiteral("illetek_kod"))));
        loadPersons();
    } catch (const db::DbError& err) {
        dm.showError(err);
    }
}

}  // namespace reference
