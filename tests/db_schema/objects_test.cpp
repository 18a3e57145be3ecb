// Server functions, views, sequences, accounts and defaults as the program uses them.

#include "fixture.h"

#include <QSet>
#include <gtest/gtest.h>
#include <vector>

using schema_test::SchemaTest;

namespace {

QSet<QString> ids(const db::Dataset& d, const QString& field)
{
    QSet<QString> out;
    for (int r = 0; r < d.rowCount(); ++r) out << d.text(r, field);
    return out;
}

}  // namespace

TEST_F(SchemaTest, EveryKeyIsReadBackWithCurrvalAfterABeginInsert)
{
    const QString s = arrange("insert into samplet (sample_name, mint_jel) values ('s', 1) returning sample_id");
    struct Case { QString insert, commit, table, key; };
    const std::vector<Case> cases = {
        {"begin; insert into belepesek (belep,username) values (now(),'x') ", "commit; select currval('gen_id') as be_id;", "belepesek", "be_id"},
        {"begin;insert into localityt (loc_name,kont_kod,letre_user,letre_dat) values ('L',4,1,(select  now()))", "commit; select currval('gen_id') as loc_id;", "localityt", "locality_id"},
        {"begin;insert into artefactt (art_name,labor_id) values ('A',null)", "commit; select currval('gen_id') as art_id;", "artefactt", "art_id"},
        {"begin;insert into samplet (sample_name,mint_jel,letre_user,letre_date) values ('S',2,1,(select  now()));", "commit; select currval('gen_id') as sample_id;", "samplet", "sample_id"},
        {"begin;insert into alk_met (sample_id,met_id,labor_kod,external_id,date) values (" + s + ",1,null,'E-1','2024.03.01')", "commit; select currval('gen_id') as alkmet_id;", "alk_met", "alkmet_id"},
        {"begin;insert into geo_un (geo_nev,geo_papa,letre_user,letre_datum,age_of_pr,met_grade,description) values ('G',null,1,(select  now()),null,null,'')", "commit; select currval('geo_un_geo_id_seq') as geo_id;", "geo_un", "geo_id"},
        {"begin;insert into meresek (meres_nev,labor_kod,datum,id,tipus,met_id,mit_mer)  values ('',null,'2024.03.01'," + s + ",331,null,1)", "commit; select currval('meresek_meres_id_seq') as meres_id;", "meresek", "meres_id"},
        {"begin;insert into sample_macr_komp (sample_id,component) values (" + s + ",'c')", "commit; select currval('samp_komp') as sk;", "sample_macr_komp", "macr_komp_id"},
        {"begin;insert into sample_micr_komp (sample_id,component) values (" + s + ",'c')", "commit; select currval('samp_komp_micr') as sk;", "sample_micr_komp", "micr_komp_id"},
        {"begin;insert into esrt (sample_id,gain) values (" + s + ",-1.25)", "commit; select currval('esr_gen_id') as esr_id;", "esrt", "esr_id"},
        {"begin; insert into faqta (sample_id,n100) values (" + s + ",3)", "commit; select currval('fa_gen_id') as fa_id;", "faqta", "fa_id"},
    };
    QSet<QString> shared;
    for (const Case& c : cases) {
        const std::string what = c.table.toStdString();
        dm->conn().exec(c.insert);
        const db::Dataset k = dm->conn().open(c.commit);
        ASSERT_EQ(k.rowCount(), 1) << what;
        const QString key = k.text(0, 0);
        EXPECT_EQ(scalar(QStringLiteral("select max(%1) from %2").arg(c.key, c.table)).toStdString(), key.toStdString()) << what;
        if (c.commit.contains("('gen_id')")) {
            EXPECT_FALSE(shared.contains(key)) << "gen_id gave " << key.toStdString() << " twice";
            shared << key;
        }
    }
}

