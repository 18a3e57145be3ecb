#pragma once
// The data module: the one database session, the state of the current login,
// notices and questions, the translation of database failures, the rights checks,
// the numeric key filter, the picker launchers with their pick slots and the name
// lookups. Every window uses it through dm().

#include "core/prompter.h"
#include "db/connection.h"
#include "db/query.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QDialog;

namespace core {

enum class Edition { Stone, Descriptive };

class Tdm : public QObject {
    Q_OBJECT
public:
    explicit Tdm(QObject* parent = nullptr);
    ~Tdm() override;

    // ---- connection ------------------------------------------------------
    db::Connection& conn() { return conn_; }
    // Closes the session, reads ".\connection.ini" of the current directory and
    // connects: "Ok", or the failure text.
    QString kapcskiep();
    QString kapcskiep(const QString& iniPath);
    // the settings of a connection.ini; false when the file is missing
    static bool readConnectionIni(const QString& iniPath, db::ConnectSettings& out);
    // the fixed account of the program (build-time settings)
    static QString accountName();
    static QString accountPassword();

    // ---- login state -----------------------------------------------------
    int current_user_id = 0;
    QString current_user_name;
    QString rights;
    int login_id = 0;
    bool update_available = false;
    bool restart_requested = false;
    QString connect_result;
    const QString program_version = QStringLiteral("1.7.1.2");
    Edition edition_code;

    // ---- notices and questions --------------------------------------------
    void uzenet(const QString& text);
    bool kerdes(const QString& text);
    void setPrompter(Prompter* p);  // nullptr: the message window
    Prompter& prompter();

    // the user message for a database failure
    static QString hibauzi(const QString& failureText);
    static QString hibauzi(const db::DbError& e);
    // hibauzi + uzenet, what every window does with a caught failure
    void showError(const db::DbError& e) { uzenet(hibauzi(e)); }

    // ---- rights --------------------------------------------------------------
    // mode 'I' shows the refusal, 'N' is silent
    bool jogell(const QString& letters, QChar mode = QLatin1Char('I'));
    bool jogellnev(const QString& letters, const QString& ownerName, QChar mode = QLatin1Char('I'));

    // the key to let through into a numeric field, or QChar(0) to swallow it
    static QChar csakszam(const QString& text, QChar key);

    // ---- picker launchers ------------------------------------------------------
    // A list window registers itself for its launcher; prepare (optional) receives
    // the launcher's extra arguments before the window is shown.
    void registerPicker(const QString& launcher, QDialog* window,
                        std::function<void(const QStringList&)> prepare = {});
    bool hasPicker(const QString& launcher) const;
    // writes the current id into the slot, shows the window modally, returns the slot
    QString pick(const QString& launcher, const QString& currentId, const QStringList& args = {});
    QString slot(const QString& launcher) const { return slots_.value(launcher); }
    void setSlot(const QString& launcher, const QString& id) { slots_[launcher] = id; }

