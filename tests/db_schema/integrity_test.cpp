// What the schema refuses and what it accepts, as the user would be told.

#include "core/messages.h"
#include "fixture.h"
#include "support/samplerows.h"

#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <vector>

using schema_test::SchemaTest;

namespace {

// one sample with one row in every table that hangs on it, as arranged by the
// superuser; returns the sample id
QString fullSample(const testing_support::RunSql& sql)
{
    const QString s = sql(QStringLiteral(
        "insert into samplet (sample_name, mint_jel, locality_id, letre_user, letre_date)"
        " values ('full', 1, 0, 1, now()) returning sample_id"));
    testing_support::addSampleRows(s, sql);
    // and the kinds and descriptions whose rows the list's delete leaves to the schema's cascades
    const QString m333 = sql(QStringLiteral("insert into meresek (id, tipus) values (%1, 333) returning meres_id").arg(s));
    const QString m341 = sql(QStringLiteral("insert into meresek (id, tipus) values (%1, 341) returning meres_id").arg(s));
    for (const QString& r : QStringList{
             QStringLiteral("insert into samp_xrd (sample_id, jarulek_kod, meres_id) values (%1, 1, %2)").arg(s, m333),
             QStringLiteral("insert into samp_ir (sample_id, jarulek_kod, meres_id) values (%1, 1, %2)").arg(s, m333),
             QStringLiteral("insert into samp_isotop (sampl_id, is_kod, value, meres_id) values (%1, 1, -2.5, %2)").arg(s, m341),
             QStringLiteral("insert into macroscop_desc (sample_id, color_id, munsell_id, ori_id, por_id) values (%1, 0, 1, 0, 2)").arg(s),
             QStringLiteral("insert into microscop_desc (sample_id, homogen) values (%1, 'h')").arg(s),
             QStringLiteral("insert into sample_macr_komp (sample_id, component, color_id, freq_id) values (%1, 'c1', 0, 0)").arg(s),
             QStringLiteral("insert into sample_micr_komp (sample_id, component, munsell_id) values (%1, 'c1', 1)").arg(s),
         })
        sql(r);
    return s;
}

const QStringList sampleTables = {
    "meresek where id=%1", "meres_nev where meres_id in (select meres_id from meresek where id=%1)",
    "meres_sampl_cl where sample_id=%1", "alk_met where sample_id=%1", "alkmet_nev", "met_elem where sample_id=%1",
    "samp_miner where sample_id=%1", "samp_miner_mac where sample_id=%1", "samp_cl where sample_id=%1",
    "samp_xrd where sample_id=%1", "samp_ir where sample_id=%1", "samp_isotop where sampl_id=%1",
    "phisical_prop where sample_id=%1", "esrt where sample_id=%1", "faqta where sample_id=%1",
    "samp_konz where sample_id=%1", "mint_lit where sample_id=%1", "kepekt where sample_id=%1",
    "macroscop_desc where sample_id=%1", "microscop_desc where sample_id=%1",
    "sample_macr_komp where sample_id=%1", "sample_micr_komp where sample_id=%1", "samplet where sample_id=%1"};

}  // namespace

