#include "reference/szemelymod.h"

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
#include "reference/elerhetomod.h"
#include "reference/formrow.h"
#include "reference/ownerrights.h"
#include "reference/pickfield.h"
#include "reference/shapetabs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QVBoxLayout>

namespace reference {

using db::quote;

QString personMissing(const PersonFields& f)
{
    QString out;
    auto need = [&out](bool failed, const QString& message) {
        if (failed) out += message + QLatin1Char('\r');
    };
    need(f.gender.isEmpty(), msg::genderEmpty);
    need(f.firstName.isEmpty(), msg::firstNameMissing);
    need(f.lastName.isEmpty(), msg::lastNameEmpty);
    need(f.countryId == QLatin1String("0"), msg::countryMissingProp);
    need(f.zip.isEmpty(), msg::zipMissing);
    need(f.cityId == QLatin1String("0"), msg::localityMissingProp);
    need(f.street.isEmpty(), msg::streetMissing);
    need(f.scope.isEmpty(), msg::positionEmpty);
    return out;
}

QString personLoadSql(const QString& id)
{
    return QStringLiteral(
               "select *,orszag_nev,varos_nev,users.user_name,users.teljnev from szemelyt "
               "left join varost on varost.varos_kod=szemelyt.varos_kod "
               "left join orszagt on orszagt.orszag_kod=szemelyt.orszag_kod "
               "left join users on users.user_id=szemelyt.letre_user where nev_kod=") +
           db::sqlKey(id);
}

QString personContactsSql(const QString& id)
{
    return QStringLiteral("select eler_kod,eler_megnev,eler from elerheto where elerheto.nev_kod=") + db::sqlKey(id);
}

QString personUpdateSql(const PersonFields& f)
{
    return QStringLiteral("update szemelyt set nem=") + quote(f.gender) +
           QStringLiteral(",fokozat=") + quote(f.title) +
           QStringLiteral(",firstname=") + quote(f.firstName) +
           QStringLiteral(",lastname=") + quote(f.lastName) +
           QStringLiteral(",middle=") + quote(f.middle) +
           QStringLiteral(",orszag_kod=") + db::keyOrNull(f.countryId) +
           QStringLiteral(",iranyitosz=") + quote(f.zip) +
           QStringLiteral(",varos_kod=") + db::keyOrNull(f.cityId) +
           QStringLiteral(",utca_hazsz=") + quote(f.street) +
           QStringLiteral(",osszefogl=") + quote(f.description) +
           QStringLiteral(",munkakor=") + quote(f.scope) +
           QStringLiteral(" where nev_kod=") + db::sqlKey(f.id);
}

QString personInsertSql(const PersonFields& f, int userId)
{
    return QStringLiteral("insert into szemelyt (nem,fokozat,firstname,lastname,middle,orszag_kod,iranyitosz,"
                          "varos_kod,utca_hazsz,osszefogl,munkakor,letre_user,letre_dat)values (") +
           quote(f.gender) + QLatin1Char(',') + quote(f.title) + QLatin1Char(',') + quote(f.firstName) +
           QLatin1Char(',') + quote(f.lastName) + QLatin1Char(',') + quote(f.middle) +
           QLatin1Char(',') + db::keyOrNull(f.countryId) + QLatin1Char(',') + quote(f.zip) +
           QLatin1Char(',') + db::keyOrNull(f.cityId) + QLatin1Char(',') + quote(f.street) +
           QLatin1Char(',') + quote(f.description) + QLatin1Char(',') + quote(f.scope) +
           QLatin1Char(',') + QString::number(userId) + QStringLiteral(",(select  now()))");
}

Tszemelym::Tszemelym(Telerhetom* contactDialog, QWidget* parent) : QDialog(parent), contactDialog_(contactDialog)
{
    setObjectName(QStringLiteral("Tszemelym"));
    setWindowTitle(QStringLiteral("People(Edit)"));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(true);

    id_ = new QLineEdit(this);
    id_->setObjectName(QStringLiteral("ID"));
    id_->hide();

    tabs_ = new ShapeTabs(this);
    tabs_->addTab(QStringLiteral("Personal Data"), buildPersonalPage());
    tabs_->addTab(QStringLiteral("Availability"), buildContactsPage());
    connect(tabs_, &ShapeTabs::currentChanged, this, [this](int index) {
        if (index == 1) loadContacts();
    });

    const core::CloseButtons closing = core::closeButtons(this, QStringLiteral("Ok"), core::EnterKey::PressesNone);
    ok_ = closing.ok;
    cancel_ = closing.cancel;
    connect(ok_, &QPushButton::clicked, this, &Tszemelym::save);

    const CreatorBar bottom = creatorBar(this, {ok_, cancel_});
    createdBy_ = bottom.by;
    createdAt_ = bottom.at;

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(12, 10, 12, 10);
    top->addWidget(tabs_, 1);
    top->addSpacing(6);
    top->addLayout(bottom.row);
    resize(760, 470);
}

QWidget* Tszemelym::buildPersonalPage()
{
    auto* page = new QWidget(this);
    gender_ = new QComboBox(page);
    title_ = new QComboBox(page);
    for (QComboBox* c : {gender_, title_}) {
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setMinimumWidth(150);
    }
    gender_->addItems({QStringLiteral("Mr."), QStringLiteral("Ms."), QStringLiteral("Mrs.")});
    title_->addItems({QStringLiteral("Dr."), QStringLiteral("Prof.")});
    first_ = new QLineEdit(page);
    last_ = new QLineEdit(page);
    middle_ = new QLineEdit(page);
    scope_ = new QLineEdit(page);
    country_ = new PickField(QStringLiteral("Country"), page);
    zip_ = new QLineEdit(page);
    city_ = new PickField(QStringLiteral("City"), page);
    street_ = new QLineEdit(page);
    description_ = new QPlainTextEdit(page);
    description_->setTabChangesFocus(true);

    auto* left = editForm();
    auto* right = editForm();
    formRow(left, QStringLiteral("Gender:"), gender_, page);
    formRow(left, QStringLiteral("Title:"), title_, page);
    formRow(left, QStringLiteral("First name:"), first_, page);
    formRow(left, QStringLiteral("Last Name:"), last_, page);
    formRow(left, QStringLiteral("Middle Initials:"), middle_, page);
    formRow(left, QStringLiteral("Scope of Activities :"), scope_, page);
    formRow(right, QStringLiteral("Country:"), country_, page);
    country_->nameEdit()->setAccessibleName(QStringLiteral("Country:"));
    formRow(right, QStringLiteral("Zip code:"), zip_, page);
    formRow(right, QStringLiteral("City:"), city_, page);
    city_->nameEdit()->setAccessibleName(QStringLiteral("City:"));
    formRow(right, QStringLiteral("Street, number:"), street_, page);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addSpacing(18);
    columns->addLayout(right, 1);
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(12, 12, 12, 10);
    v->addLayout(columns);
    v->addSpacing(6);
    v->addWidget(buddyLabel(QStringLiteral("Description :"), description_, page));
    v->addWidget(description_, 1);

    connect(country_, &PickField::pickClicked, this, &Tszemelym::pickCountry);
    connect(country_, &PickField::clearClicked, this, &Tszemelym::clearCountry);
    connect(city_, &PickField::pickClicked, this, &Tszemelym::pickCity);
    connect(city_, &PickField::clearClicked, this, &Tszemelym::clearCity);

    // keyboard order: the left column, then the right one, then the description
    QWidget* order[] = {gender_, title_, first_, last_, middle_, scope_, country_->pickButton(),
                        country_->clearButton(), zip_, city_->pickButton(), city_->clearButton(), street_,
                        description_};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    return page;
}

QWidget* Tszemelym::buildContactsPage()
{
    auto* page = new QWidget(this);
    contactGrid_ = new controls::DBGrid(page);
    contactGrid_->setObjectName(QStringLiteral("contacts"));
    contactGrid_->setAccessibleName(QStringLiteral("Availability"));
    contactGrid_->setQuery(&contactList_, {{QStringLiteral("eler_kod"), QStringLiteral("ID"), 40, false},
                                           {QStringLiteral("eler_megnev"), QStringLiteral("AvailabilityType"), 150},
                                           {QStringLiteral("eler"), QStringLiteral("Availability"), 150}});
    contactGrid_->horizontalHeader()->setStretchLastSection(true);
    addContact_ = new core::GradBtn(QStringLiteral("Add"), page);
    editContact_ = new core::GradBtn(QStringLiteral("Edit"), page);
    delContact_ = new core::GradBtn(QStringLiteral("Del"), page);
    auto* buttons = new QVBoxLayout;
    for (core::GradBtn* b : {addContact_, editContact_, delContact_}) {
        b->setMinimumWidth(80);
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    connect(addContact_, &QPushButton::clicked, this, &Tszemelym::addContact);
    connect(editContact_, &QPushButton::clicked, this, &Tszemelym::editContact);
    connect(delContact_, &QPushButton::clicked, this, &Tszemelym::deleteContact);
    connect(contactGrid_, &controls::DBGrid::rowDoubleClicked, this, [this](int) { editContact(); });
    auto* h = new QHBoxLayout(page);
    h->setContentsMargins(12, 12, 12, 10);
    h->addWidget(contactGrid_, 1);
    h->addLayout(buttons);
    return page;
}

void Tszemelym::setId(const QString& id) { id_->setText(id); }
QString Tszemelym::id() const { return id_->text(); }

void Tszemelym::paintEvent(QPaintEvent*)
{
    artwork::paintBackground(this);
}

void Tszemelym::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) load();
}

