#include "db/filter.h"

#include "db/error.h"

#include <QVariant>
#include <memory>

namespace db {
namespace {

enum class Tok { Ident, Number, String, Op, LParen, RParen, End };

struct Token {
    Tok kind;
    QString text;
};

std::vector<Token> tokenize(const QString& s)
{
    std::vector<Token> out;
    int i = 0;
    const int n = int(s.size());
    auto fail = [&](const QString& why) {
        throw DbError(QStringLiteral("Filter expression \"%1\": %2").arg(s, why));
    };
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) { ++i; continue; }
        if (c == QLatin1Char('(')) { out.push_back({Tok::LParen, QStringLiteral("(")}); ++i; continue; }
        if (c == QLatin1Char(')')) { out.push_back({Tok::RParen, QStringLiteral(")")}); ++i; continue; }
        if (c == QLatin1Char('\'')) {
            QString v;
            int j = i + 1;
            for (;;) {
                if (j >= n) fail(QStringLiteral("unterminated text"));
                if (s[j] == QLatin1Char('\'')) {
                    if (j + 1 < n && s[j + 1] == QLatin1Char('\'')) { v += QLatin1Char('\''); j += 2; continue; }
                    break;
                }
                v += s[j++];
            }
            out.push_back({Tok::String, v});
            i = j + 1;
            continue;
        }
        if (c.isDigit() || ((c == QLatin1Char('-') || c == QLatin1Char('.')) && i + 1 < n && (s[i + 1].isDigit() || s[i + 1] == QLatin1Char('.')))) {
            int j = i + 1;
            while (j < n && (s[j].isDigit() || s[j] == QLatin1Char('.') || s[j] == QLatin1Char('e') || s[j] == QLatin1Char('E')
                             || ((s[j] == QLatin1Char('-') || s[j] == QLatin1Char('+')) && (s[j - 1] == QLatin1Char('e') || s[j - 1] == QLatin1Char('E')))))
                ++j;
            out.push_back({Tok::Number, s.mid(i, j - i)});
            i = j;
            continue;
        }
        if (c.isLetter() || c == QLatin1Char('_')) {
            int j = i + 1;
            while (j < n && (s[j].isLetterOrNumber() || s[j] == QLatin1Char('_') || s[j] == QLatin1Char('.'))) ++j;
            out.push_back({Tok::Ident, s.mid(i, j - i)});
            i = j;
            continue;
        }
        if (c == QLatin1Char('[')) {  // [field name]
            int j = s.indexOf(QLatin1Char(']'), i);
            if (j < 0) fail(QStringLiteral("unterminated field name"));
            out.push_back({Tok::Ident, s.mid(i + 1, j - i - 1)});
            i = j + 1;
            continue;
        }
        static const char* ops[] = {"<>", "!=", "<=", ">=", "=", "<", ">"};
        bool matched = false;
        for (const char* op : ops) {
            const QLatin1String o(op);
            if (QStringView(s).mid(i).startsWith(o)) {
                out.push_back({Tok::Op, QString(o)});
                i += int(o.size());
                matched = true;
                break;
            }
        }
        if (!matched) fail(QStringLiteral("unexpected character '%1'").arg(c));
    }
    out.push_back({Tok::End, {}});
    return out;
}

using Pred = std::function<bool(int)>;

class Parser {
public:
    Parser(const QString& text, const RowStore& store) : text_(text), store_(store), toks_(tokenize(text)) {}

    Pred parse()
    {
        Pred p = expr();
        if (peek().kind != Tok::End) fail(QStringLiteral("unexpected \"%1\"").arg(peek().text));
        return p;
    }

private:
    const Token& peek() const { return toks_[pos_]; }
    bool keyword(const char* kw) const
    {
        return peek().kind == Tok::Ident && peek().text.compare(QLatin1String(kw), Qt::CaseInsensitive) == 0;
    }
    [[noreturn]] void fail(const QString& why) const
    {
        throw DbError(QStringLiteral("Filter expression \"%1\": %2").arg(text_, why));
    }

