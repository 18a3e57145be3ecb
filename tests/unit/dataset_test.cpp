#include "db/dataset.h"
#include "db/error.h"

#include <gtest/gtest.h>

using db::Dataset;

namespace {

Dataset samples()
{
    // the shape of the editor's shared lists: a type code, a measurement id, a name
    return Dataset::fromRows({"type", "meres_id", "mnemonic"},
                             {
                                 {1, 0, "Smith 1990"},
                                 {11, 17, "alpha"},
                                 {12, 17, "Beta"},
                                 {11, 18, "gamma"},
                                 {2, QVariant(), "O'Neil"},
                                 {12, 18, QVariant()},
                             });
}

QStringList column(const Dataset& d, const QString& field)
{
    QStringList out;
    for (int r = 0; r < d.rowCount(); ++r) out << d.text(r, field);
    return out;
}

}  // namespace

TEST(DatasetFilter, ShowsOnlyTheRowsTheExpressionAccepts)
{
    const std::vector<std::pair<QString, QStringList>> cases = {
        {"type=1", {"Smith 1990"}},
        {"type=11 or type=12", {"alpha", "Beta", "gamma", ""}},
        {"type=11 and meres_id=17", {"alpha"}},
        {"TYPE = 12 AND meres_id = 18", {""}},
        {"(type=11 or type=12) and not meres_id=17", {"gamma", ""}},
        {"meres_id<>17", {"Smith 1990", "gamma", ""}},  // a null cell matches no comparison
        {"meres_id=null", {"O'Neil"}},
        {"mnemonic='O''Neil'", {"O'Neil"}},
        {"type>=11 and type<12", {"alpha", "gamma"}},
    };
    for (const auto& [expr, names] : cases) {
        Dataset d = samples();
        d.setFilter(expr);
        d.setFiltered(true);
        EXPECT_EQ(column(d, "mnemonic"), names) << expr.toStdString();
        d.setFiltered(false);
        EXPECT_EQ(d.rowCount(), 6) << "switching the filter off shows every row again";
    }
}

TEST(DatasetFilter, RefusesBadExpressionsAndMissingFields)
{
    Dataset d = samples();
    for (const char* bad : {"nosuch=1", "type=", "type=1 and", "(type=1", "type ~ 1"})
        EXPECT_THROW(d.setFilter(QString::fromLatin1(bad)), db::DbError) << bad;
}

TEST(DatasetSort, IsStableAscendingWithNullsFirstAndKeepsTheFilter)
{
    Dataset d = samples();
    d.sortBy("type");
    EXPECT_EQ(column(d, "mnemonic"), (QStringList{"Smith 1990", "O'Neil", "alpha", "gamma", "Beta", ""}));
    d.setFilter("type=11 or type=12");
    d.setFiltered(true);
    d.sortBy("mnemonic");  // text: letter case does not decide, the null first
    EXPECT_EQ(column(d, "mnemonic"), (QStringList{"", "alpha", "Beta", "gamma"}));
    d.sortBy("");
    EXPECT_EQ(column(d, "mnemonic"), (QStringList{"alpha", "Beta", "gamma", ""})) << "server order restored";
}

TEST(DatasetLocate, FindsTheFirstVisibleRowByValue)
{
    Dataset d = samples();
    EXPECT_EQ(d.locate("meres_id", 18), 3);
    EXPECT_EQ(d.locate("meres_id", "17"), 1) << "a key given as text compares as a number";
    EXPECT_EQ(d.locate("mnemonic", "Beta"), 2);
    EXPECT_EQ(d.locate("mnemonic", "beta"), -1);
    d.sortBy("mnemonic");
    EXPECT_EQ(d.text(d.locate("meres_id", 18), "mnemonic"), QString());
    EXPECT_THROW(d.locate("nosuch", 1), db::DbError);
}

TEST(DatasetFields, ReadByNameWithoutRegardToCase)
{
    const Dataset d = samples();
    EXPECT_EQ(d.columnIndex("MNEMONIC"), 2);
    EXPECT_TRUE(d.isNull(4, "meres_id"));
    EXPECT_EQ(d.row(3).toInt("Meres_Id"), 18);
    EXPECT_EQ(d.row(4).toInt("meres_id", -1), -1);
    EXPECT_THROW(d.text(0, "nosuch"), db::DbError);
}
