#include "core/dates.h"

#include <QDateEdit>
#include <QLocale>
#include <QRegularExpression>

namespace core {

QString formatDate(const QDate& d) { return d.isValid() ? d.toString(dateFormat) : QString(); }

QString formatDateTime(const QDateTime& t) { return t.isValid() ? t.toString(dateTimeFormat) : QString(); }

QDate parseDate(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{4})[.\\-](\\d{1,2})[.\\-](\\d{1,2})\\.?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch()) return {};
    return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
}

void setupDateEdit(QDateEdit* edit)
{
    edit->setDisplayFormat(dateFormat);
    edit->setCalendarPopup(true);
    edit->setLocale(QLocale::c());
}

QString formatNumber(double v)
{
    QString s = QLocale::c().toString(v, 'f', QLocale::FloatingPointShortest);
    if (s == QLatin1String("-0")) s = QStringLiteral("0");
    return s;
}

double parseNumber(const QString& text, bool* ok)
{
    const QString t = text.trimmed();
    bool good = false;
    double v = 0;
    // digits, one optional sign and one optional full stop; no exponent, no grouping
    static const QRegularExpression re(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    if (re.match(t).hasMatch()) v = QLocale::c().toDouble(t, &good);
    if (ok) *ok = good;
    return good ? v : 0;
}

}  // namespace core