    QString littorzs(const QString& id) { return pick(QStringLiteral("littorzs"), id); }
    QString littorzs2(const QString& id) { return pick(QStringLiteral("littorzs2"), id); }
    QString journaltorzs(const QString& id) { return pick(QStringLiteral("journaltorzs"), id); }
    QString mgradetorzs(const QString& id) { return pick(QStringLiteral("mgradetorzs"), id); }
    QString isotoptorzs(const QString& id) { return pick(QStringLiteral("isotoptorzs"), id); }
    QString raltorzs(const QString& id) { return pick(QStringLiteral("raltorzs"), id); }
    QString munselltorzs(const QString& id) { return pick(QStringLiteral("munselltorzs"), id); }
    QString enevektorzs(const QString& value, const QString& group) { return pick(QStringLiteral("enevektorzs"), value, {group}); }
    QString mineraltorzs(const QString& id) { return pick(QStringLiteral("mineraltorzs"), id); }
    QString localitytorzs(const QString& id) { return pick(QStringLiteral("localitytorzs"), id); }
    QString localityfa(const QString& id) { return pick(QStringLiteral("localityfa"), id); }
    QString localityfa2(const QString& id) { return pick(QStringLiteral("localityfa2"), id); }
    QString geo_untorzs(const QString& id) { return pick(QStringLiteral("geo_untorzs"), id); }
    QString geo_un2torzs(const QString& id) { return pick(QStringLiteral("geo_un2torzs"), id); }
    QString kor(const QString& id) { return pick(QStringLiteral("kor"), id); }
    QString kor2(const QString& id) { return pick(QStringLiteral("kor2"), id); }
    QString arttorzs(const QString& id) { return pick(QStringLiteral("arttorzs"), id); }
    QString meres_modtorzs(const QString& id, int kind) { return pick(QStringLiteral("meres_modtorzs"), id, {QString::number(kind)}); }
    QString metodtorzs(const QString& id) { return pick(QStringLiteral("metodtorzs"), id); }
    QString colortorzs(const QString& id) { return pick(QStringLiteral("colortorzs"), id); }
    QString fabrictypetorzs(const QString& id) { return pick(QStringLiteral("fabrictypetorzs"), id); }
    QString fabrictorzs(const QString& id) { return pick(QStringLiteral("fabrictorzs"), id); }
    QString elemtorzs(const QString& id, const QString& filter) { return pick(QStringLiteral("elemtorzs"), id, {filter}); }
    QString konztorzs(const QString& id) { return pick(QStringLiteral("konztorzs"), id); }
    QString boundtorzs(const QString& id) { return pick(QStringLiteral("boundtorzs"), id); }
    QString labortorzs(const QString& id) { return pick(QStringLiteral("labortorzs"), id); }
    QString szemelytorzs(const QString& id) { return pick(QStringLiteral("szemelytorzs"), id); }
    int orszagtorzs(int id) { return pick(QStringLiteral("orszagtorzs"), QString::number(id)).toInt(); }
    int varostorzs(int id) { return pick(QStringLiteral("varostorzs"), QString::number(id)).toInt(); }

    // ---- name lookups ----------------------------------------------------------
    // The id is trimmed and appended to the lookup's statement; an id that is not a
    // plain integer, a missing row or a failure gives the empty text.
    QString colornev(const QString& id);
    QString litnev(const QString& id);
    QString konznev(const QString& id);
    QString kornev(const QString& id);
    QString geonev(const QString& id);
    QString journalnev(const QString& id);
    QString mgradenev(const QString& id);
    QString isotopnev(const QString& id);
    QString ralnev(const QString& id);
    QString munsellnev(const QString& id);
    QString artnev(const QString& id);
    QString elemnev(const QString& id);
    QString eleminev(const QString& id);
    QString localitynev(const QString& id);
    QString mineralnev(const QString& id);
    QString szemelynev(const QString& id);
    QString boundnev(const QString& id);
    QString fabricnev(const QString& id);
    QString metodnev(const QString& id);
    QString orszagnev(int id);
    QString labornev(const QString& id);
    QString meres_modnev(const QString& id);
    QString fabtypenev(const QString& id);
    QString varosnev(int id);
    QString usernev(const QString& id);
    // the query all lookups share (its rows are replaced by every lookup)
    db::Query& lookupQuery() { return lookup_; }

private:
    // runs statement + id; empty when the id is not a key, no row came back or it failed
    bool lookupRow(const QString& statement, const QString& id);
    QString lookup(const QString& statement, const QString& id, const QString& column);

    db::Connection conn_;
    db::Query lookup_;
    Prompter* prompter_ = nullptr;
    std::unique_ptr<Prompter> messageWindow_;
    struct Picker {
        QPointer<QDialog> window;
        std::function<void(const QStringList&)> prepare;
    };
    QHash<QString, Picker> pickers_;
    QHash<QString, QString> slots_;
};

// The data module of the running program (the most recently created one).
Tdm& dm();
bool hasDm();

}  // namespace core
