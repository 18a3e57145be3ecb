#pragma once
// Statement texts and checks of the identification page: what the page holds,
// the validation of a save, the update of an existing sample and the insert of a
// new one, and the reads of the page and of its details.

#include <QDate>
#include <QString>
#include <QStringList>

namespace samples {

// the identification of a sample as the page holds it (ids as text, "" for none)
struct IdentValues {
    QString name;
    QString shortD;
    QString description;   // the "Description" page's text
    bool hasDate = false;  // the date check box
    QDate date;
    int type = 1;          // 1 geological, 2 archaeological, 3 other
    QString tnev, tlabor;  // storage place: person, institute
    QString sznev, szlabor;  // sampled by: person, institute
    QString geoLocality;   // geological sub-page ("0": a cleared locality)
    QString geoUnitGeo;
    QString artId;         // archaeological sub-page
    QString excLocality;
    QString geoUnitArt;
    QString otherText;     // "Other" sub-page
    int currentUserId = 0;
};

// the messages of the failed checks, in order
QStringList identValidate(const IdentValues& v);
// the messages as one notice: each followed by a carriage return
QString identMessage(const QStringList& messages);

QString identUpdateSql(const IdentValues& v, const QString& sampleId);
QString identInsertSql(const IdentValues& v);
inline const QString identCurrvalSql = QStringLiteral("commit; select currval('gen_id') as sample_id;");
inline const QString identRollbackSql = QStringLiteral("rollback;");

// the page's own read of the sample row (its Refresh)
QString identLoadSql(const QString& sampleId);
// continent and country of a locality
QString localityDetailsSql(const QString& localityId);
// institute, country and city of the institution that keeps an artefact
QString artefactDetailsSql(const QString& artId);

}  // namespace samples
