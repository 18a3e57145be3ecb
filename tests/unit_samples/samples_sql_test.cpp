// The statement texts of the sample list, the sample editor and its identification
// page, as the server receives them.

#include "samples/ident_sql.h"
#include "samples/litlinks.h"
#include "samples/samplem2_sql.h"
#include "samples/samplet2_sql.h"

#include "core/messages.h"
#include "db/error.h"

#include <gtest/gtest.h>

using namespace samples;

TEST(SampleStatements, FixedTextsKeepTheirBlanks)
{
    struct Case { QString built, expected; };
    const std::vector<Case> cases = {
        {sampleListSql("sample_id desc"),
         " select sample_id,sample_name,mj.mint_jelnev,short_d,letre_date,u.teljnev from samplet s  join mint_jel mj on mj.mint_kod=s.mint_jel"
         "  join users u on u.user_id=s.letre_user order by sample_id desc"},
        {sampleRowSql(" 17 "),
         "select ge.geo_nev,samplet.*,addszemelynev(samplet.tnev_kod) AS tnev, addlabornev(samplet.tlabor_kod) AS tlabor, addszemelynev(samplet.sznev_kod) AS sznev,"
         " addlabornev(samplet.szlabor_kod) AS szlabor,calc_dol,d13c,d18o,caco3,sr87,short_d,users.user_name,users.teljnev from samplet left join geo_un ge on"
         " ge.geo_id=samplet.geo_id  join users on users.user_id=samplet.letre_user where sample_id=17"},
        {measurementNodesSql("17"),
         "select distinct s.meres_id,s.meres_nev,s.tipus,   case when mit_mer=1 then 'Bulk'  when mit_mer=2 then 'Matrix'  when mit_mer=3 then 'Temper'"
         "  when mit_mer=4 then 'Surface'  when mit_mer=5 then s.meres_nev else ' ' end as name   from meresek s  where s.id=17 order by s.meres_id"},
        {analysisNodesSql("17"), "select alkmet_id,metod_name from alk_mettorzs where alk_mettorzs.sample_id=17 order by metod_name"},
        {descLoadSql("17"), "select description from samplet  where sample_id=17"},
        {descSaveSql("17"), "update samplet set description=:par where sample_id=17"},
        {litLinksSql("17"), "select sample_id,lit_id,title,type,mnemonic,meres_id from mintlittorzs where sample_id=17"},
        {litGroupedSql("17"), "select sample_id,lit_id,title,max(type) as type,mnemonic from mintlittorzs where sample_id=17 group by sample_id,lit_id,title,mnemonic"},
        {identLoadSql("17"),
         "select *,gu.geo_nev,addszemelynev(samplet.tnev_kod) AS tnev, addlabornev(samplet.tlabor_kod) AS tlabor, addszemelynev(samplet.sznev_kod) AS sznev,"
         " addlabornev(samplet.szlabor_kod) AS szlabor,short_d from samplet left join geo_un gu on gu.geo_id=samplet.geo_id  where sample_id=17"},
        {localityDetailsSql("5"),
         "select region,kont_name,loc_name,orszag_nev from localityt loc left join orszagt o on o.orszag_kod=loc.orszag_kod left join kontinentt k on"
         " k.kont_kod=loc.kont_kod  where locality_id=5"},
        {artefactDetailsSql("6"),
         "select labor_nev,orszag_nev,varos_nev from artefactt left join labort on labort.labor_kod=artefactt.labor_id left join orszagt on"
         " orszagt.orszag_kod=labort.orszag_kod left join varost on varost.varos_kod=labort.varos_kod where artefactt.art_id=6"},
        {sampleDeleteSql("9"),
         "begin;delete from met_elem where sample_id=9; delete from alk_met where sample_id=9; delete from phisical_prop where sample_id=9;"
         " delete from samp_miner_mac where sample_id=9; delete from kepekt where sample_id=9; delete from samp_miner where sample_id=9;"
         " delete from samp_cl where sample_id=9; delete from samp_konz where sample_id=9; delete from mint_lit where sample_id=9;"
         " delete from esrt where sample_id=9; delete from faqta where sample_id=9; delete from samplet where sample_id=9; commit;"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.built, c.expected);
}

TEST(SampleStatements, AKeyThatIsNotAnIntegerIsRefusedBeforeAnythingIsSent)
{
    for (const QString& bad : {QString(), QStringLiteral("1 or 1=1"), QStringLiteral("1;drop table samplet"), QStringLiteral("x")})
        EXPECT_THROW(sampleDeleteSql(bad), db::DbError) << bad.toStdString();
}

TEST(SampleStatements, TheIdListIsZeroThenEveryRowInItsOrder)
{
    db::Dataset d = db::Dataset::fromRows({"sample_id", "sample_name"}, {{17, "b"}, {12, "a"}, {5, "c"}});
    EXPECT_EQ(sampleIdList(d), "0,17,12,5");
    d.sortBy("sample_name");
    EXPECT_EQ(sampleIdList(d), "0,12,17,5");
    EXPECT_EQ(sampleIdList(db::Dataset::fromRows({"sample_id"}, {})), "0");
}

TEST(SampleStatements, ListWidthsByGridWidth)
{
    EXPECT_EQ(listWidths(749), (std::array<int, 6>{50, 180, 120, 180, 110, 100}));
    EXPECT_EQ(listWidths(750), (std::array<int, 6>{50, 170, 120, 170, 110, 100}));
    EXPECT_EQ(listWidths(1011), (std::array<int, 6>{50, 301, 120, 301, 110, 100}));
}

TEST(SampleStatements, LinkFiltersByNode)
{
    struct Case { int code, id; QString filter; };
    for (const Case& c : std::vector<Case>{{2, 0, "type=1"}, {31, 0, "type=2"}, {32, 0, "type=3"}, {331, 0, "type=4"},
                                           {335, 0, "type=8"}, {3320, 7, "type=5 and meres_id=7"}, {3350, 8, "type=8 and meres_id=8"},
                                           {34, 0, "type=11 or type=12"}, {342, 0, "type=12"}, {3410, 9, "type=11 and meres_id=9"},
                                           {36, 0, "type=9"}, {37, 0, "type=10"}, {1, 0, ""}, {35, 0, ""}, {6, 0, ""}}) {
        EXPECT_EQ(litLinkFilter({c.code, c.id}), c.filter) << c.code;
        EXPECT_EQ(filtersLitLinks(c.code), !c.filter.isEmpty()) << c.code;
    }
}

namespace {
IdentValues base(int type)
{
    IdentValues v;
    v.name = " Stone's ";
    v.type = type;
    v.currentUserId = 4;
    v.geoLocality = "0";
    v.geoUnitGeo = "11";
    v.artId = "21";
    v.excLocality = "31";
    v.geoUnitArt = "12";
    v.otherText = " text ";
    return v;
}
}  // namespace

TEST(IdentStatements, UpdateAndInsertByType)
{
    IdentValues dated = base(1);
    dated.hasDate = true;
    dated.date = QDate(2021, 3, 4);
    dated.tnev = " 5 ";
    dated.shortD = "sd";
    dated.description = "a\tb";
    struct Case { QString built, expected; };
    const std::vector<Case> cases = {
        {identUpdateSql(dated, "8"),
         "update samplet set sample_name=' Stone''s ',mint_jel=1,description='a\tb',short_d='sd',date_of_sam='2021.03.04',tnev_kod=5,"
         "tlabor_kod=null,sznev_kod=null,szlabor_kod=null,geo_id=11,locality_id=0,art_id=null,other_type=null where sample_id=8"},
        {identUpdateSql(base(2), "8"),
         "update samplet set sample_name=' Stone''s ',mint_jel=2,description='',short_d='',date_of_sam=null,tnev_kod=null,"
         "tlabor_kod=null,sznev_kod=null,szlabor_kod=null,geo_id=12,locality_id=31,art_id=21,other_type=null where sample_id=8"},
        {identUpdateSql(base(3), "8"),
         "update samplet set sample_name=' Stone''s ',mint_jel=3,description='',short_d='',date_of_sam=null,tnev_kod=null,"
         "tlabor_kod=null,sznev_kod=null,szlabor_kod=null,locality_id=null,art_id=null,other_type='text' where sample_id=8"},
        {identInsertSql(dated),
         "begin;insert into samplet (sample_name,date_of_sam,locality_id,tnev_kod,tlabor_kod,sznev_kod,szlabor_kod,mint_jel,art_id,short_d,"
         "letre_user,letre_date,other_type,geo_id) values ('Stone''s','2021.03.04',0,5,null,null,null,1,null,'sd',4,(select  now()),null,11);"},
        {identInsertSql(base(3)),
         "begin;insert into samplet (sample_name,date_of_sam,locality_id,tnev_kod,tlabor_kod,sznev_kod,szlabor_kod,mint_jel,art_id,short_d,"
         "letre_user,letre_date,other_type,geo_id) values ('Stone''s',null,null,null,null,null,null,3,null,null,4,(select  now()),' text ',null);"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.built, c.expected);
    IdentValues cleared = base(2);
    cleared.excLocality = "0";
    EXPECT_TRUE(identUpdateSql(cleared, "8").contains(",locality_id=null,"));
    EXPECT_TRUE(identInsertSql(cleared).contains("values ('Stone''s',null,null,"));
    EXPECT_EQ(identCurrvalSql, "commit; select currval('gen_id') as sample_id;");
}

TEST(IdentStatements, TheChecksAndTheirNotice)
{
    IdentValues v = base(1);
    v.name = " ";
    v.geoLocality.clear();
    const QStringList m = identValidate(v);
    EXPECT_EQ(m, QStringList({msg::sampleNameMissing, msg::localityNameMissing}));
    EXPECT_EQ(identMessage(m), "The field 'Samplename is missing!\rThe locality name is missing!\r");
    v = base(1);
    EXPECT_TRUE(identValidate(v).isEmpty()) << "a cleared locality passes";
}
