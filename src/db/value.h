#pragma once
// A typed statement parameter: text, integer, real, bytes, boolean or null.

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace db {

class Value {
public:
    enum class Kind { Null, Text, Integer, Real, Bytes, Boolean };

    Value() = default;  // null
    Value(const QString& s) : kind_(Kind::Text), text_(s) {}
    Value(const char* s) : kind_(Kind::Text), text_(QString::fromUtf8(s)) {}
    Value(int i) : kind_(Kind::Integer), int_(i) {}
    Value(qint64 i) : kind_(Kind::Integer), int_(i) {}
    Value(double d) : kind_(Kind::Real), real_(d) {}
    Value(bool b) : kind_(Kind::Boolean), int_(b ? 1 : 0) {}

    static Value null() { return {}; }
    static Value bytes(const QByteArray& b) { Value v; v.kind_ = Kind::Bytes; v.bytes_ = b; return v; }

    Kind kind() const { return kind_; }
    bool isNull() const { return kind_ == Kind::Null; }
    const QString& text() const { return text_; }
    qint64 integer() const { return int_; }
    double real() const { return real_; }
    const QByteArray& byteArray() const { return bytes_; }
    bool boolean() const { return int_ != 0; }

private:
    Kind kind_ = Kind::Null;
    QString text_;
    qint64 int_ = 0;
    double real_ = 0;
    QByteArray bytes_;
};

// Named parameters of a statement, written ":name" in its text.
using Params = std::vector<std::pair<QString, Value>>;

}  // namespace db
