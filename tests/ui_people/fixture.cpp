#include "fixture.h"

#include "db/sqltext.h"
#include "reference/forms_reference.h"

namespace peopletest {

using db::quote;

void PeopleWindows::SetUp()
{
    DbTest::SetUp();
    loginAs(QStringLiteral("admin"));
    reference::createForms();
}

void PeopleWindows::TearDown()
{
    reference::destroyForms();
    DbTest::TearDown();
}

static QString userId(const QString& name)
{
    return QStringLiteral("(select user_id from users where user_name=%1)").arg(quote(name));
}

QString PeopleWindows::person(const QString& last, const QString& first, const QString& creator, const QString& scope)
{
    return scalar(QStringLiteral("insert into szemelyt (nem,firstname,lastname,munkakor,orszag_kod,varos_kod,letre_user,"
                                 "letre_dat) values ('Mr.',%1,%2,%3,0,0,%4,now()) returning nev_kod")
                      .arg(quote(first), quote(last), quote(scope), userId(creator)));
}

QString PeopleWindows::institution(const QString& name, const QString& creator)
{
    return scalar(QStringLiteral("insert into labort (labor_nev,orszag_kod,varos_kod,letre_user,letre_dat) "
                                 "values (%1,0,0,%2,now()) returning labor_kod")
                      .arg(quote(name), userId(creator)));
}

QString PeopleWindows::locality(const QString& name, const QString& upward, const QString& continent,
                                const QString& creator)
{
    const QString kont = continent.isEmpty()
                             ? QStringLiteral("null")
                             : QStringLiteral("(select kont_kod from kontinentt where kont_name=%1)").arg(quote(continent));
    return scalar(QStringLiteral("insert into localityt (loc_name,region,kont_kod,upward,letre_user,letre_dat) "
                                 "values (%1,'unit',%2,%3,%4,now()) returning locality_id")
                      .arg(quote(name), kont, upward.isEmpty() ? QStringLiteral("null") : upward, userId(creator)));
}

QString PeopleWindows::countryId(const QString& name)
{
    return scalar(QStringLiteral("select orszag_kod from orszagt where orszag_nev=%1").arg(quote(name)));
}

QString PeopleWindows::cityId(const QString& name)
{
    const QString have = scalar(QStringLiteral("select varos_kod from varost where varos_nev=%1").arg(quote(name)));
    if (!have.isEmpty()) return have;
    return scalar(QStringLiteral("insert into varost (varos_nev) values (%1) returning varos_kod").arg(quote(name)));
}

QString PeopleWindows::rowOf(const QString& sql)
{
    const db::Dataset d = admin().open(sql);
    if (d.isEmpty()) return QStringLiteral("<none>");
    QStringList out;
    for (int c = 0; c < d.columnCount(); ++c)
        out << d.columnName(c) + QLatin1Char('=') + (d.isNull(0, c) ? QStringLiteral("null") : d.text(0, c));
    return out.join(QLatin1Char(' '));
}

}  // namespace peopletest
