#pragma once
// The statements of the artefact list, the artefact editor and the alternative
// names, as pure functions of what the windows hold.

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace reference {

// what the artefact editor holds when it saves (texts as typed)
struct ArtRecord {
    QString id;  // empty: a new artefact
    QString name;
    QString laborId;  // empty or "0": none
    QString width, length, depth, weight;
    QString material, age, description;
    QDate dateAdded;  // invalid: no date
};

// the dimension fields in statement order, with their labels
struct ArtDimension {
    QString column;
    QString label;
    QString ArtRecord::*field;
};
const std::vector<ArtDimension>& artDimensions();

// every reason the record cannot be saved, in the order shown: the two compulsory
// fields, then each dimension that holds something other than a number
QStringList artProblems(const ArtRecord& r);

QString artLoadSql(const QString& id);
// one UPDATE of every column; like the INSERT it throws DbError for a key or a
// dimension that is not a number, so nothing else reaches the statement text
QString artUpdateSql(const ArtRecord& r);
// "begin;insert ..." (the key is read with artKeySql in the same session)
QString artInsertSql(const ArtRecord& r, int currentUserId);
QString artKeySql();

QString altNamesSql();  // :par the artefact
QString altInsertSql(const QString& name, const QString& artId);
QString altDeleteSql();  // :par the alternative name

}  // namespace reference