TEST_F(SchemaTest, DuplicateNamesOfReferenceListsAreReportedAsExistingRecords)
{
    const QStringList inserts = {
        "insert into orszagt (orszag_nev) values ('Hungary')",
        "insert into varost (varos_nev) values ('Budapest')",
        "insert into boundt (bound_name) values ('Sharp')",
        "insert into fabrict (fabric_name) values ('Massive')",
        "insert into fabtypet (fabtype_name) values ('Isotropic')",
        "insert into colort (color_name) values ('Black')",
        "insert into metodt (metod_name) values ('ICP-MS')",
        "insert into jarulekt (jarulek_nev) values ('Quartz')",
        "insert into konzt (konz_nev) values ('Beeswax')",
        "insert into journalt (journal_name) values ('Archaeometry')",
        "insert into munsellt (munsell_kod) values ('N5')",
        "insert into meres_modszer (tipus,met_nev) values (333,'Powder XRD')",
        "insert into ralt (ral_id,color,abl,part) values (1000,'x','','')",
        "insert into elemt (elem_inev,oxidos,rendszam,elem_nev) values ('Si','E',14,'Si')",
        "insert into elemt (elem_inev,oxidos,rendszam,elem_nev) values ('SiO2','O',null,'SiO2')",
        "insert into isotopt (is_inev,radiogen,is_nev) values ('^87^Sr/^86^Sr',true,'87Sr/86Sr')",
        "insert into korok (kor_nev,sorrend,kor_papa) values ('Jurassic',9,(select kor_id from korok where kor_nev='Mesozoic'))",
        "insert into korok (kor_nev,sorrend,kor_papa) values ('Phanerozoic',9,null)",
        "update orszagt set orszag_nev='Austria' where orszag_nev='Hungary'",
    };
    for (const QString& sql : inserts) {
        EXPECT_EQ(outcome(sql).toStdString(), msg::recordExists.toStdString()) << sql.toStdString();
        EXPECT_EQ(lastState.toStdString(), "23505");
    }
    // the same name elsewhere in the tree, a new measurement kind, an equally named person: fine
    for (const QString& sql : QStringList{
             "insert into korok (kor_nev,sorrend,kor_papa) values ('Jurassic',1,(select kor_id from korok where kor_nev='Hadean'))",
             "insert into meres_modszer (tipus,met_nev) values (334,'Powder XRD')",
             "insert into labort (labor_nev,orszag_kod,varos_kod) values ('Lab',0,0)",
             "insert into labort (labor_nev,orszag_kod,varos_kod) values ('Lab',0,0)"})
        EXPECT_EQ(outcome(sql).toStdString(), "accepted") << sql.toStdString();
}

TEST_F(SchemaTest, ReferencedRowsRefuseDeletionWithTheLinkedMessage)
{
    const QString hu = arrange("select orszag_kod from orszagt where orszag_nev='Hungary'");
    const QString bp = arrange("select varos_kod from varost where varos_nev='Budapest'");
    const QString person = arrange(QStringLiteral("insert into szemelyt (lastname, orszag_kod, varos_kod) values ('Kis', %1, 0) returning nev_kod").arg(hu));
    const QString lab = arrange(QStringLiteral("insert into labort (labor_nev, orszag_kod, varos_kod) values ('L', 0, %1) returning labor_kod").arg(bp));
    const QString top = arrange("insert into localityt (loc_name, kont_kod) values ('Top', 4) returning locality_id");
    arrange(QStringLiteral("insert into localityt (loc_name, kont_kod, upward) values ('Child', 4, %1)").arg(top));
    const QString site = arrange("insert into localityt (loc_name, kont_kod) values ('Site', 4) returning locality_id");
    const QString s = arrange(QStringLiteral("insert into samplet (sample_name, mint_jel, locality_id, color_id, ral_id) values ('s', 1, %1, 1, 1000) returning sample_id").arg(site));
    arrange(QStringLiteral("insert into artefactt (art_name, labor_id) values ('axe', %1)").arg(lab));
    const QString journal = arrange("select journal_id from journalt order by 1 limit 1");
    arrange(QStringLiteral("insert into litt (fajta, title, jb_id) values (2, 'Article', %1)").arg(journal));
    const QString book = arrange("insert into litt (fajta, title) values (1, 'Book') returning lit_id");
    arrange(QStringLiteral("insert into litt (fajta, title, jb_id) values (4, 'Chapter', %1)").arg(book));
    const QString cited = arrange("insert into litt (fajta, title) values (3, 'Cited') returning lit_id");
    arrange(QStringLiteral("insert into mint_lit (sample_id, lit_id, type) values (%1, %2, 0)").arg(s, cited));
    const QString m = arrange(QStringLiteral("insert into meresek (id, tipus, met_id) values (%1, 332, 5) returning meres_id").arg(s));
    arrange(QStringLiteral("insert into meres_nev values (%1, %2)").arg(m, person));
    arrange(QStringLiteral("insert into samp_miner (sample_id, jarulek_kod, meres_id) values (%1, 7, %2)").arg(s, m));
    arrange(QStringLiteral("insert into macroscop_desc (sample_id, color_id, munsell_id, ori_id, por_id) values (%1, 2, 3, 4, 0)").arg(s));
    arrange(QStringLiteral("insert into sample_macr_komp (sample_id, component, freq_id) values (%1, 'c', 3)").arg(s));
    arrange("insert into geo_un (geo_nev, age_of_pr, met_grade) values ('Unit', (select kor_id from korok where kor_nev='Jurassic'), 1)");

    const QStringList deletes = {
        QStringLiteral("delete from orszagt where orszag_kod=%1").arg(hu),
        QStringLiteral("delete from varost where varos_kod=%1").arg(bp),
        QStringLiteral("delete from szemelyt where nev_kod=%1").arg(person),
        QStringLiteral("delete from labort where labor_kod=%1").arg(lab),
        QStringLiteral("delete from localityt where locality_id=%1").arg(top),
        QStringLiteral("delete from localityt where locality_id=%1").arg(site),
        "delete from colort where color_id=1", "delete from colort where color_id=2",
        "delete from ralt where ral_id=1000", "delete from munsellt where munsell_id=3",
        QStringLiteral("delete from journalt where journal_id=%1").arg(journal),
        QStringLiteral("delete from litt where lit_id=%1").arg(book),
        QStringLiteral("delete from litt where lit_id=%1").arg(cited),
        "delete from jarulekt where jarulek_kod=7", "delete from meres_modszer where met_id=5",
        "delete from korok where kor_id=(select kor_id from korok where kor_nev='Mesozoic')",
        "delete from korok where kor_id=(select kor_id from korok where kor_nev='Jurassic')",
        "delete from mgrade where mgrade_id=1", "delete from elemt where elem_kod=1",
    };
    arrange(QStringLiteral("insert into alk_met (sample_id, met_id) values (%1, 1)").arg(s));
    arrange(QStringLiteral("insert into met_elem (alkmet_id, elem_kod, sample_id) select alkmet_id, 1, %1 from alk_met").arg(s));
    for (const QString& sql : deletes)
        EXPECT_EQ(outcome(sql).toStdString(), msg::recordLinked.toStdString()) << sql.toStdString();
    // the refused statement left the session usable
    EXPECT_EQ(outcome("delete from colort where color_name='Violet'").toStdString(), "accepted");
}

