#pragma once
// The statements of the reference lists and their edit windows, built from a
// list's description. Pure functions: they can be checked as text and against the
// server without any window.

#include "db/value.h"
#include "reference/refdesc.h"

#include <QString>
#include <QStringList>

namespace reference {

struct Statement {
    QString sql;
    db::Params params;
};

// the list's load: head + sort clause + tail, :par bound to the argument
Statement loadStatement(const RefDesc& d, const QString& arg);
// "delete from <table> where <key>=" + the key's digits
QString deleteSql(const RefDesc& d, const QString& key);
// "select <name> from <table> where <key>=" + the key's digits
QString rereadSql(const RefDesc& d, const QString& id);

// The question asked when the stored name differs from the name the edit window
// was opened with; "\r" breaks the line in the message window.
QString changedQuestion(const QString& opened, const QString& stored);

// what the edit window holds when it saves
struct EditValues {
    QStringList fields;  // [0] the ID field, [1..] the value fields, as typed
    QString openedId;    // the ID field as it was when the window was shown
    QString arg;         // the list's argument (the measurement kind)
};

Statement updateStatement(const RefDesc& d, const EditValues& v);
Statement insertStatement(const RefDesc& d, const EditValues& v);

// A text converted to an integer the way the edit windows do it; throws DbError
// with "'<text>' is not a valid integer value" when it is none.
int toInteger(const QString& text);

}  // namespace reference