    Pred expr()
    {
        Pred left = term();
        while (keyword("or")) {
            ++pos_;
            Pred right = term();
            left = [l = std::move(left), r = std::move(right)](int row) { return l(row) || r(row); };
        }
        return left;
    }
    Pred term()
    {
        Pred left = factor();
        while (keyword("and")) {
            ++pos_;
            Pred right = factor();
            left = [l = std::move(left), r = std::move(right)](int row) { return l(row) && r(row); };
        }
        return left;
    }
    Pred factor()
    {
        if (keyword("not")) {
            ++pos_;
            Pred inner = factor();
            return [i = std::move(inner)](int row) { return !i(row); };
        }
        if (peek().kind == Tok::LParen) {
            ++pos_;
            Pred inner = expr();
            if (peek().kind != Tok::RParen) fail(QStringLiteral("missing )"));
            ++pos_;
            return inner;
        }
        if (peek().kind != Tok::Ident) fail(QStringLiteral("a field name expected"));
        const QString field = peek().text;
        ++pos_;
        int col = -1;
        for (int c = 0; c < store_.columns(); ++c)
            if (store_.columnName(c).compare(field, Qt::CaseInsensitive) == 0) { col = c; break; }
        if (col < 0) fail(QStringLiteral("field '%1' not found").arg(field));
        if (peek().kind != Tok::Op) fail(QStringLiteral("a comparison expected after %1").arg(field));
        const QString op = peek().text;
        ++pos_;
        const Token operand = peek();
        ++pos_;
        const RowStore* store = &store_;
        if (operand.kind == Tok::Ident && operand.text.compare(QLatin1String("null"), Qt::CaseInsensitive) == 0) {
            const bool wantNull = op == QLatin1String("=");
            if (op != QLatin1String("=") && op != QLatin1String("<>") && op != QLatin1String("!="))
                fail(QStringLiteral("null compares only with = or <>"));
            return [store, col, wantNull](int row) { return store->isNull(row, col) == wantNull; };
        }
        int cmpKind;  // which results of compare() make the comparison true
        if (op == QLatin1String("=")) cmpKind = 0;
        else if (op == QLatin1String("<>") || op == QLatin1String("!=")) cmpKind = 1;
        else if (op == QLatin1String("<")) cmpKind = 2;
        else if (op == QLatin1String(">")) cmpKind = 3;
        else if (op == QLatin1String("<=")) cmpKind = 4;
        else cmpKind = 5;
        auto holds = [cmpKind](int c) {
            switch (cmpKind) {
            case 0: return c == 0;
            case 1: return c != 0;
            case 2: return c < 0;
            case 3: return c > 0;
            case 4: return c <= 0;
            default: return c >= 0;
            }
        };
        if (operand.kind == Tok::Number) {
            bool ok = false;
            const double want = operand.text.toDouble(&ok);
            if (!ok) fail(QStringLiteral("bad number %1").arg(operand.text));
            return [store, col, want, holds](int row) {
                if (store->isNull(row, col)) return false;
                int len = 0;
                const char* d = store->rawData(row, col, &len);
                bool ok2 = false;
                const double have = QByteArray::fromRawData(d, len).toDouble(&ok2);
                if (!ok2) return false;
                return holds(have < want ? -1 : (have > want ? 1 : 0));
            };
        }
        if (operand.kind == Tok::String) {
            const QByteArray want = operand.text.toUtf8();
            return [store, col, want, holds](int row) {
                if (store->isNull(row, col)) return false;
                int len = 0;
                const char* d = store->rawData(row, col, &len);
                const int c = QByteArray::fromRawData(d, len).compare(want);
                return holds(c < 0 ? -1 : (c > 0 ? 1 : 0));
            };
        }
        fail(QStringLiteral("a number or a quoted text expected after %1%2").arg(field, op));
    }

    QString text_;
    const RowStore& store_;
    std::vector<Token> toks_;
    size_t pos_ = 0;
};

}  // namespace

std::function<bool(int)> compileFilter(const QString& expression, const RowStore& store)
{
    return Parser(expression, store).parse();
}

}  // namespace db