void Tszemelym::clearFields()
{
    for (QComboBox* c : {gender_, title_}) c->setEditText(QString());
    for (QLineEdit* e : {first_, last_, middle_, scope_, zip_, street_, createdBy_, createdAt_}) e->clear();
    description_->clear();
    country_->set(QStringLiteral("0"), QString());
    city_->set(QStringLiteral("0"), QString());
    owner_.clear();
}

void Tszemelym::load()
{
    core::Tdm& dm = core::dm();
    record_.setConnection(&dm.conn());
    contactList_.setConnection(&dm.conn());
    cmd_.setConnection(&dm.conn());
    tabs_->setCurrentIndex(0);
    clearFields();
    if (isExisting()) {
        tabs_->setTabEnabled(1, true);
        try {
            core::ProcWait wait;
            record_.open(personLoadSql(id()));
            if (!record_.isEmpty()) {
                const db::Row r = record_.row(0);
                gender_->setEditText(r.text(QStringLiteral("nem")));
                title_->setEditText(r.text(QStringLiteral("fokozat")));
                first_->setText(r.text(QStringLiteral("firstname")));
                last_->setText(r.text(QStringLiteral("lastname")));
                middle_->setText(r.text(QStringLiteral("middle")));
                scope_->setText(r.text(QStringLiteral("munkakor")));
                zip_->setText(r.text(QStringLiteral("iranyitosz")));
                street_->setText(r.text(QStringLiteral("utca_hazsz")));
                description_->setPlainText(r.text(QStringLiteral("osszefogl")));
                // a key stored as null loads as an empty hidden id
                country_->set(r.text(QStringLiteral("orszag_kod")), r.text(QStringLiteral("orszag_nev")));
                city_->set(r.text(QStringLiteral("varos_kod")), r.text(QStringLiteral("varos_nev")));
                owner_ = r.text(QStringLiteral("user_name"));
                createdAt_->setText(r.text(QStringLiteral("letre_dat")));
                createdBy_->setText(r.text(QStringLiteral("teljnev")));
            }
        } catch (const db::DbError& e) {
            dm.showError(e);
        }
        loadContacts();
        lock(!dm.jogellnev(QStringLiteral("CD"), owner_, QLatin1Char('N')));
    } else {
        tabs_->setTabEnabled(1, false);
        contactList_.close();
        lock(false);
    }
    if (!locked_) gender_->setFocus(Qt::OtherFocusReason);
}

