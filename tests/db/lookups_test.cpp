// The data module's name lookups against the real schema.

#include "core/datam.h"
#include "support/testdb.h"

#include <functional>
#include <gtest/gtest.h>

using testing_support::DbTest;

class Lookups : public DbTest {};

TEST_F(Lookups, EachReturnsItsColumnForTheKey)
{
    admin().exec(QStringLiteral(
        "insert into colort (color_id, color_name) values (9001, 'Ochre X');"
        "insert into konzt (konz_id, konz_nev) values (9001, 'Paraloid X');"
        "insert into journalt (journal_id, journal_name) values (9001, 'Journal of Stones X');"
        "insert into litt (lit_id, fajta, title) values (9001, 1, 'Stones of the Carpathians');"
        "insert into korok (kor_id, kor_nev, kor_papa, sorrend) values (9001, 'Era X', null, 1), (9002, 'Period Y', 9001, 1);"
        "insert into mgrade (mgrade_id, mgrade_nev) values (9001, 'Greenschist X');"
        "insert into geo_un (geo_id, geo_nev) values (9001, 'Bükk Unit');"
        "insert into isotopt (is_kod, is_inev, is_nev, radiogen) values (9001, '^87^Sr/^86^Sr X', '87Sr/86Sr X', true);"
        "insert into ralt (ral_id, color, abl, part) values (99001, 'Signal yellow', 'a', 'b'), (99002, 'Pure white', 'c', null);"
        "insert into munsellt (munsell_id, munsell_kod) values (9001, '10YR 5/4 X');"
        "insert into elemt (elem_kod, elem_inev, elem_nev, oxidos) values (9001, 'Al˘2˘O˘3˘ X', 'Al2O3 X', 'O');"
        "insert into localityt (locality_id, loc_name) values (9001, 'Szentgál');"
        "insert into jarulekt (jarulek_kod, jarulek_nev) values (9001, 'Quartz X');"
        "insert into szemelyt (nev_kod, lastname, firstname) values (9001, 'Kovács', 'Éva');"
        "insert into boundt (bound_id, bound_name) values (9001, 'Wavy X');"
        "insert into fabrict (fabric_id, fabric_name) values (9001, 'Porphyric X');"
        "insert into metodt (metod_id, metod_name) values (9001, 'XRF X');"
        "insert into orszagt (orszag_kod, orszag_nev) values (9001, 'Hungary X');"
        "insert into labort (labor_kod, labor_nev) values (9001, 'Lab of Stones');"
        "insert into meres_modszer (met_id, met_nev, tipus) values (9001, 'Polarising microscope X', 332);"
        "insert into fabtypet (fabtype_id, fabtype_name) values (9001, 'Clastic X');"
        "insert into varost (varos_kod, varos_nev) values (9001, 'Budapest X');"
        "insert into artefactt (art_id, art_name) values (9001, 'Polished axe');"
        "insert into users (user_id, user_name, teljnev) values (9001, 'kati', 'Kiss Katalin');"));
    core::Tdm& d = *dm;
    const QString id = QStringLiteral(" 9001 ");  // lookups trim the id
    const std::vector<std::pair<const char*, std::function<QString()>>> table = {
        {"Ochre X", [&] { return d.colornev(id); }},
        {"Stones of the Carpathians", [&] { return d.litnev(id); }},
        {"Paraloid X", [&] { return d.konznev(id); }},
        {"Bükk Unit", [&] { return d.geonev(id); }},
        {"Journal of Stones X", [&] { return d.journalnev(id); }},
        {"Greenschist X", [&] { return d.mgradenev(id); }},
        {"^87^Sr/^86^Sr X", [&] { return d.isotopnev(id); }},
        {"Signal yellow (a;b)", [&] { return d.ralnev(QStringLiteral(" 99001")); }},
        {"Pure white (c;)", [&] { return d.ralnev(QStringLiteral("99002")); }},
        {"10YR 5/4 X", [&] { return d.munsellnev(id); }},
        {"Polished axe", [&] { return d.artnev(id); }},
        {"Al2O3 X", [&] { return d.elemnev(id); }},
        {"Al˘2˘O˘3˘ X", [&] { return d.eleminev(id); }},
        {"Szentgál", [&] { return d.localitynev(id); }},
        {"Quartz X", [&] { return d.mineralnev(id); }},
        {"Kovács, Éva", [&] { return d.szemelynev(id); }},
        {"Wavy X", [&] { return d.boundnev(id); }},
        {"Porphyric X", [&] { return d.fabricnev(id); }},
        {"XRF X", [&] { return d.metodnev(id); }},
        {"Hungary X", [&] { return d.orszagnev(9001); }},
        {"Lab of Stones", [&] { return d.labornev(id); }},
        {"Polarising microscope X", [&] { return d.meres_modnev(id); }},
        {"Clastic X", [&] { return d.fabtypenev(id); }},
        {"Budapest X", [&] { return d.varosnev(9001); }},
        {"kati", [&] { return d.usernev(id); }},
    };
    for (const auto& [want, lookup] : table) EXPECT_EQ(lookup(), QString::fromUtf8(want));
    // the time unit's name carries its enclosing units, as the server builds it
    const QString path = d.kornev(QStringLiteral("9002"));
    EXPECT_TRUE(path.contains(QStringLiteral("Era X")) && path.contains(QStringLiteral("Period Y"))) << path.toStdString();
    EXPECT_EQ(path, scalar(QStringLiteral("select szulok(9002)")));
}

TEST_F(Lookups, MissingRowsAndBadIdsGiveTheEmptyTextAndNothingUnsafeIsSent)
{
    core::Tdm& d = *dm;
    EXPECT_EQ(d.colornev(QStringLiteral("987654")), QString());
    EXPECT_EQ(d.orszagnev(0), QString());
    const long long before = d.conn().statementsSent();
    for (const char* bad : {"", "  ", "1 or 1=1", "1; delete from colort", "abc", "1.5", "0x10"}) {
        EXPECT_EQ(d.colornev(QString::fromLatin1(bad)), QString()) << bad;
        EXPECT_EQ(d.artnev(QString::fromLatin1(bad)), QString()) << bad;
        EXPECT_EQ(d.szemelynev(QString::fromLatin1(bad)), QString()) << bad;
        EXPECT_EQ(d.ralnev(QString::fromLatin1(bad)), QString()) << bad;
    }
    EXPECT_EQ(d.conn().statementsSent(), before) << "an id that is not a key sends no statement";
    EXPECT_NE(scalar(QStringLiteral("select count(*) from colort")), QStringLiteral("0"));
}
