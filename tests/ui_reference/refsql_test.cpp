// The statements of the reference lists as text: every list's load, delete,
// re-read, UPDATE and INSERT, with a name that tries to break out of its literal.

#include "db/error.h"
#include "db/sqltext.h"
#include "reference/refsql.h"
#include "reference/simplelists.h"

#include <gtest/gtest.h>

using namespace reference;

namespace {

const RefDesc& desc(const char* listClass)
{
    const RefDesc* d = findList(QString::fromLatin1(listClass));
    if (!d) throw std::runtime_error(std::string("no list ") + listClass);
    return *d;
}

QString sent(const Statement& s) { return db::bindParams(s.sql, s.params); }

struct Texts {
    const char* list;
    const char* load;      // as sent, the argument bound
    const char* deleteOf7;
    const char* reread7;   // empty: no re-read
    const char* update7;   // the name typed as "  it's; \\x  "
    const char* insert;
};

// the name the user typed in every case below
const QString typed = QStringLiteral("  it's; \\x  ");

const Texts texts[] = {
    {"Torszagt", "select * from orszagt order by upper(orszag_nev)", "delete from orszagt where orszag_kod=7",
     "select orszag_nev from orszagt where orszag_kod=7", "update orszagt set orszag_nev='it''s; \\x' where orszag_kod=7",
     "insert into orszagt (orszag_nev) values ('it''s; \\x')"},
    {"Tvarost", "select * from varost order by upper(varos_nev)", "delete from varost where varos_kod=7",
     "select varos_nev from varost where varos_kod=7", "update varost set varos_nev='it''s; \\x' where varos_kod=7",
     "insert into varost (varos_nev) values ('it''s; \\x')"},
    {"Tboundt", "select * from boundt order by bound_name", "delete from boundt where bound_id=7",
     "select bound_name from boundt where bound_id=7", "update boundt set bound_name='it''s; \\x' where bound_id=7",
     "insert into boundt (bound_name) values ('it''s; \\x')"},
    {"Tfabtypet", "select * from fabtypet order by upper(fabtype_name)", "delete from fabtypet where fabtype_id=7",
     "select fabtype_name from fabtypet where fabtype_id=7",
     "update fabtypet set fabtype_name='it''s; \\x' where fabtype_id=7",
     "insert into fabtypet (fabtype_name) values ('it''s; \\x')"},
    {"Tfabrict", "select * from fabrict order by upper(fabric_name)", "delete from fabrict where fabric_id=7",
     "select fabric_name from fabrict where fabric_id=7", "update fabrict set fabric_name='it''s; \\x' where fabric_id=7",
     "insert into fabrict (fabric_name) values ('it''s; \\x')"},
    {"Tcolort", "select * from colort order by upper(color_name)", "delete from colort where color_id=7",
     "select color_name from colort where color_id=7", "update colort set color_name='it''s; \\x' where color_id=7",
     "insert into colort (color_name) values ('it''s; \\x')"},
    {"Tmetodt", "select * from metodt order by upper(metod_name)", "delete from metodt where metod_id=7",
     "select metod_name from metodt where metod_id=7", "update metodt set metod_name='it''s; \\x' where metod_id=7",
     "insert into metodt (metod_name) values ('it''s; \\x')"},
    {"Tjarulekt", "select * from jarulekt order by upper(jarulek_nev)", "delete from jarulekt where jarulek_kod=7",
     "select jarulek_nev from jarulekt where jarulek_kod=7",
     "update jarulekt set jarulek_nev='it''s; \\x' where jarulek_kod=7",
     "insert into jarulekt (jarulek_nev) values ('it''s; \\x')"},
    {"Tkonzt", "select * from konzt order by upper(konz_nev)", "delete from konzt where konz_id=7",
     "select konz_nev from konzt where konz_id=7", "update konzt set konz_nev='it''s; \\x' where konz_id=7",
     "insert into konzt (konz_nev) values ('it''s; \\x')"},
    {"Tjournalt", "select * from journalt order by upper(journal_name)", "delete from journalt where journal_id=7",
     "select journal_name from journalt where journal_id=7",
     "update journalt set journal_name='it''s; \\x' where journal_id=7",
     "insert into journalt (journal_name) values ('it''s; \\x')"},
    // renaming keeps the blanks as typed, adding trims them; the kind is bound
    {"Tmeres_modszer", "select * from meres_modszer where tipus=332 order by upper(upper(met_nev))",
     "delete from meres_modszer where met_id=7", "select met_nev from meres_modszer where met_id=7",
     "update meres_modszer set met_nev='  it''s; \\x  ' where met_id=7",
     "insert into meres_modszer (tipus,met_nev) values (332,'it''s; \\x')"},
    {"Tmunsellt", "select * from munsellt order by upper(munsell_kod)", "delete from munsellt where munsell_id=7",
     "select munsell_kod from munsellt where munsell_id=7",
     "update munsellt set munsell_kod='it''s; \\x' where munsell_id=7",
     "insert into munsellt (munsell_kod) values ('it''s; \\x')"},
};

}  // namespace

