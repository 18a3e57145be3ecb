#include "reference/localitymod.h"

#include "core/artwork.h"
#include "core/datam.h"
#include "core/dates.h"
#include "core/dialogbuttons.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/modal.h"
#include "core/msgbox.h"
#include "core/pwait_procf.h"
#include "db/sqltext.h"
#include "reference/alt_loc.h"
#include "reference/formrow.h"
#include "reference/ownerrights.h"
#include "reference/pickfield.h"
#include "reference/searchtree.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QVBoxLayout>

namespace reference {

using db::quote;

namespace {
// the date field shows this date as blank: a locality without a date stays without
const QDate kNoDate(1900, 1, 1);

QString countryOrNull(const QString& id)
{
    const QString t = id.trimmed();
    if (t.isEmpty() || t == QLatin1String("0") || t == QLatin1String("-1")) return QStringLiteral("null");
    return db::sqlKey(t);
}

QString numberOrNull(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) return QStringLiteral("null");
    if (!isCoordinate(t)) throw db::DbError(QStringLiteral("'%1' is not a number").arg(text));
    return t;
}

QString dateOrNull(const QDate& d) { return d.isValid() ? quote(core::formatDate(d)) : QStringLiteral("null"); }
}  // namespace

const std::array<QString, CoordinateCount>& coordinateColumns()
{
    static const std::array<QString, CoordinateCount> c = {
        QStringLiteral("cen_lat"), QStringLiteral("cen_lon"), QStringLiteral("min_lat"),
        QStringLiteral("min_lon"), QStringLiteral("max_lat"), QStringLiteral("max_lon")};
    return c;
}

const std::array<QString, CoordinateCount>& coordinateLabels()
{
    static const std::array<QString, CoordinateCount> l = {
        QStringLiteral("Centroid latitude:"), QStringLiteral("Centroid longitude:"),
        QStringLiteral("Minimum latitude:"),  QStringLiteral("Minimum longitude:"),
        QStringLiteral("Maximum latitude:"),  QStringLiteral("Maximum longitude:")};
    return l;
}

bool isCoordinate(const QString& text)
{
    bool ok = false;
    core::parseNumber(text, &ok);
    return ok;
}

QString coordinateNotNumber(int coordinate)
{
    QString label = coordinateLabels()[size_t(coordinate)];
    label.chop(1);  // without the colon
    return QStringLiteral("The field '%1' is not a number!").arg(label);
}

QString localityLoadSql(const QString& id)
{
    return QStringLiteral(
               "select localityt.upward,l2.loc_name as l2,localityt.loc_name,localityt.region,localityt.orszag_kod,"
               "orszag_nev,kont_name,localityt.description,localityt.cen_lat,localityt.cen_lon,localityt.min_lat,"
               "localityt.min_lon,localityt.max_lat,localityt.max_lon,localityt.date_added,localityt.geodat,"
               "localityt.letre_user,localityt.letre_dat,users.user_name,users.teljnev from (localityt left join "
               "orszagt on localityt.orszag_kod=orszagt.orszag_kod) left join kontinentt on "
               "kontinentt.kont_kod=localityt.kont_kod left join users on users.user_id=localityt.letre_user left "
               "join localityt l2 on l2.locality_id=localityt.upward where localityt.locality_id=") +
           db::sqlKey(id);
}

QString continentKeySql(const QString& continentName)
{
    return QStringLiteral("select kont_kod from kontinentt where kontinentt.kont_name=") + quote(continentName);
}

QString localityUpdateSql(const LocalityFields& f)
{
    QString s = QStringLiteral("update localityt set loc_name=") + quote(f.name) + QStringLiteral(",region=") +
                quote(f.region) + QStringLiteral(",kont_kod=") + db::sqlKey(f.continentKey) +
                QStringLiteral(",date_Added=") + dateOrNull(f.added) + QStringLiteral(",description=") +
                quote(f.description) + QStringLiteral(",geodat=") + quote(f.geodat);
    s += QStringLiteral(" ,orszag_kod=") + countryOrNull(f.countryId);
    for (int c = 0; c < CoordinateCount; ++c)
        s += QStringLiteral(" ,") + coordinateColumns()[size_t(c)] + QLatin1Char('=') +
             numberOrNull(f.coordinates[size_t(c)]);
    s += QStringLiteral(" ,upward=") + db::keyOrNull(f.upward);
    s += QStringLiteral(" where locality_id=") + db::sqlKey(f.id);
    return s;
}

