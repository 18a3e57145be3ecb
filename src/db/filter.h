#pragma once
// In-memory filter expressions over the rows of a result, such as "type=1",
// "type=11 or type=12" and "csoport=2 and meres_id=17".

#include "db/dataset.h"

#include <QString>
#include <functional>

namespace db {

// Compiles the expression against the store's columns. Grammar:
//   expr   := term { "or" term }      term := factor { "and" factor }
//   factor := "not" factor | "(" expr ")" | field op operand
//   op     := = <> != < > <= >=       operand := number | 'text' | null
// Field names and keywords ignore letter case. Numbers compare numerically with
// numeric cells; texts compare exactly. A null cell only equals null.
// Throws DbError when the expression does not parse or names a missing field.
std::function<bool(int)> compileFilter(const QString& expression, const RowStore& store);

}  // namespace db