TEST_F(SchemaTest, ZeroMeansNoneWhereTheProgramWritesIt)
{
    const QString s = arrange("insert into samplet (sample_name, mint_jel) values ('s', 1) returning sample_id");
    const QString lab = arrange("insert into labort (labor_nev, orszag_kod, varos_kod) values ('L', 0, 0) returning labor_kod");
    struct Case { QString table, column, insertZero, readBack, insertMissing; };
    const std::vector<Case> cases = {
        {"samplet", "locality_id", QStringLiteral("update samplet set locality_id=0 where sample_id=%1").arg(s),
         QStringLiteral("select locality_id from samplet where sample_id=%1").arg(s),
         QStringLiteral("update samplet set locality_id=999999 where sample_id=%1").arg(s)},
        {"szemelyt", "orszag_kod/varos_kod", "insert into szemelyt (nem,fokozat,firstname,lastname,middle,orszag_kod,iranyitosz,varos_kod,utca_hazsz,osszefogl,munkakor,letre_user,letre_dat)values ('Mr.','','A','B','',0,'1',0,'x','','y',1,(select  now()))",
         "select orszag_kod||'/'||varos_kod from szemelyt where lastname='B'",
         "insert into szemelyt (lastname,orszag_kod,varos_kod) values ('C',999999,0)"},
        {"labort", "orszag_kod/varos_kod", QStringLiteral("update labort set orszag_kod=0,varos_kod=0 where labor_kod=%1").arg(lab),
         QStringLiteral("select orszag_kod||'/'||varos_kod from labort where labor_kod=%1").arg(lab),
         QStringLiteral("update labort set varos_kod=999999 where labor_kod=%1").arg(lab)},
        {"macroscop_desc", "color/munsell/ori/por", QStringLiteral("insert into macroscop_desc (sample_id,surface,bulk,color_id,munsell_id,ori_id,por_id) values (%1,null,null,0,0,0,0) ;").arg(s),
         QStringLiteral("select concat_ws('/',color_id,munsell_id,ori_id,por_id) from macroscop_desc where sample_id=%1").arg(s),
         QStringLiteral("update macroscop_desc set ori_id=99 where sample_id=%1").arg(s)},
        {"sample_macr_komp", "color/munsell/freq", QStringLiteral("insert into sample_macr_komp (sample_id,component,color_id,munsell_id,size,freq_id,description) values (%1,'c',0,0,null,0,null)").arg(s),
         QStringLiteral("select concat_ws('/',color_id,munsell_id,freq_id) from sample_macr_komp where sample_id=%1").arg(s),
         QStringLiteral("update sample_macr_komp set freq_id=99 where sample_id=%1").arg(s)},
        {"sample_micr_komp", "color/munsell/freq", QStringLiteral("insert into sample_micr_komp (sample_id,component,color_id,munsell_id,size,freq_id,description) values (%1,'c',0,0,1.5,0,null)").arg(s),
         QStringLiteral("select concat_ws('/',color_id,munsell_id,freq_id) from sample_micr_komp where sample_id=%1").arg(s),
         QStringLiteral("update sample_micr_komp set munsell_id=99999 where sample_id=%1").arg(s)},
        {"meresek", "labor_kod/met_id", QStringLiteral("insert into meresek (meres_nev,labor_kod,datum,id,tipus,met_id,mit_mer) values ('',0,null,%1,332,0,null)").arg(s),
         QStringLiteral("select labor_kod||'/'||met_id from meresek where id=%1").arg(s),
         QStringLiteral("update meresek set labor_kod=999999 where id=%1").arg(s)},
        {"litt", "jb_id", "insert into litt (title,fajta,jb_id) values ('New article',2,0)",
         "select jb_id from litt where title='New article'",
         "insert into litt (title,fajta,jb_id) values ('Chapter of nothing',4,999999)"},
    };
    const std::map<QString, QString> expected = {{"locality_id", "0"}, {"orszag_kod/varos_kod", "0/0"},
        {"color/munsell/ori/por", "0/0/0/0"}, {"color/munsell/freq", "0/0/0"}, {"labor_kod/met_id", "0/0"}, {"jb_id", "0"}};
    for (const Case& c : cases) {
        const std::string what = (c.table + "." + c.column).toStdString();
        EXPECT_EQ(outcome(c.insertZero).toStdString(), "accepted") << what;
        EXPECT_EQ(scalar(c.readBack).toStdString(), expected.at(c.column).toStdString()) << what;
        const QString refused = outcome(c.insertMissing);
        EXPECT_EQ(lastState.toStdString(), "23503") << what;
        EXPECT_TRUE(refused.contains("is not present in table")) << what << ": " << refused.toStdString();
    }
}