QString localityInsertSql(const LocalityFields& f, int userId)
{
    QString s = QStringLiteral(
                    "begin;insert into localityt (loc_name,region,orszag_kod,kont_kod,date_added,description,"
                    "cen_lat,cen_lon,min_lat,min_lon,max_lat,max_lon,upward,geodat,letre_user,letre_dat) values (") +
                quote(f.name.trimmed()) + QLatin1Char(',') + quote(f.region) + QLatin1Char(',') +
                countryOrNull(f.countryId) + QLatin1Char(',') + db::sqlKey(f.continentKey) + QLatin1Char(',') +
                dateOrNull(f.added) + QLatin1Char(',') + quote(f.description);
    for (int c = CenLat; c <= MinLat; ++c) s += QLatin1Char(',') + numberOrNull(f.coordinates[size_t(c)]);
    for (int c = MinLon; c <= MaxLon; ++c) s += QStringLiteral(" ,") + numberOrNull(f.coordinates[size_t(c)]);
    s += QStringLiteral(" ,") + db::keyOrNull(f.upward);
    s += QLatin1Char(',') + quote(f.geodat) + QLatin1Char(',') + QString::number(userId) +
         QStringLiteral(",(select  now()))");
    return s;
}

void CoordEdit::keyPressEvent(QKeyEvent* e)
{
    const QString t = e->text();
    // editing and moving keys pass; a typed character goes through the key filter
    if (t.size() == 1 && t[0].isPrint()) {
        if (core::Tdm::csakszam(text().trimmed(), t[0]).isNull()) {
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

Tlocalitym::Tlocalitym(Talt_loc* altNameDialog, QWidget* parent) : QDialog(parent), altDialog_(altNameDialog)
{
    setObjectName(QStringLiteral("Tlocalitym"));
    setWindowTitle(QStringLiteral("Locality of Geological Samples(Edit)"));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(true);

    id_ = new QLineEdit(this);
    id_->setEnabled(false);
    id_->setMaximumWidth(90);
    name_ = new QLineEdit(this);
    region_ = new QLineEdit(this);
    continent_ = new QComboBox(this);
    continent_->setEditable(false);
    country_ = new PickField(QStringLiteral("Country"), this);
    upward_ = new PickField(QStringLiteral("Upward nest."), this);
    added_ = new QDateEdit(this);
    core::setupDateEdit(added_);
    added_->setMinimumDate(kNoDate);
    added_->setSpecialValueText(QStringLiteral(" "));
    geodat_ = new QLineEdit(this);
    description_ = new QPlainTextEdit(this);
    description_->setTabChangesFocus(true);

    auto* left = editForm();
    formRow(left, QStringLiteral("ID:"), id_, this);
    formRow(left, QStringLiteral("Loc.Name:"), name_, this);
    formRow(left, QStringLiteral("Geological Unit:"), region_, this);
    formRow(left, QStringLiteral("Continent:"), continent_, this);
    formRow(left, QStringLiteral("Country:"), country_, this);
    country_->nameEdit()->setAccessibleName(QStringLiteral("Country:"));
    formRow(left, QStringLiteral("Upward nest.:"), upward_, this);
    upward_->nameEdit()->setAccessibleName(QStringLiteral("Upward nest.:"));
    formRow(left, QStringLiteral("Data added:"), added_, this);

    auto* geo = new QGroupBox(QStringLiteral(" Georeferencing"), this);
    auto* right = new QFormLayout(geo);
    right->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int c = 0; c < CoordinateCount; ++c) {
        coords_[size_t(c)] = new CoordEdit(geo);
        coords_[size_t(c)]->setObjectName(coordinateColumns()[size_t(c)]);
        coords_[size_t(c)]->setMaximumWidth(140);
        formRow(right, coordinateLabels()[size_t(c)], coords_[size_t(c)], geo);
    }
    formRow(right, QStringLiteral("Geodetic datum:"), geodat_, geo);

    altNames_ = new QListWidget(this);
    altNames_->setObjectName(QStringLiteral("altNames"));
    programSelection(altNames_);
    addAlt_ = new core::GradBtn(QStringLiteral("+"), this);
    delAlt_ = new core::GradBtn(QStringLiteral("-"), this);
    addAlt_->setAccessibleName(QStringLiteral("Add alternative name"));
    addAlt_->setToolTip(QStringLiteral("Add alternative name"));
    delAlt_->setAccessibleName(QStringLiteral("Delete alternative name"));
    delAlt_->setToolTip(QStringLiteral("Delete alternative name"));
    for (core::GradBtn* b : {addAlt_, delAlt_}) {
        b->setFixedSize(26, 24);
        b->setAutoDefault(false);
    }
    connect(addAlt_, &QPushButton::clicked, this, &Tlocalitym::addAltName);
    connect(delAlt_, &QPushButton::clicked, this, &Tlocalitym::deleteAltName);
    auto* altHead = new QHBoxLayout;
    altHead->addWidget(buddyLabel(QStringLiteral("Alt.names:"), altNames_, this));
    altHead->addStretch(1);
    altHead->addWidget(addAlt_);
    altHead->addWidget(delAlt_);
    auto* altBox = new QVBoxLayout;
    altBox->addLayout(altHead);
    altBox->addWidget(altNames_, 1);

    auto* descBox = new QVBoxLayout;
    descBox->addWidget(buddyLabel(QStringLiteral(" Description"), description_, this));
    descBox->addWidget(description_, 1);

    auto* upper = new QHBoxLayout;
    upper->addLayout(left, 3);
    upper->addSpacing(12);
    upper->addWidget(geo, 2);
    auto* lower = new QHBoxLayout;
    lower->addLayout(descBox, 3);
    lower->addSpacing(12);
    lower->addLayout(altBox, 2);

    const core::CloseButtons closing = core::closeButtons(this, QStringLiteral("Ok"), core::EnterKey::PressesNone);
    ok_ = closing.ok;
    cancel_ = closing.cancel;
    connect(ok_, &QPushButton::clicked, this, [this] { ment(true); });
    const CreatorBar bottom = creatorBar(this, {ok_, cancel_});
    createdBy_ = bottom.by;
    createdAt_ = bottom.at;

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(12, 12, 12, 10);
    top->addLayout(upper);
    top->addSpacing(6);
    top->addLayout(lower, 1);
    top->addSpacing(6);
    top->addLayout(bottom.row);
    resize(860, 560);

    connect(country_, &PickField::pickClicked, this, &Tlocalitym::pickCountry);
    connect(country_, &PickField::clearClicked, this, &Tlocalitym::clearCountry);
    connect(upward_, &PickField::pickClicked, this, &Tlocalitym::pickUpward);
    connect(upward_, &PickField::clearClicked, this, &Tlocalitym::clearUpward);

    QList<QWidget*> order = {name_, region_, continent_, country_->pickButton(), country_->clearButton(),
                             upward_->pickButton(), upward_->clearButton(), added_};
    for (CoordEdit* c : coords_) order << c;
    order << geodat_ << description_ << addAlt_ << delAlt_ << altNames_ << ok_ << cancel_;
    for (int i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void Tlocalitym::setId(const QString& id) { id_->setText(id); }
QString Tlocalitym::id() const { return id_->text(); }
void Tlocalitym::setUpward(const QString& id, const QString& name) { upward_->set(id, name); }

void Tlocalitym::paintEvent(QPaintEvent*)
{
    artwork::paintBackground(this);
}

void Tlocalitym::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) load();
}

void Tlocalitym::loadContinents()
{
    continent_->clear();
    try {
        cmd_.open(QStringLiteral("select kont_name from kontinentt order by kont_name"));
        for (int r = 0; r < cmd_.rowCount(); ++r) continent_->addItem(cmd_.text(r, QStringLiteral("kont_name")));
    } catch (const db::DbError& e) {
        core::dm().showError(e);
    }
    continent_->setCurrentIndex(-1);
}

void Tlocalitym::openAltNames()
{
    altNames_->clear();
    altList_.open(QStringLiteral("select * from loc_nev where locality_id=:par order by loc_name"),
                  {{QStringLiteral("par"), db::Value(db::sqlKey(id()).toInt())}});
    for (int r = 0; r < altList_.rowCount(); ++r) altNames_->addItem(altList_.text(r, QStringLiteral("loc_name")));
    if (altNames_->count() > 0) altNames_->setCurrentRow(0);
}

void Tlocalitym::load()
{
    core::Tdm& dm = core::dm();
    record_.setConnection(&dm.conn());
    altList_.setConnection(&dm.conn());
    cmd_.setConnection(&dm.conn());
    loadContinents();
    altNames_->clear();
    altList_.close();
    for (QLineEdit* e : {name_, region_, geodat_, createdBy_, createdAt_}) e->clear();
    for (CoordEdit* c : coords_) c->clear();
    description_->clear();
    owner_.clear();
    if (isExisting()) {
        try {
            core::ProcWait wait;
            record_.open(localityLoadSql(id()));
            if (!record_.isEmpty()) {
                const db::Row r = record_.row(0);
                name_->setText(r.text(QStringLiteral("loc_name")));
                region_->setText(r.text(QStringLiteral("region")));
                continent_->setCurrentIndex(continent_->findText(r.text(QStringLiteral("kont_name"))));
                country_->set(r.text(QStringLiteral("orszag_kod")), r.text(QStringLiteral("orszag_nev")));
                upward_->set(r.text(QStringLiteral("upward")), r.text(QStringLiteral("l2")));
                const QDate d = core::parseDate(r.text(QStringLiteral("date_added")));
                added_->setDate(d.isValid() ? d : kNoDate);
                description_->setPlainText(r.text(QStringLiteral("description")));
                for (int c = 0; c < CoordinateCount; ++c)
                    coords_[size_t(c)]->setText(r.text(coordinateColumns()[size_t(c)]));
                geodat_->setText(r.text(QStringLiteral("geodat")));
                owner_ = r.text(QStringLiteral("user_name"));
                createdAt_->setText(r.text(QStringLiteral("letre_dat")));
                createdBy_->setText(r.text(QStringLiteral("teljnev")));
            }
            openAltNames();
        } catch (const db::DbError& e) {
            dm.showError(e);
        }
        lock(!dm.jogellnev(QStringLiteral("CD"), owner_, QLatin1Char('N')));
    } else {
        country_->set(QStringLiteral("0"), QString());
        added_->setDate(QDate::currentDate());
        // the upward locality preset by the caller stays; its continent is offered
        if (!upward_->id().trimmed().isEmpty()) {
            try {
                cmd_.open(QStringLiteral("select l.kont_kod,k.kont_name from localityt l  join kontinentt k on "
                                         "k.kont_kod=l.kont_kod  where locality_id =:par"),
                          {{QStringLiteral("par"), db::Value(db::sqlKey(upward_->id()).toInt())}});
                if (!cmd_.isEmpty())
                    continent_->setCurrentIndex(continent_->findText(cmd_.text(0, QStringLiteral("kont_name"))));
            } catch (const db::DbError& e) {
                dm.showError(e);
            }
        }
        lock(false);
    }
    name_->setFocus(Qt::OtherFocusReason);
}

void Tlocalitym::lock(bool locked)
{
    locked_ = locked;
    for (QLineEdit* e : {name_, region_, geodat_}) e->setReadOnly(locked);
    for (CoordEdit* c : coords_) c->setReadOnly(locked);
    description_->setReadOnly(locked);
    continent_->setEnabled(!locked);
    added_->setEnabled(!locked);
}

bool Tlocalitym::mayChange(QChar mode) { return ownerMayChange(id(), owner_, mode); }

LocalityFields Tlocalitym::fields() const
{
    LocalityFields f;
    f.id = id();
    f.name = name_->text();
    f.region = region_->text();
    f.countryId = country_->id();
    f.added = added_->date() == kNoDate ? QDate() : added_->date();
    f.description = description_->toPlainText();
    for (int c = 0; c < CoordinateCount; ++c) f.coordinates[size_t(c)] = coords_[size_t(c)]->text();
    f.upward = upward_->id();
    f.geodat = geodat_->text();
    return f;
}

bool Tlocalitym::nestsInItself(const QString& candidate)
{
    const QString self = id().trimmed();
    const QString up = candidate.trimmed();
    if (self.isEmpty() || up.isEmpty()) return false;
    if (up == self) return true;
    // the upward links as stored now: is the candidate somewhere below this locality?
    db::Query q(&core::dm().conn());
    q.open(QStringLiteral("select locality_id,upward from localityt"));
    return SearchTree::isSelfOrDescendant(
        SearchTree::parentsOf(SearchTree::rowsOf(q.data(), QStringLiteral("locality_id"), QStringLiteral("upward"),
                                                 QStringLiteral("locality_id"))),
        up.toInt(), self.toInt());
}

QString Tlocalitym::missing(const LocalityFields& f)
{
    QString out;
    auto need = [&out](bool failed, const QString& message) {
        if (failed) out += message + QLatin1Char('\r');
    };
    need(f.name.isEmpty(), msg::localityNameMissing);
    need(f.region.isEmpty(), msg::geologicalUnitMissing);
    need(isExisting() && nestsInItself(f.upward), msg::localityUpwardSelf);
    need(continent_->currentIndex() < 0, msg::continentMissing);
    // pasted text passes no key filter: nothing that is not a number reaches the statement
    for (int c = 0; c < CoordinateCount; ++c) {
        const QString& v = f.coordinates[size_t(c)];
        need(!v.trimmed().isEmpty() && !isCoordinate(v), coordinateNotNumber(c));
    }
    return out;
}

bool Tlocalitym::ment(bool close)
{
    core::Tdm& dm = core::dm();
    if (!mayChange()) return false;
    LocalityFields f = fields();
    QString problems;
    try {
        problems = missing(f);
    } catch (const db::DbError& e) {
        dm.showError(e);
        return false;
    }
    if (!problems.isEmpty()) {
        dm.uzenet(problems);
        return false;
    }
    if (!dm.kerdes(msg::confirmSave)) return false;

    const bool existing = isExisting();
    core::ProcWait wait;
    try {
        cmd_.open(continentKeySql(continent_->currentText()));
        if (cmd_.isEmpty()) {
            // the continent went from the list since it was read
            dm.uzenet(msg::continentMissing);
            return false;
        }
        f.continentKey = cmd_.text(0, QStringLiteral("kont_kod"));
        if (existing) {
            cmd_.exec(localityUpdateSql(f));
        } else {
            cmd_.exec(localityInsertSql(f, dm.current_user_id));
            cmd_.open(localityKeySql);
            id_->setText(cmd_.text(0, QStringLiteral("loc_id")));
        }
    } catch (const db::DbError& e) {
        if (!existing) {
            // whatever step failed, the transaction opened by "begin;" must not stay open
            try {
                cmd_.exec(QStringLiteral("rollback;"));
            } catch (const db::DbError&) {
            }
        }
        dm.showError(e);
        return false;
    }
    emit saved();
    if (close) accept();
    return true;
}

void Tlocalitym::pickCountry()
{
    if (!mayChange()) return;
    core::Tdm& dm = core::dm();
    const QString current = country_->id().trimmed();
    const int chosen = dm.orszagtorzs(current.isEmpty() ? -1 : current.toInt());
    if (chosen == -1) {
        country_->set(QString(), QString());  // cancelled on a locality without country
        return;
    }
    country_->set(QString::number(chosen), dm.orszagnev(chosen));
}

void Tlocalitym::clearCountry() { clearToZero(country_); }

void Tlocalitym::pickUpward()
{
    core::Tdm& dm = core::dm();
    const QString chosen = dm.localityfa2(upward_->id());
    try {
        if (nestsInItself(chosen)) {
            // the locality would hang below itself and drop out of the tree
            dm.uzenet(msg::localityUpwardSelf);
            return;
        }
    } catch (const db::DbError& e) {
        dm.showError(e);
        return;
    }
    upward_->set(chosen, dm.localitynev(chosen));
}

void Tlocalitym::clearUpward()
{
    if (!core::dm().jogell(QStringLiteral("D"))) return;
    upward_->set(QString(), QString());
}

void Tlocalitym::addAltName()
{
    core::Tdm& dm = core::dm();
    if (!isExisting()) {
        if (dm.kerdes(msg::saveBeforeLocalityName)) ment(false);
        return;
    }
    if (!mayChange()) return;
    altDialog_->setLocalityId(id());
    core::showModal(altDialog_);
    try {
        openAltNames();
    } catch (const db::DbError& e) {
        dm.showError(e);
    }
}

void Tlocalitym::deleteAltName()
{
    core::Tdm& dm = core::dm();
    const int row = altNames_->currentRow();
    if (!dm.jogell(QStringLiteral("D"))) return;
    if (row < 0 || row >= altList_.rowCount()) return;
    if (!dm.kerdes(msg::confirmDelete)) return;
    try {
        cmd_.exec(QStringLiteral("delete from loc_nev where locnev_id=:par"),
                  {{QStringLiteral("par"), db::Value(db::sqlKey(altList_.text(row, QStringLiteral("locnev_id"))).toInt())}});
        openAltNames();
    } catch (const db::DbError& e) {
        core::showMessage(e.message());  // the general error report
    }
}

}  // namespace reference