void Tszemelym::loadContacts()
{
    if (!isExisting()) return;
    try {
        contactList_.open(personContactsSql(id()));
    } catch (const db::DbError& e) {
        core::dm().showError(e);
    }
}

void Tszemelym::lock(bool locked)
{
    locked_ = locked;
    gender_->setEnabled(!locked);
    title_->setEnabled(!locked);
    for (QLineEdit* e : {first_, last_, middle_, scope_, zip_, street_}) e->setReadOnly(locked);
    description_->setReadOnly(locked);
}

bool Tszemelym::mayChange(QChar mode) { return ownerMayChange(id(), owner_, mode); }

PersonFields Tszemelym::fields() const
{
    PersonFields f;
    f.id = id();
    f.gender = gender_->currentText();
    f.title = title_->currentText();
    f.firstName = first_->text();
    f.lastName = last_->text();
    f.middle = middle_->text();
    f.countryId = country_->id();
    f.zip = zip_->text();
    f.cityId = city_->id();
    f.street = street_->text();
    f.description = description_->toPlainText();
    f.scope = scope_->text();
    return f;
}

void Tszemelym::save()
{
    core::Tdm& dm = core::dm();
    if (!mayChange()) return;
    const PersonFields f = fields();
    QString missing;
    {
        core::WaitWindow wait;
        missing = personMissing(f);
    }
    if (!missing.isEmpty()) {
        dm.uzenet(missing);
        return;
    }
    if (!dm.kerdes(msg::confirmSave)) return;
    try {
        cmd_.exec(isExisting() ? personUpdateSql(f) : personInsertSql(f, dm.current_user_id));
    } catch (const db::DbError& e) {
        dm.showError(e);
        return;
    }
    accept();
}

void Tszemelym::pickCountry()
{
    if (!mayChange()) return;
    reference::pickCountry(country_);
}

void Tszemelym::pickCity()
{
    if (!mayChange()) return;
    reference::pickCity(city_);
}

void Tszemelym::clearCountry() { clearToZero(country_); }
void Tszemelym::clearCity() { clearToZero(city_); }

void Tszemelym::addContact()
{
    if (!isExisting() || !mayChange()) return;
    contactDialog_->setContact(QString(), id());
    core::showModal(contactDialog_);
    core::WaitWindow wait;
    loadContacts();
}

void Tszemelym::editContact()
{
    const int row = contactGrid_->currentRow();
    if (row < 0 || !mayChange()) return;
    contactDialog_->setContact(contactList_.text(row, QStringLiteral("eler_kod")), id());
    core::showModal(contactDialog_);
    core::WaitWindow wait;
    loadContacts();
}

void Tszemelym::deleteContact()
{
    core::Tdm& dm = core::dm();
    const int row = contactGrid_->currentRow();
    if (row < 0 || !dm.jogell(QStringLiteral("D"))) return;
    if (!dm.kerdes(msg::confirmDelete)) return;
    try {
        cmd_.exec(QStringLiteral("delete from elerheto where eler_kod=") +
                  db::sqlKey(contactList_.text(row, QStringLiteral("eler_kod"))));
    } catch (const db::DbError& e) {
        dm.showError(e);
    }
    loadContacts();
}

}  // namespace reference
