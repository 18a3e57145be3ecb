#include "core/datam.h"

#include "buildconfig.h"
#include "core/inifile.h"
#include "core/messages.h"
#include "core/modal.h"
#include "core/uzenetmod.h"
#include "db/sqltext.h"

#include <QDialog>
#include <QFileInfo>
#include <QLocale>

namespace core {
namespace {
Tdm* current = nullptr;
}

Tdm& dm()
{
    Q_ASSERT(current);
    return *current;
}

bool hasDm() { return current != nullptr; }

Tdm::Tdm(QObject* parent) : QObject(parent), lookup_(&conn_)
{
    setObjectName(QStringLiteral("Tdm"));
#if defined(SAXORA_EDITION_CODE_EDITION_DESCRIPTIVE)
    edition_code = Edition::Descriptive;
#else
    edition_code = Edition::Stone;
#endif
    // Dates are "yyyy.MM.dd" and decimals use "." everywhere, whatever the user's locale.
    QLocale::setDefault(QLocale::c());
    current = this;
}

Tdm::~Tdm()
{
    if (current == this) current = nullptr;
}

QString Tdm::accountName() { return QStringLiteral(SAXORA_DB_USER); }
QString Tdm::accountPassword() { return QStringLiteral(SAXORA_DB_PASSWORD); }

QString Tdm::kapcskiep() { return kapcskiep(QStringLiteral("connection.ini")); }

bool Tdm::readConnectionIni(const QString& iniPath, db::ConnectSettings& s)
{
    IniFile ini;
    if (!QFileInfo(iniPath).isFile() || !ini.load(iniPath)) return false;
    s.host = ini.readString(QStringLiteral("DataBase"), QStringLiteral("host"));
    s.database = ini.readString(QStringLiteral("DataBase"), QStringLiteral("databasename"));
    s.port = ini.readInteger(QStringLiteral("DataBase"), QStringLiteral("port"), 0);
    s.user = accountName();
    s.password = accountPassword();
    return true;
}

QString Tdm::kapcskiep(const QString& iniPath)
{
    conn_.close();
    db::ConnectSettings s;
    if (!readConnectionIni(iniPath, s)) return msg::iniMissing;
    return conn_.connect(s);
}

// ---- notices ---------------------------------------------------------------

void Tdm::setPrompter(Prompter* p) { prompter_ = p; }

Prompter& Tdm::prompter()
{
    if (prompter_) return *prompter_;
    if (!messageWindow_) messageWindow_ = std::make_unique<TuziPrompter>();
    return *messageWindow_;
}

void Tdm::uzenet(const QString& text) { prompter().notice(text); }
bool Tdm::kerdes(const QString& text) { return prompter().question(text); }

QString Tdm::hibauzi(const QString& t)
{
    // the wording of older servers first, then that of current servers and libpq
    if (t.contains(QLatin1String("duplicate key violates unique constraint"))
        || t.contains(QLatin1String("duplicate key value violates unique constraint")))
        return msg::recordExists;
    if (t.contains(QLatin1String("could not connect to server"))
        || (t.contains(QLatin1String("connection to server")) && t.contains(QLatin1String("failed")))
        || t.contains(QLatin1String("server closed the connection unexpectedly"))
        || t.contains(QLatin1String("no connection to the server")))
        return msg::connectionBroken;
    if (t.contains(QLatin1String("is still referenced from table")))
        return msg::recordLinked;
    return t;
}

QString Tdm::hibauzi(const db::DbError& e)
{
    const QString& state = e.sqlstate();
    if (state == QLatin1String("23505")) return msg::recordExists;
    const QString byText = hibauzi(e.message());
    if (byText == msg::recordExists) return byText;
    if (state.startsWith(QLatin1String("08")) || e.connectionLost()) return msg::connectionBroken;
    if (byText != e.message()) return byText;
    if (state == QLatin1String("23503") && e.primary().startsWith(QLatin1String("update or delete on table")))
        return msg::recordLinked;
    return byText;
}

// ---- rights ---------------------------------------------------------------

bool Tdm::jogell(const QString& letters, QChar mode)
{
    for (QChar c : letters)
        if (rights.contains(c, Qt::CaseInsensitive)) return true;
    if (mode == QLatin1Char('I')) uzenet(msg::noRight);
    return false;
}

bool Tdm::jogellnev(const QString& letters, const QString& ownerName, QChar mode)
{
    for (QChar c : letters) {
        if (!rights.contains(c, Qt::CaseInsensitive)) continue;
        const QChar u = c.toUpper();
        if (u == QLatin1Char('C') && current_user_name == ownerName) return true;
        if (u == QLatin1Char('D')) return true;
    }
    if (mode == QLatin1Char('I')) uzenet(msg::noRight);
    return false;
}

QChar Tdm::csakszam(const QString& text, QChar key)
{
    const bool digit = key.unicode() >= '0' && key.unicode() <= '9';
    if (!(key == QChar(8) || key == QLatin1Char('-') || key == QLatin1Char('.') || digit)) return QChar(0);
    if (key == QLatin1Char('.') && text.contains(QLatin1Char('.'))) return QChar(0);
    if (key == QLatin1Char('-') && text.contains(QLatin1Char('-'))) return QChar(0);
    return key;
}

// ---- pickers --------------------------------------------------------------

void Tdm::registerPicker(const QString& launcher, QDialog* window, std::function<void(const QStringList&)> prepare)
{
    pickers_[launcher] = Picker{window, std::move(prepare)};
}

bool Tdm::hasPicker(const QString& launcher) const
{
    auto it = pickers_.find(launcher);
    return it != pickers_.end() && it->window;
}

QString Tdm::pick(const QString& launcher, const QString& currentId, const QStringList& args)
{
    slots_[launcher] = currentId;
    auto it = pickers_.find(launcher);
    if (it == pickers_.end() || !it->window) {
        qWarning("picker launcher %s has no window", qPrintable(launcher));
        return currentId;
    }
    if (it->prepare) it->prepare(args);
    showModal(it->window);
    return slots_.value(launcher);
}

// ---- lookups --------------------------------------------------------------

bool Tdm::lookupRow(const QString& statement, const QString& id)
{
    const QString key = id.trimmed();
    if (!db::isPlainInteger(key)) {
        lookup_.close();
        return false;
    }
    try {
        lookup_.open(statement + key);
    } catch (const db::DbError&) {
        return false;
    }
    return !lookup_.isEmpty();
}

QString Tdm::lookup(const QString& statement, const QString& id, const QString& column)
{
    if (!lookupRow(statement, id)) return {};
    try {
        return lookup_.text(0, column);
    } catch (const db::DbError&) {
        return {};
    }
}

QString Tdm::colornev(const QString& id) { return lookup(QStringLiteral("select color_name from colort where color_id="), id, QStringLiteral("color_name")); }
QString Tdm::litnev(const QString& id) { return lookup(QStringLiteral("select title from litt where lit_id="), id, QStringLiteral("title")); }
QString Tdm::konznev(const QString& id) { return lookup(QStringLiteral("select konz_nev from konzt where konz_id="), id, QStringLiteral("konz_nev")); }
QString Tdm::kornev(const QString& id) { return lookup(QStringLiteral("select szulok(kor_id) as kor_nev  from korok where kor_id="), id, QStringLiteral("kor_nev")); }
QString Tdm::geonev(const QString& id) { return lookup(QStringLiteral("select geo_nev from geo_un where geo_id="), id, QStringLiteral("geo_nev")); }
QString Tdm::journalnev(const QString& id) { return lookup(QStringLiteral("select journal_name from journalt where journal_id="), id, QStringLiteral("journal_name")); }
QString Tdm::mgradenev(const QString& id) { return lookup(QStringLiteral("select mgrade_nev from mgrade where mgrade_id="), id, QStringLiteral("mgrade_nev")); }
QString Tdm::isotopnev(const QString& id) { return lookup(QStringLiteral("select is_inev from isotopt where is_kod="), id, QStringLiteral("is_inev")); }
QString Tdm::munsellnev(const QString& id) { return lookup(QStringLiteral("select munsell_kod from munsellt where munsell_id="), id, QStringLiteral("munsell_kod")); }
QString Tdm::elemnev(const QString& id) { return lookup(QStringLiteral("select elem_nev from elemt where elem_kod="), id, QStringLiteral("elem_nev")); }
QString Tdm::eleminev(const QString& id) { return lookup(QStringLiteral("select elem_inev from elemt where elem_kod="), id, QStringLiteral("elem_inev")); }
QString Tdm::localitynev(const QString& id) { return lookup(QStringLiteral("select loc_name from localityt where locality_id="), id, QStringLiteral("loc_name")); }
QString Tdm::mineralnev(const QString& id) { return lookup(QStringLiteral("select jarulek_nev from jarulekt where jarulek_kod="), id, QStringLiteral("jarulek_nev")); }
QString Tdm::boundnev(const QString& id) { return lookup(QStringLiteral("select bound_name from boundt where bound_id="), id, QStringLiteral("bound_name")); }
QString Tdm::fabricnev(const QString& id) { return lookup(QStringLiteral("select fabric_name from fabrict where fabric_id="), id, QStringLiteral("fabric_name")); }
QString Tdm::metodnev(const QString& id) { return lookup(QStringLiteral("select metod_name from metodt where metod_id="), id, QStringLiteral("metod_name")); }
QString Tdm::orszagnev(int id) { return lookup(QStringLiteral("select orszag_nev from orszagt where orszag_kod="), QString::number(id), QStringLiteral("orszag_nev")); }
QString Tdm::labornev(const QString& id) { return lookup(QStringLiteral("select labor_nev from labort where labor_kod="), id, QStringLiteral("labor_nev")); }
QString Tdm::meres_modnev(const QString& id) { return lookup(QStringLiteral("select met_nev from meres_modszer where met_id="), id, QStringLiteral("met_nev")); }
QString Tdm::fabtypenev(const QString& id) { return lookup(QStringLiteral("select fabtype_name from fabtypet where fabtype_id="), id, QStringLiteral("fabtype_name")); }
QString Tdm::varosnev(int id) { return lookup(QStringLiteral("select varos_nev from varost where varos_kod="), QString::number(id), QStringLiteral("varos_nev")); }
QString Tdm::usernev(const QString& id) { return lookup(QStringLiteral("select teljnev,user_name from users where user_id="), id, QStringLiteral("user_name")); }

QString Tdm::artnev(const QString& id)
{
    if (id.isEmpty()) return {};
    return lookup(QStringLiteral("select art_name from artefactt where art_id="), id, QStringLiteral("art_name"));
}

QString Tdm::ralnev(const QString& id)
{
    if (!lookupRow(QStringLiteral("select color,abl,part from ralt where ral_id="), id)) return {};
    return lookup_.text(0, QStringLiteral("color")) + QStringLiteral(" (") + lookup_.text(0, QStringLiteral("abl"))
         + QLatin1Char(';') + lookup_.text(0, QStringLiteral("part")) + QLatin1Char(')');
}

QString Tdm::szemelynev(const QString& id)
{
    if (!lookupRow(QStringLiteral("select lastname,firstname from szemelyt where nev_kod="), id)) return {};
    return lookup_.text(0, QStringLiteral("lastname")) + QStringLiteral(", ") + lookup_.text(0, QStringLiteral("firstname"));
}

}  // namespace core