TEST_F(SchemaTest, DeletingASampleFromTheListLeavesNothingBehind)
{
    const QString s = fullSample([this](const QString& q) { return arrange(q); });
    const QString keep = fullSample([this](const QString& q) { return arrange(q); });
    const QString id = s;
    const QString text = "begin;delete from met_elem where sample_id=" + id + ";" + " delete from alk_met where sample_id=" + id + ";"
        + " delete from phisical_prop where sample_id=" + id + ";" + " delete from samp_miner_mac where sample_id=" + id + ";"
        + " delete from kepekt where sample_id=" + id + ";" + " delete from samp_miner where sample_id=" + id + ";"
        + " delete from samp_cl where sample_id=" + id + ";" + " delete from samp_konz where sample_id=" + id + ";"
        + " delete from mint_lit where sample_id=" + id + ";" + " delete from esrt where sample_id=" + id + ";"
        + " delete from faqta where sample_id=" + id + ";" + " delete from samplet where sample_id=" + id + ";" + " commit;";
    ASSERT_EQ(outcome(text).toStdString(), "accepted");
    for (const QString& t : sampleTables) {
        if (!t.contains("%1")) continue;
        EXPECT_EQ(count(t.arg(s)), 0) << t.toStdString();
        EXPECT_GT(count(t.arg(keep)), 0) << "the other sample lost its rows in " << t.toStdString();
    }
    EXPECT_EQ(count("alkmet_nev where alkmet_id not in (select alkmet_id from alk_met)"), 0);
    // the people, the literature and the reference entries stay
    EXPECT_EQ(count("szemelyt where lastname='Kis'"), 2);
    EXPECT_EQ(count("litt where title='A report'"), 2);
}

