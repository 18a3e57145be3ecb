#pragma once
// The program's date and number texts: dates "yyyy.MM.dd" (as shown, typed and
// sent to the server), decimals with "." whatever the user's locale.

#include <QDate>
#include <QDateTime>
#include <QString>

class QDateEdit;

namespace core {

inline const QString dateFormat = QStringLiteral("yyyy.MM.dd");
inline const QString dateTimeFormat = QStringLiteral("yyyy.MM.dd hh:mm:ss");

QString formatDate(const QDate& d);
QString formatDateTime(const QDateTime& t);
// "yyyy.MM.dd" (also "yyyy-MM-dd" and single-digit month/day); an invalid date otherwise
QDate parseDate(const QString& text);

// a date picker that shows and takes "yyyy.MM.dd", with a drop-down calendar
void setupDateEdit(QDateEdit* edit);

// a number as the statements carry it: "." decimals, shortest form, no exponent
QString formatNumber(double v);
// a typed number with "." decimals (blanks around allowed); ok=false when it is none
double parseNumber(const QString& text, bool* ok);

}  // namespace core
