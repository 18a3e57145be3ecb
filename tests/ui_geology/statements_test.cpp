// The statements of the artefact, unit and time windows as text: the shapes the
// server is sent, with nulls for empty keys and numbers, typed text quoted, and
// nothing that is not a number placed where a number goes.

#include "db/error.h"
#include "reference/artsql.h"
#include "reference/geosql.h"

#include <gtest/gtest.h>

using namespace reference;

namespace {

TEST(GeologyStatements, TextsAsTheServerGetsThem)
{
    ArtRecord art;
    art.id = "12";
    art.name = "O'Neil axe ";
    art.laborId = " 3 ";
    art.width = "2.5";
    art.weight = " -4 ";
    art.material = "basalt";
    art.description = "it's";
    art.dateAdded = QDate(2024, 2, 9);
    GeoRecord unit{"7", "Unit 'A' ", "d", "", " 5 ", ""};
    GeoRecord fresh{"", "  New ", "", "2", "", "9"};
    KorRecord kor{"4", " Jurassic ", " 2 ", ""};
    KorRecord child{"", "Stage ", "3", "8"};

    const std::pair<QString, QString> cases[] = {
        {artUpdateSql(art),
         "update artefactt set art_name='O''Neil axe ',labor_id=3,tip_mat='basalt',tip_age='',description='it''s',"
         "dateadd='2024.02.09',width=2.5,length=null,depth=null,weight=-4 where art_id=12"},
        {artInsertSql(art, 5),
         "begin;insert into artefactt (art_name,labor_id,width,length,depth,weight,tip_mat,tip_age,dateadd,description,"
         "letre_user,letre_dat) values ('O''Neil axe ',3,2.5,null,null,-4,'basalt','','2024.02.09','it''s',5,"
         "(select  now()))"},
        {altInsertSql(" Hammer 'axe' ", "12"), "insert into art_nev (art_name,art_id) values ('Hammer ''axe''',12)"},
        {geoUpdateSql(unit),
         "update geo_un set geo_nev='Unit ''A'' ',description='d',geo_papa=null,age_of_pr=5,met_grade=null where geo_id=7"},
        {geoInsertSql(fresh, 1),
         "begin;insert into geo_un (geo_nev,geo_papa,letre_user,letre_datum,age_of_pr,met_grade,description) values "
         "('New',2,1,(select  now()),null,9,'')"},
        {korUpdateSql(kor), "update korok set kor_nev='Jurassic', sorrend=2, kor_papa=null where kor_id=4"},
        {korUpdateSql(KorRecord{"6", "Stage", "3", "8"}),
         "update korok set kor_nev='Stage', sorrend=3,kor_papa=8 where kor_id=6"},
        {korInsertSql(child), "insert into korok (kor_nev,sorrend,kor_papa) values ('Stage ',3,8)"},
        {korInsertSql(KorRecord{"", "Top", "1", ""}), "insert into korok (kor_nev,sorrend,kor_papa) values ('Top',1,null)"},
    };
    for (const auto& [sql, want] : cases) EXPECT_EQ(sql, want);
}

TEST(GeologyStatements, WhatIsNoNumberNeverReachesANumbersPlace)
{
    ArtRecord art;
    art.id = "1";
    art.name = "a";
    art.laborId = "1";
    const std::function<void()> refused[] = {
        [&] { ArtRecord r = art; r.depth = "1; drop table x"; artUpdateSql(r); },
        [&] { ArtRecord r = art; r.laborId = "1 or 1=1"; artInsertSql(r, 1); },
        [&] { ArtRecord r = art; r.id = "1--"; artUpdateSql(r); },
        [] { geoUpdateSql(GeoRecord{"1", "n", "", "2)", "", ""}); },
        [] { korInsertSql(KorRecord{"", "n", "1,2", ""}); },
        [] { korUpdateSql(KorRecord{"x", "n", "1", ""}); },
    };
    for (const auto& f : refused) EXPECT_THROW(f(), db::DbError);
}

TEST(GeologyStatements, EveryCompulsoryAndNumberProblemIsListedInOrder)
{
    ArtRecord r;
    r.laborId = "0";
    r.width = "x";
    r.weight = ".";
    r.length = " 3 ";
    EXPECT_EQ(artProblems(r), (QStringList{"The field 'Art name' is empty! ", "The field 'Institute' is empty!",
                                           "The field 'Width' does not hold a valid number!",
                                           "The field 'Weight' does not hold a valid number!"}));
    r.name = " ";
    r.laborId = "2";
    r.width = r.weight = "";
    EXPECT_TRUE(artProblems(r).isEmpty());  // a blank name is a name, as typed
}

}  // namespace