TEST_F(SchemaTest, DeletingAMeasurementOfEveryKindSucceedsAndTakesItsRows)
{
    struct Kind { int tipus; QString table; QString extra; };
    const std::vector<Kind> kinds = {
        {331, "samp_miner_mac", ""}, {332, "samp_miner", ""}, {335, "samp_cl", " delete from meres_sampl_cl where meres_id=:par ;"},
        {333, "samp_xrd", ""}, {334, "samp_ir", ""}, {341, "samp_isotop", ""}, {342, "samp_isotop", ""}};
    const QString s = arrange("insert into samplet (sample_name, mint_jel) values ('s', 1) returning sample_id");
    const QString person = arrange("insert into szemelyt (lastname) values ('Mérő') returning nev_kod");
    const QString lit = arrange("insert into litt (fajta, title) values (3, 'R') returning lit_id");
    for (const Kind& k : kinds) {
        const QString m = arrange(QStringLiteral("insert into meresek (id, tipus, labor_kod, met_id) values (%1, %2, 0, 0) returning meres_id").arg(s).arg(k.tipus));
        arrange(QStringLiteral("insert into meres_nev values (%1, %2)").arg(m, person));
        arrange(QStringLiteral("insert into kepekt (sample_id, kepnev, csoport, meres_id) values (%1, 'p', 2, %2)").arg(s, m));
        arrange(QStringLiteral("insert into mint_lit (sample_id, lit_id, type, meres_id) values (%1, %2, 4, %3)").arg(s, lit, m));
        arrange(QStringLiteral("insert into meres_sampl_cl (meres_id, sample_id) values (%1, %2)").arg(m, s));
        if (k.table == "samp_isotop")
            arrange(QStringLiteral("insert into samp_isotop (sampl_id, is_kod, value, meres_id) values (%1, 1, 1.5, %2)").arg(s, m));
        else
            arrange(QStringLiteral("insert into %1 (sample_id, jarulek_kod, ertek, meres_id) values (%2, 1, '+', %3)").arg(k.table, s, m));
        const QString text = "begin ; delete from meres_nev where meres_id=:par;  delete from kepekt where meres_id=:par;  delete from mint_lit where meres_id=:par; delete from "
            + k.table + " where meres_id=:par ;" + k.extra + " delete from meresek where meres_id=:par ; commit";
        try {
            dm->conn().exec(text, {{"par", m.toInt()}});
        } catch (const db::DbError& e) {
            ADD_FAILURE() << k.tipus << ": " << e.message().toStdString();
        }
        for (const char* t : {"meresek", "meres_nev", "kepekt", "mint_lit", "meres_sampl_cl", "samp_miner", "samp_miner_mac",
                                 "samp_cl", "samp_xrd", "samp_ir", "samp_isotop"})
            EXPECT_EQ(count(QStringLiteral("%1 where meres_id=%2").arg(QLatin1String(t), m)), 0) << k.tipus << " " << t;
    }
    EXPECT_EQ(count(QStringLiteral("samplet where sample_id=%1").arg(s)), 1);
}

TEST_F(SchemaTest, TheProgramAccountChangesDataButNotTheDatabase)
{
    EXPECT_EQ(scalar("select rolsuper or rolcreatedb or rolcreaterole from pg_roles where rolname='saxora_prog'").toStdString(), "False");
    for (const QString& sql : QStringList{
             "create table x (a int)", "drop table orszagt", "alter table orszagt add column x int",
             "insert into users (user_name) values ('intruder')", "update users set jog='D' where user_name='viewer'",
             "delete from users", "insert into kontinentt (kont_name) values ('Atlantis')", "delete from mint_jel",
             "update uzenofal set torolt=true", "truncate samplet"}) {
        outcome(sql);
        EXPECT_EQ(lastState.toStdString(), "42501") << sql.toStdString();
        lastState.clear();
    }
}