TEST_F(SchemaTest, UpwarListFillsUpLocWithTheMatchesAndEverythingBelowThem)
{
    auto add = [this](const QString& name, const QString& up, const QString& country, const QString& region) {
        return arrange(QStringLiteral("insert into localityt (loc_name, kont_kod, upward, orszag_kod, region) values ('%1', "
                                      "(select kont_kod from kontinentt where kont_name='Europe'), %2, "
                                      "(select orszag_kod from orszagt where orszag_nev='%3'), '%4') returning locality_id")
                           .arg(name, up.isEmpty() ? QStringLiteral("null") : up, country, region));
    };
    const QString bakony = add("Bakony Mountains", "", "Hungary", "Transdanubian Range");
    const QString szentgal = add("Szentgál", bakony, "Hungary", "Transdanubian Range");
    const QString mine = add("Tűzköves-hegy mine", szentgal, "Hungary", "Jurassic radiolarite");
    const QString melos = add("Melos", "", "Greece", "Aegean volcanic arc");
    const QString sitia = add("Sitia", "", "Greece", "Cretan");
    arrange(QStringLiteral("insert into loc_nev (loc_name, locality_id) values ('Milos', %1)").arg(melos));
    // a cycle must not make the function run away
    const QString a = add("Loop A", "", "Greece", "x");
    const QString b = add("Loop B", a, "Greece", "x");
    arrange(QStringLiteral("update localityt set upward=%1 where locality_id=%2").arg(b, a));

    struct Case { QStringList args; QSet<QString> expected; };
    const QSet<QString> all = {bakony, szentgal, mine, melos, sitia, a, b};
    const std::vector<Case> cases = {
        {{"", "", "", ""}, all},
        {{"szentg", "", "", ""}, {szentgal, mine}},
        {{"BAKONY", "europe", "hungary", ""}, {bakony, szentgal, mine}},
        {{"", "", "Greece", "aegean"}, {melos}},
        {{"milos", "", "", ""}, {melos}},
        {{"", "Asia", "", ""}, {}},
        {{"loop a", "", "", ""}, {a, b}},
    };
    for (const Case& c : cases) {
        dm->conn().exec("begin;");
        const db::Dataset f = dm->conn().open("select * from upwar_list(:par,:par2,:par3,:par4) ",
                                              {{"par", c.args[0]}, {"par2", c.args[1]}, {"par3", c.args[2]}, {"par4", c.args[3]}});
        EXPECT_EQ(ids(f, "locality_id"), c.expected) << c.args.join('|').toStdString();
        const db::Dataset u = dm->conn().open("select locality_id from up_loc");
        EXPECT_EQ(ids(u, "locality_id"), c.expected) << c.args.join('|').toStdString();
        dm->conn().exec("commit;");
    }
    // the search's condition as the list sends it, and another session sees none of it
    const QString s = arrange(QStringLiteral("insert into samplet (sample_name, mint_jel, locality_id) values ('x', 1, %1) returning sample_id").arg(mine));
    dm->conn().exec("begin;");
    dm->conn().open("select * from upwar_list(:par,:par2,:par3,:par4) ", {{"par", "bakony"}, {"par2", ""}, {"par3", ""}, {"par4", ""}});
    const QString search = "SELECT samp.sample_id FROM samplet samp where 1=1 and exists (select 1 from up_loc up where up.locality_id=samp.locality_id)";
    EXPECT_EQ(dm->conn().open(search).text(0, 0), s);
    EXPECT_EQ(scalar("select count(*) from up_loc"), "0");
    dm->conn().exec("commit;");
    // re-running the statement (the list's Refresh) finds the same
    EXPECT_EQ(dm->conn().open(search).text(0, 0), s);
}

TEST_F(SchemaTest, JogokGivesTheRightsLettersOfEachAccount)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {"admin", "D"}, {"karbantarto", "D"}, {"editor", "C"}, {"viewer", "A"}, {"vendeg", "A"}, {"letiltott", ""}};
    for (const auto& [name, rights] : cases) {
        const QString id = scalar("select user_id from users where user_name='" + name + "'");
        const db::Dataset j = dm->conn().open("select jogok(" + id + ") as jog");
        EXPECT_EQ(j.text(0, "jog").toStdString(), rights.toStdString()) << name.toStdString();
    }
    EXPECT_TRUE(dm->conn().open("select jogok(-5) as jog").isNull(0, "jog"));
}

