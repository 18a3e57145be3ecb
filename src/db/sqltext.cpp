#include "db/sqltext.h"

#include "db/error.h"

#include <QLocale>
#include <cmath>

namespace db {

QString quote(const QString& text)
{
    if (text.contains(QChar(0)))
        throw DbError(QStringLiteral("A text value holds a NUL character, which the database cannot store."),
                      QStringLiteral("22021"));
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('\'');
    for (QChar c : text) {
        if (c == QLatin1Char('\''))
            out += QLatin1Char('\'');
        out += c;
    }
    out += QLatin1Char('\'');
    return out;
}

static QString numberText(double d)
{
    if (std::isnan(d))
        return QStringLiteral("'NaN'::float8");
    if (std::isinf(d))
        return d > 0 ? QStringLiteral("'Infinity'::float8") : QStringLiteral("'-Infinity'::float8");
    QString s = QLocale::c().toString(d, 'g', QLocale::FloatingPointShortest);
    return d < 0 ? QLatin1Char('(') + s + QLatin1Char(')') : s;
}

QString literal(const Value& v)
{
    switch (v.kind()) {
    case Value::Kind::Null:
        return QStringLiteral("null");
    case Value::Kind::Text:
        return quote(v.text());
    case Value::Kind::Integer:
        return v.integer() < 0 ? QStringLiteral("(%1)").arg(v.integer()) : QString::number(v.integer());
    case Value::Kind::Real:
        return numberText(v.real());
    case Value::Kind::Boolean:
        return v.boolean() ? QStringLiteral("true") : QStringLiteral("false");
    case Value::Kind::Bytes:
        return QStringLiteral("'\\x") + QString::fromLatin1(v.byteArray().toHex()) + QStringLiteral("'::bytea");
    }
    return QStringLiteral("null");
}

static bool identStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
static bool identPart(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

QString bindParams(const QString& sql, const Params& params)
{
    if (!sql.contains(QLatin1Char(':')))
        return sql;
    QString out;
    out.reserve(sql.size() + 16);
    const int n = int(sql.size());
    int i = 0;
    while (i < n) {
        const QChar c = sql[i];
        const QChar next = i + 1 < n ? sql[i + 1] : QChar();
        if (c == QLatin1Char('\'')) {
            // string literal; E'...' strings also know backslash escapes
            const bool escapes = i > 0 && (sql[i - 1] == QLatin1Char('E') || sql[i - 1] == QLatin1Char('e'));
            int j = i + 1;
            while (j < n) {
                if (escapes && sql[j] == QLatin1Char('\\')) { j += 2; continue; }
                if (sql[j] == QLatin1Char('\'')) {
                    if (j + 1 < n && sql[j + 1] == QLatin1Char('\'')) { j += 2; continue; }
                    break;
                }
                ++j;
            }
            j = std::min(j + 1, n);
            out += QStringView(sql).mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char('"')) {
            int j = sql.indexOf(QLatin1Char('"'), i + 1);
            j = j < 0 ? n : j + 1;
            out += QStringView(sql).mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char('-') && next == QLatin1Char('-')) {
            int j = sql.indexOf(QLatin1Char('\n'), i);
            j = j < 0 ? n : j;
            out += QStringView(sql).mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            int depth = 1, j = i + 2;
            while (j < n && depth > 0) {
                if (sql[j] == QLatin1Char('/') && j + 1 < n && sql[j + 1] == QLatin1Char('*')) { ++depth; j += 2; }
                else if (sql[j] == QLatin1Char('*') && j + 1 < n && sql[j + 1] == QLatin1Char('/')) { --depth; j += 2; }
                else ++j;
            }
            out += QStringView(sql).mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char('$') && (i == 0 || !identPart(sql[i - 1]))) {
            // dollar quote $tag$...$tag$ (a lone $1 is a positional reference, left alone)
            int j = i + 1;
            while (j < n && identPart(sql[j]) && !sql[j].isDigit()) ++j;
            if (j < n && sql[j] == QLatin1Char('$')) {
                const QString tag = sql.mid(i, j - i + 1);
                int end = sql.indexOf(tag, j + 1);
                end = end < 0 ? n : end + int(tag.size());
                out += QStringView(sql).mid(i, end - i);
                i = end;
            } else {
                out += c;
                ++i;
            }
        } else if (c == QLatin1Char(':')) {
            if (next == QLatin1Char(':')) {  // a cast
                out += QStringLiteral("::");
                i += 2;
                continue;
            }
            if (!identStart(next) || (i > 0 && sql[i - 1] == QLatin1Char(':'))) {
                out += c;
                ++i;
                continue;
            }
            int j = i + 1;
            while (j < n && identPart(sql[j])) ++j;
            const QString name = sql.mid(i + 1, j - i - 1);
            const Value* found = nullptr;
            for (const auto& p : params) {
                if (p.first.compare(name, Qt::CaseInsensitive) == 0) { found = &p.second; break; }
            }
            if (!found)
                throw DbError(QStringLiteral("The statement's parameter :%1 has no value.").arg(name),
                              QStringLiteral("42P02"));
            out += literal(*found);
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

bool isPlainInteger(const QString& text)
{
    if (text.isEmpty() || text.size() > 11)
        return false;
    bool ok = false;
    text.toInt(&ok, 10);
    if (!ok)
        return false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) continue;
        if (i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+')) && text.size() > 1) continue;
        return false;
    }
    return true;
}

QString sqlKey(const QString& id)
{
    const QString t = id.trimmed();
    if (!isPlainInteger(t)) throw DbError(QStringLiteral("'%1' is not a valid integer value").arg(id), QStringLiteral("22P02"));
    return t;
}

QString keyOrNull(const QString& id)
{
    return id.trimmed().isEmpty() ? QStringLiteral("null") : sqlKey(id);
}

}  // namespace db