TEST(ReferenceStatements, EveryListSendsItsOwnTextsWithTheTypedNameSafe)
{
    for (const Texts& t : texts) {
        SCOPED_TRACE(t.list);
        const RefDesc& d = desc(t.list);
        EXPECT_EQ(sent(loadStatement(d, QStringLiteral("332"))).toStdString(), t.load);
        EXPECT_EQ(deleteSql(d, QStringLiteral("7")).toStdString(), t.deleteOf7);
        EXPECT_TRUE(d.reread);
        EXPECT_EQ(rereadSql(d, QStringLiteral(" 7 ")).toStdString(), t.reread7);
        const EditValues v{{QStringLiteral("7"), typed}, QStringLiteral("7"), QStringLiteral("332")};
        EXPECT_EQ(sent(updateStatement(d, v)).toStdString(), t.update7);
        EXPECT_EQ(sent(insertStatement(d, EditValues{{QString(), typed}, QString(), QStringLiteral("332")})).toStdString(),
                  t.insert);
    }
}

TEST(ReferenceStatements, MeasurementMethodsBindTheirValuesAsParameters)
{
    const RefDesc& d = desc("Tmeres_modszer");
    const Statement load = loadStatement(d, QStringLiteral("334"));
    EXPECT_EQ(load.sql.toStdString(), "select * from meres_modszer where tipus=:par order by upper(upper(met_nev))");
    ASSERT_EQ(load.params.size(), 1u);
    EXPECT_EQ(load.params[0].second.kind(), db::Value::Kind::Integer);
    EXPECT_EQ(load.params[0].second.integer(), 334);

    const Statement up = updateStatement(d, EditValues{{QStringLiteral("12"), QStringLiteral(" a ")}, {}, {}});
    EXPECT_EQ(up.sql.toStdString(), "update meres_modszer set met_nev=:par where met_id=12");
    const Statement in = insertStatement(d, EditValues{{QString(), QStringLiteral(" a ")}, {}, QStringLiteral("334")});
    EXPECT_EQ(in.sql.toStdString(), "insert into meres_modszer (tipus,met_nev) values (:par,:par2)");
    ASSERT_EQ(in.params.size(), 2u);
    EXPECT_EQ(in.params[0].second.integer(), 334);
    EXPECT_EQ(in.params[1].second.text().toStdString(), "a");
}

TEST(ReferenceStatements, RalKeyIsTypedAndCanBeRenumbered)
{
    const RefDesc& d = desc("Tralt");
    EXPECT_FALSE(d.reread);
    EXPECT_EQ(sent(loadStatement(d, {})).toStdString(), "select * from ralt order by ral_id");
    EXPECT_EQ(deleteSql(d, QStringLiteral("1000")).toStdString(), "delete from ralt where ral_id=1000");

    const EditValues v{{QStringLiteral("1001"), QStringLiteral(" Beige "), QStringLiteral("a'b"), QString()},
                       QStringLiteral("1000"), {}};
    const Statement in = insertStatement(d, v);
    EXPECT_EQ(in.sql.toStdString(), "insert into ralt (ral_id,color,abl,part) values (:par,:par2,:par3,:par4)");
    EXPECT_EQ(in.params[0].second.kind(), db::Value::Kind::Integer);
    EXPECT_EQ(sent(in).toStdString(), "insert into ralt (ral_id,color,abl,part) values (1001,' Beige ','a''b','')");
    const Statement up = updateStatement(d, v);
    EXPECT_EQ(up.sql.toStdString(), "update ralt set ral_id=:par, color=:par2,abl=:par3,part=:par4  where ral_id=:par5");
    EXPECT_EQ(sent(up).toStdString(),
              "update ralt set ral_id='1001', color=' Beige ',abl='a''b',part=''  where ral_id='1000'");

    // a key that is no whole number never reaches the text
    try {
        insertStatement(d, EditValues{{QStringLiteral("10a"), QStringLiteral("x"), {}, {}}, {}, {}});
        FAIL() << "no conversion failure";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.message().toStdString(), "'10a' is not a valid integer value");
    }
}

TEST(ReferenceStatements, KeysAreAppendedOnlyAsDigits)
{
    const RefDesc& d = desc("Torszagt");
    for (const char* bad : {"", "1;drop table orszagt", "1 or 1=1", "x"})
        EXPECT_THROW(deleteSql(d, QString::fromLatin1(bad)), db::DbError) << bad;
}

TEST(ReferenceStatements, ChangedRecordQuestionReadsAsTheProgramAsksIt)
{
    EXPECT_EQ(changedQuestion(QStringLiteral("Hungary"), QStringLiteral("Magyarország")).toStdString(),
              "A(z) Hungary rekord megváltozott a megnyitás óta.\rJelenlegi formája: Magyarország\rFelülírja ezt?");
}
