#pragma once
// The statements of the geological unit and geological time windows, as pure
// functions of what the windows hold.

#include "db/value.h"

#include <QString>

namespace reference {

// ---- geological units ---------------------------------------------------------
QString geoAllRowsSql();  // every unit with its details, by parent and name
QString geoTopSql();      // the units without a parent, by name
QString geoAgesSql();     // the metamorphic ages of every unit, as full paths
QString geoSamplesSql();  // :par the unit
QString geoChildSql();    // :par the unit
// both deletes in one transaction: a refused second delete keeps the ages
QString geoDeleteSql();   // :par the unit
QString geoParentsSql();  // every unit's key and parent key

QString geoLoadSql(const QString& id);
QString geoAgesGridSql();  // :par the unit, -12 for none
QString geoAgeInsertSql();  // :par the unit, :par2 the age
QString geoAgeDeleteSql();  // :par the unit, :par2 the age

// what the unit editor holds when it saves
struct GeoRecord {
    QString id;  // empty: a new unit
    QString name;
    QString description;
    QString parent, age, grade;  // keys; empty: none
};
QString geoUpdateSql(const GeoRecord& r);
QString geoInsertSql(const GeoRecord& r, int currentUserId);
QString geoKeySql();

// ---- geological time ----------------------------------------------------------
QString korAllRowsSql();
QString korTopSql();
QString korDeleteSql();  // :par the time unit
QString korParentsSql();
QString korLoadSql();  // :par the time unit

struct KorRecord {
    QString id;  // empty: a new time unit
    QString name;
    QString order;   // sorrend, a whole number
    QString parent;  // key; empty: none
};
QString korUpdateSql(const KorRecord& r);
QString korInsertSql(const KorRecord& r);

}  // namespace reference