TEST_F(SchemaTest, LoginComparesTheMd5DigestExactly)
{
    auto login = [this](const QString& name, const QString& password) {
        if (password.isEmpty())
            return dm->conn().open("select user_id,user_name,teljnev from users where user_name='" + name + "' and password isnull").rowCount();
        return dm->conn().open("select user_id,user_name,password,teljnev from users where user_name='" + name + "' and password=md5(:par)",
                               {{"par", password}}).rowCount();
    };
    EXPECT_EQ(login("admin", "admin"), 1);
    EXPECT_EQ(login("admin", "Admin"), 0);
    EXPECT_EQ(login("Admin", "admin"), 0);
    EXPECT_EQ(login("admin", ""), 0);
    EXPECT_EQ(login("vendeg", ""), 1);
    EXPECT_EQ(login("vendeg", "x"), 0);
    EXPECT_EQ(login("editor", "editor"), 1);
    EXPECT_EQ(scalar("select password from users where user_name='viewer'"), scalar("select md5('viewer')"));
    // a digest in upper case never matches
    arrange("update users set password=upper(md5('viewer')) where user_name='viewer'");
    EXPECT_EQ(login("viewer", "viewer"), 0);
    // the password change as the program sends it
    const QString id = scalar("select user_id from users where user_name='editor'");
    dm->conn().exec("update users set password=md5(:par) where user_id=" + id, {{"par", "új jelszó"}});
    EXPECT_EQ(login("editor", "új jelszó"), 1);
    EXPECT_EQ(login("editor", "editor"), 0);
}

TEST_F(SchemaTest, NoticeBoardRowsGetTheirTimeAndMarkFromTheServer)
{
    const QString before = scalar("select now()::timestamp(0)");
    dm->conn().exec("insert into uzenofal (iro,uzenet) values (:par,:par2)", {{"par", 1}, {"par2", "Line 1\nLine 2"}});
    dm->conn().exec("insert into uzenofal (iro,uzenet) values (:par,:par2)", {{"par", 1}, {"par2", ""}});
    EXPECT_EQ(scalar("select count(*) from uzenofal where torolt=false and datum>=(select now()::timestamp(0) - interval '1 minute')"), "2");
    EXPECT_LE(before, scalar("select min(datum) from uzenofal"));
    arrange("insert into uzenofal (iro, uzenet, torolt) values (1, 'hidden by null', null), (1, 'deleted', true)");
    const db::Dataset board = dm->conn().open(
        "select *,users.teljnev from uzenofal join users on users.user_id=uzenofal.iro where torolt<>'true' order by datum ");
    ASSERT_EQ(board.rowCount(), 2);
    EXPECT_EQ(board.text(0, "uzenet"), QStringLiteral("Line 1\nLine 2"));
    EXPECT_EQ(board.text(0, "teljnev"), QStringLiteral("Administrator"));
    dm->conn().exec("delete from uzenofal where uzenet_id=:par", {{"par", board.text(1, "uzenet_id").toInt()}});
    EXPECT_EQ(count("uzenofal"), 3);
}

