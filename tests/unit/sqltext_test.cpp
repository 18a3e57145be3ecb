#include "db/error.h"
#include "db/sqltext.h"

#include <gtest/gtest.h>

using db::bindParams;
using db::Value;

struct BindCase {
    const char* name;
    QString sql;
    db::Params params;
    QString expected;
};

TEST(BindParams, WritesEachParameterAsALiteralOfItsType)
{
    const std::vector<BindCase> cases = {
        {"text", "select * from users where user_name=:par", {{"par", "anna"}}, "select * from users where user_name='anna'"},
        {"apostrophe doubled", "insert into t (n) values (:n)", {{"n", "O'Brien"}}, "insert into t (n) values ('O''Brien')"},
        {"injection stays inside the literal", "select 1 where a=:p", {{"p", "x' or '1'='1"}}, "select 1 where a='x'' or ''1''=''1'"},
        {"backslash is plain", "select :p", {{"p", "a\\b"}}, "select 'a\\b'"},
        {"integer", "delete from t where id=:par", {{"par", 42}}, "delete from t where id=42"},
        {"negative integer parenthesised", "select 1-:p", {{"p", -5}}, "select 1-(-5)"},
        {"real with a full stop", "select :p", {{"p", 12.5}}, "select 12.5"},
        {"negative real", "select :p", {{"p", -0.25}}, "select (-0.25)"},
        {"null", "update t set a=:p", {{"p", Value::null()}}, "update t set a=null"},
        {"boolean", "select :p", {{"p", true}}, "select true"},
        {"bytes as bytea", "select :p", {{"p", Value::bytes(QByteArray("\x00\xff", 2))}}, "select '\\x00ff'::bytea"},
        {"names ignore case", "select :PAR2, :par", {{"par", 1}, {"par2", 2}}, "select 2, 1"},
        {"casts are not parameters", "select x::text, :p::int", {{"p", 3}}, "select x::text, 3::int"},
        {"colons inside literals stay", "select ':p', \"a:p\", :p", {{"p", 1}}, "select ':p', \"a:p\", 1"},
        {"comments stay", "select 1 -- :p\n, :p /* :p */", {{"p", 7}}, "select 1 -- :p\n, 7 /* :p */"},
        {"dollar quotes stay", "select $x$ :p $x$, :p", {{"p", 7}}, "select $x$ :p $x$, 7"},
        {"several statements", "begin; insert into b (u) values (now(),:par2) ", {{"par2", " anna "}},
         "begin; insert into b (u) values (now(),' anna ') "},
        {"no parameters: untouched", "select 'a:b'", {}, "select 'a:b'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bindParams(c.sql, c.params).toStdString(), c.expected.toStdString()) << c.name;
}

TEST(BindParams, RefusesAParameterWithoutValueBeforeSending)
{
    try {
        bindParams(QStringLiteral("select :missing"), {{"other", 1}});
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral(":missing")));
    }
}

TEST(BindParams, RefusesTextHoldingANulCharacter)
{
    EXPECT_THROW(db::quote(QString(QChar(0))), db::DbError);
}

TEST(IsPlainInteger, AcceptsOnlyDecimalKeys)
{
    const std::vector<std::pair<QString, bool>> cases = {
        {"0", true}, {"123", true}, {"-7", true}, {"2147483647", true},
        {"", false}, {" 1", false}, {"1 ", false}, {"1;drop table x", false}, {"1.5", false},
        {"0x10", false}, {"2147483648", false}, {"-", false}, {"١٢", false}, {"1e3", false},
    };
    for (const auto& [text, ok] : cases) EXPECT_EQ(db::isPlainInteger(text), ok) << text.toStdString();
}
