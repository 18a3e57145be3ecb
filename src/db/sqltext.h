#pragma once
// Statement texts: safe literals and the ":name" parameters of a statement.
//
// Parameters are written into the text as literals of their type before the text is
// sent, the way the statements of the program are meant to read on the server. A text
// value is always a complete, correctly quoted string literal, so nothing a user types
// can end the literal and change the statement. The session runs with
// standard_conforming_strings on (the connection makes sure of it), so a backslash
// inside a literal is an ordinary character.

#include "db/value.h"

#include <QString>

namespace db {

// 'text' with every apostrophe doubled. Throws DbError for a NUL character,
// which no text column can hold.
QString quote(const QString& text);

// The literal of a typed value: null, digits, a number with '.', true/false,
// a quoted text, or a bytea literal. Negative numbers are parenthesised so that
// they cannot join a preceding minus into a comment.
QString literal(const Value& v);

// The text with every ":name" outside quotes, quoted identifiers, dollar quotes
// and comments replaced by the literal of the parameter of that name (names are
// matched without regard to letter case). "::" casts are left alone. A name with no
// parameter throws DbError before anything is sent.
QString bindParams(const QString& sql, const Params& params);

// True when the text is a plain integer (optional sign, digits only, fits in 32 bits):
// what may be appended to a statement as a key.
bool isPlainInteger(const QString& text);

// A key as it is appended to a statement text: its trimmed digits. Anything that is
// not a plain integer throws DbError ("'<text>' is not a valid integer value")
// before a statement is built, so no other text can reach the statement.
QString sqlKey(const QString& id);

// The keyword null for an empty key, otherwise sqlKey(id).
QString keyOrNull(const QString& id);

}  // namespace db