TEST_F(SchemaTest, ViewsOfferTheColumnsTheWindowsRead)
{
    const std::vector<std::pair<QString, QStringList>> views = {
        {"szemelytorzs", {"nev_kod", "fokozat", "ossznev", "lastname", "firstname", "varos_nev", "munkakor"}},
        {"labortorzs", {"labor_kod", "labor_nev", "orszag_nev", "varos_nev"}},
        {"localitytorzs", {"locality_id", "loc_name", "kont_name", "orszag_nev", "region", "description"}},
        {"arttorzs", {"art_id", "art_name", "labor_nev", "orszag_nev", "varos_nev", "description"}},
        {"minertorzs", {"sample_id", "samp_miner_id", "jarulek_kod", "jarulek_nev", "ertek", "pertek", "meres_id", "meres_datum", "labor_nev"}},
        {"minertorzs_mac", {"sample_id", "samp_miner_id", "jarulek_kod", "jarulek_nev", "ertek", "pertek", "meres_id", "meres_datum", "labor_nev"}},
        {"minertorzs_cl", {"sample_id", "samp_cl_id", "jarulek_kod", "jarulek_nev", "ertek", "pertek"}},
        {"minertorzs_xrd", {"sample_id", "samp_xrd_id", "jarulek_kod", "jarulek_nev", "ertek", "pertek"}},
        {"minertorzs_ir", {"sample_id", "samp_ir_id", "jarulek_kod", "jarulek_nev", "ertek", "pertek"}},
        {"mintlittorzs", {"sample_id", "lit_id", "title", "type", "mnemonic", "meres_id"}},
        {"alk_mettorzs", {"sample_id", "alkmet_id", "metod_name", "labor_nev", "external_id", "date"}},
        {"colfabtorzs", {"sample_id", "color_id", "color_name", "mgs", "bound_id", "bound_name", "fabric_id", "fabric_name",
                         "fabtype_id", "fabtype_name", "ral_id", "color", "abl", "part", "munsell_id", "munsell_kod"}},
        {"up_loc", {"locality_id"}},
    };
    for (const auto& [view, columns] : views) {
        const QStringList have = dm->conn().open("select * from " + view + " where false").columnNames();
        for (const QString& c : columns) EXPECT_TRUE(have.contains(c)) << view.toStdString() << " lacks " << c.toStdString();
    }
    // and they show the names of a real row
    const QString lab = arrange("insert into labort (labor_nev, orszag_kod, varos_kod) values ('Hungarian National Museum', "
                                "(select orszag_kod from orszagt where orszag_nev='Hungary'), (select varos_kod from varost where varos_nev='Budapest')) returning labor_kod");
    arrange("insert into szemelyt (fokozat, lastname, firstname, middle, varos_kod, orszag_kod) values ('Dr.', 'Kovács', 'Anna', 'M.', 0, 0)");
    arrange("insert into artefactt (art_name, labor_id, description) values ('Polished axe', " + lab + ", 'greenstone')");
    const QString s = arrange("insert into samplet (sample_name, mint_jel, color_id, ral_id, munsell_id, mgs) values "
                              "('s', 2, (select color_id from colort where color_name='Black'), 7016, (select munsell_id from munsellt where munsell_kod='N3'), 0.5) returning sample_id");
    EXPECT_EQ(dm->conn().open("select * from arttorzs").text(0, "orszag_nev"), QStringLiteral("Hungary"));
    EXPECT_EQ(dm->conn().open("select * from labortorzs where labor_kod>0").text(0, "varos_nev"), QStringLiteral("Budapest"));
    EXPECT_EQ(dm->conn().open("select * from szemelytorzs where nev_kod>0").text(0, "ossznev"), QStringLiteral("Kovács, Anna M."));
    const db::Dataset c = dm->conn().open("select * from colfabtorzs where sample_id=" + s);
    EXPECT_EQ(c.text(0, "color_name"), QStringLiteral("Black"));
    EXPECT_EQ(c.text(0, "color"), QStringLiteral("Anthracite grey"));
    EXPECT_EQ(c.text(0, "munsell_kod"), QStringLiteral("N3"));
    EXPECT_EQ(c.text(0, "mgs"), QStringLiteral("0.5"));
}

