#include "support/samplerows.h"

#include <QStringList>

namespace testing_support {

void addSampleRows(const QString& s, const RunSql& sql)
{
    const QString m331 = sql(QStringLiteral("insert into meresek (id, tipus, mit_mer, labor_kod) values (%1, 331, 1, 0) returning meres_id").arg(s));
    const QString m335 = sql(QStringLiteral("insert into meresek (id, tipus) values (%1, 335) returning meres_id").arg(s));
    const QString person = sql(QStringLiteral("insert into szemelyt (lastname, firstname, orszag_kod, varos_kod) values ('Kis', 'Éva', 0, 0) returning nev_kod"));
    const QString lit = sql(QStringLiteral("insert into litt (fajta, title, mnemonic) values (3, 'A report', 'Kis 2001') returning lit_id"));
    const QString alk = sql(QStringLiteral("insert into alk_met (sample_id, met_id) values (%1, 1) returning alkmet_id").arg(s));
    for (const QString& r : QStringList{
             QStringLiteral("insert into meres_nev values (%1, %2)").arg(m331, person),
             QStringLiteral("insert into meres_sampl_cl (meres_id, sample_id) values (%1, %2)").arg(m335, s),
             QStringLiteral("insert into alkmet_nev values (%1, %2)").arg(alk, person),
             QStringLiteral("insert into met_elem (alkmet_id, elem_kod, sample_id, ertek) values (%1, 14, %2, 51.2)").arg(alk, s),
             QStringLiteral("insert into samp_miner (sample_id, jarulek_kod, ertek, meres_id) values (%1, 1, '++', %2)").arg(s, m331),
             QStringLiteral("insert into samp_miner_mac (sample_id, jarulek_kod, ertek, meres_id) values (%1, 1, '+', %2)").arg(s, m331),
             QStringLiteral("insert into samp_cl (sample_id, jarulek_kod, meres_id) values (%1, 1, %2)").arg(s, m335),
             QStringLiteral("insert into phisical_prop (sample_id, density) values (%1, 2.65)").arg(s),
             QStringLiteral("insert into esrt (sample_id, gain) values (%1, 1)").arg(s),
             QStringLiteral("insert into faqta (sample_id, n100) values (%1, 1)").arg(s),
             QStringLiteral("insert into samp_konz values (%1, 1)").arg(s),
             QStringLiteral("insert into mint_lit (sample_id, lit_id, type) values (%1, %2, 1)").arg(s, lit),
             QStringLiteral("insert into mint_lit (sample_id, lit_id, type, meres_id) values (%1, %2, 4, %3)").arg(s, lit, m331),
             QStringLiteral("insert into kepekt (kep, sample_id, kepnev, csoport, meres_id) values ('\\xffd8', %1, 'p', 2, %2)").arg(s, m331),
         })
        sql(r);
}

}  // namespace testing_support