TEST_F(SchemaTest, NameFunctionsGiveTheDisplayTexts)
{
    const QString nev = arrange("insert into szemelyt (fokozat, lastname, firstname) values ('Prof.', 'Szabó', 'Béla') returning nev_kod");
    const QString lab = arrange("insert into labort (labor_nev, orszag_kod, varos_kod) values ('Lab X', 0, 0) returning labor_kod");
    const db::Dataset d = dm->conn().open(
        "select szulok((select kor_id from korok where kor_nev='Jurassic')) as j, szulok(null) as n, szulok(-1) as u,"
        " addszemelynev(" + nev + ") as p, upper(addszemelynev(" + nev + ")) like '%SZAB%' as hit, addszemelynev(null) as pn,"
        " addlabornev(" + lab + ") as l, texttochar('long ' || 'text') as t");
    EXPECT_EQ(d.text(0, "j"), QStringLiteral("Phanerozoic / Mesozoic / Jurassic"));
    EXPECT_EQ(d.text(0, "n"), QString());
    EXPECT_FALSE(d.isNull(0, "n"));
    EXPECT_EQ(d.text(0, "u"), QString());
    EXPECT_EQ(d.text(0, "p"), QStringLiteral("Prof. Szabó, Béla"));
    EXPECT_EQ(d.text(0, "hit"), QStringLiteral("True"));
    EXPECT_TRUE(d.isNull(0, "pn"));
    EXPECT_EQ(d.text(0, "l"), QStringLiteral("Lab X"));
    EXPECT_EQ(d.text(0, "t"), QStringLiteral("long text"));
    // the name lookup of geological times as the data module sends it
    EXPECT_EQ(dm->kornev(scalar("select kor_id from korok where kor_nev='Holocene'")),
              QStringLiteral("Phanerozoic / Cenozoic / Quaternary / Holocene"));
}

TEST_F(SchemaTest, ReferenceDataHoldsTheCodesAndTheMarkup)
{
    EXPECT_EQ(scalar("select string_agg(mint_kod||' '||mint_jelnev, ', ' order by mint_kod) from mint_jel"),
              QStringLiteral("1 Geological, 2 Archeological, 3 Other"));
    EXPECT_EQ(scalar("select count(*) from elemt where oxidos='E' and rendszam between 1 and 118"), "118");
    EXPECT_EQ(scalar("select elem_nev from elemt where elem_inev='SiO\u02d82\u02d8'"), "SiO2");
    EXPECT_EQ(scalar("select rendszam from elemt where elem_nev='Fe'"), "26");
    EXPECT_EQ(scalar("select radiogen from isotopt where is_inev='~d~^13^C'"), "False");
    EXPECT_EQ(scalar("select radiogen from isotopt where is_nev='87Sr/86Sr'"), "True");
    EXPECT_EQ(scalar("select string_agg(kor_nev, ',' order by sorrend) from korok where kor_papa=(select kor_id from korok where kor_nev='Mesozoic')"),
              QStringLiteral("Triassic,Jurassic,Cretaceous"));
    // every esr and fa name picks a column of its table
    EXPECT_EQ(scalar("select count(*) from enevek e where not exists (select 1 from information_schema.columns c "
                     "where c.table_name = case e.tab when 'esr' then 'esrt' else 'faqta' end and c.column_name = e.tabnev)"), "0");
    EXPECT_EQ(scalar("select count(*) from enevek"), "42");
    for (const char* t : {"freqt id freq_id", "orientation id ori_id", "porosity id por_id"}) {
        const QStringList p = QString::fromLatin1(t).split(' ');
        EXPECT_EQ(scalar(QStringLiteral("select count(*) from %1 where %2 <= 0").arg(p[0], p[2])), "0") << t;
    }
    for (int kind : {331, 332, 333, 334, 335, 341, 342})
        EXPECT_GT(scalar(QStringLiteral("select count(*) from meres_modszer where tipus=%1").arg(kind)).toInt(), 0) << kind;
}

TEST_F(SchemaTest, EveryForeignKeyColumnIsIndexed)
{
    // a foreign key whose first column leads no index makes every delete of the
    // referenced row scan the whole referencing table
    const db::Dataset missing = admin().open(
        "select c.conrelid::regclass::text || '.' || a.attname as col from pg_constraint c"
        " join pg_attribute a on a.attrelid = c.conrelid and a.attnum = c.conkey[1]"
        " where c.contype = 'f' and c.connamespace = 'public'::regnamespace"
        " and not exists (select 1 from pg_index i where i.indrelid = c.conrelid and i.indkey[0] = c.conkey[1])");
    QStringList cols;
    for (int r = 0; r < missing.rowCount(); ++r) cols << missing.text(r, 0);
    EXPECT_TRUE(cols.isEmpty()) << cols.join(", ").toStdString();
}
