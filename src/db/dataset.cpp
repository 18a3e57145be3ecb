#include "db/dataset.h"

#include "db/error.h"
#include "db/filter.h"

#include <algorithm>
#include <numeric>

namespace db {
namespace {

class MemoryStore : public RowStore {
public:
    QStringList names;
    std::vector<ColumnType> types;
    std::vector<std::vector<QByteArray>> cells;
    std::vector<std::vector<bool>> nulls;

    int rows() const override { return int(cells.size()); }
    int columns() const override { return int(names.size()); }
    QString columnName(int c) const override { return names[c]; }
    ColumnType columnType(int c) const override { return types[size_t(c)]; }
    bool isNull(int r, int c) const override { return nulls[size_t(r)][size_t(c)]; }
    QByteArray raw(int r, int c) const override { return cells[size_t(r)][size_t(c)]; }
    const char* rawData(int r, int c, int* len) const override
    {
        const QByteArray& b = cells[size_t(r)][size_t(c)];
        *len = int(b.size());
        return b.constData();
    }
};

ColumnType guessType(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int: case QMetaType::LongLong: case QMetaType::UInt: case QMetaType::ULongLong:
        return ColumnType::Integer;
    case QMetaType::Double: case QMetaType::Float:
        return ColumnType::Real;
    case QMetaType::Bool: return ColumnType::Boolean;
    case QMetaType::QDate: return ColumnType::Date;
    case QMetaType::QDateTime: return ColumnType::Timestamp;
    case QMetaType::QByteArray: return ColumnType::Bytes;
    default: return ColumnType::Text;
    }
}

QByteArray rawOf(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::Bool: return v.toBool() ? "t" : "f";
    case QMetaType::QDate: return v.toDate().toString(Qt::ISODate).toUtf8();
    case QMetaType::QDateTime: return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toUtf8();
    case QMetaType::Double: return QByteArray::number(v.toDouble(), 'g', 17);
    case QMetaType::QByteArray: return "\\x" + v.toByteArray().toHex();
    default: return v.toString().toUtf8();
    }
}

QByteArray decodeBytea(const char* d, int len)
{
    if (len >= 2 && d[0] == '\\' && d[1] == 'x')
        return QByteArray::fromHex(QByteArray::fromRawData(d + 2, len - 2));
    // old escape format: backslash octal escapes and doubled backslashes
    QByteArray out;
    out.reserve(len);
    for (int i = 0; i < len; ++i) {
        if (d[i] == '\\' && i + 1 < len && d[i + 1] == '\\') { out += '\\'; ++i; }
        else if (d[i] == '\\' && i + 3 < len) {
            out += char(((d[i + 1] - '0') << 6) | ((d[i + 2] - '0') << 3) | (d[i + 3] - '0'));
            i += 3;
        } else out += d[i];
    }
    return out;
}

// The order of the title-click sort: letter case and accents do not decide
// ("Ábrahám" stands with "abraham", before "Béla"), the same on every machine.
QString sortKey(const char* d, int len)
{
    bool ascii = true;
    for (int i = 0; i < len; ++i)
        if (static_cast<unsigned char>(d[i]) >= 0x80) { ascii = false; break; }
    if (ascii) return QString::fromLatin1(d, len).toLower();
    const QString decomposed = QString::fromUtf8(d, len).normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing) out += c.toLower();
    return out;
}

}  // namespace

// ---- Row -----------------------------------------------------------------

bool Row::isNull(const QString& f) const { return ds_->isNull(row_, f); }
QString Row::text(const QString& f) const { return ds_->text(row_, f); }
QVariant Row::value(const QString& f) const { return ds_->value(row_, f); }
QByteArray Row::bytes(const QString& f) const { return ds_->bytes(row_, f); }
int Row::toInt(const QString& f, int fallback) const
{
    bool ok = false;
    const int v = ds_->text(row_, f).trimmed().toInt(&ok);
    return ok ? v : fallback;
}
double Row::toDouble(const QString& f, double fallback) const
{
    bool ok = false;
    const double v = ds_->text(row_, f).trimmed().toDouble(&ok);
    return ok ? v : fallback;
}

// ---- Dataset ---------------------------------------------------------------

Dataset::Dataset() = default;

Dataset::Dataset(std::shared_ptr<const RowStore> store) : store_(std::move(store))
{
    order_.resize(size_t(store_ ? store_->rows() : 0));
    std::iota(order_.begin(), order_.end(), 0);
    visible_ = order_;
}

Dataset Dataset::fromRows(const QStringList& columns, const std::vector<QVariantList>& rows,
                          const std::vector<ColumnType>& types)
{
    auto store = std::make_shared<MemoryStore>();
    store->names = columns;
    store->types = types;
    if (store->types.size() < size_t(columns.size())) {
        for (qsizetype c = qsizetype(store->types.size()); c < columns.size(); ++c) {
            ColumnType t = ColumnType::Text;
            for (const auto& r : rows)
                if (c < r.size() && !r[c].isNull()) { t = guessType(r[c]); break; }
            store->types.push_back(t);
        }
    }
    for (const auto& r : rows) {
        std::vector<QByteArray> cells;
        std::vector<bool> nulls;
        for (qsizetype c = 0; c < columns.size(); ++c) {
            const QVariant v = c < r.size() ? r[c] : QVariant();
            nulls.push_back(v.isNull());
            cells.push_back(v.isNull() ? QByteArray() : rawOf(v));
        }
        store->cells.push_back(std::move(cells));
        store->nulls.push_back(std::move(nulls));
    }
    return Dataset(std::move(store));
}

int Dataset::totalRowCount() const { return store_ ? store_->rows() : 0; }
int Dataset::columnCount() const { return store_ ? store_->columns() : 0; }
QString Dataset::columnName(int c) const { return store_->columnName(c); }
ColumnType Dataset::columnType(int c) const { return store_->columnType(c); }

QStringList Dataset::columnNames() const
{
    QStringList out;
    for (int c = 0; c < columnCount(); ++c) out << columnName(c);
    return out;
}

int Dataset::columnIndex(const QString& name) const
{
    if (!store_) return -1;
    for (int c = 0; c < store_->columns(); ++c)
        if (store_->columnName(c).compare(name, Qt::CaseInsensitive) == 0) return c;
    return -1;
}

int Dataset::need(const QString& field) const
{
    const int c = columnIndex(field);
    if (c < 0) throw DbError(QStringLiteral("Field '%1' not found").arg(field));
    return c;
}

bool Dataset::isNull(int row, int col) const { return store_->isNull(sourceRow(row), col); }

QString Dataset::text(int row, int col) const
{
    const int r = sourceRow(row);
    if (store_->isNull(r, col)) return {};
    int len = 0;
    const char* d = store_->rawData(r, col, &len);
    switch (store_->columnType(col)) {
    case ColumnType::Date:
        if (len == 10 && d[4] == '-' && d[7] == '-') {
            QByteArray b(d, len);
            b[4] = '.';
            b[7] = '.';
            return QString::fromLatin1(b);
        }
        break;
    case ColumnType::Timestamp:
        if (len >= 19 && d[4] == '-' && d[7] == '-') {
            QByteArray b(d, 19);
            b[4] = '.';
            b[7] = '.';
            return QString::fromLatin1(b);
        }
        break;
    case ColumnType::Boolean:
        return (len > 0 && d[0] == 't') ? QStringLiteral("True") : QStringLiteral("False");
    default:
        break;
    }
    return QString::fromUtf8(d, len);
}

QVariant Dataset::value(int row, int col) const
{
    const int r = sourceRow(row);
    if (store_->isNull(r, col)) return {};
    int len = 0;
    const char* d = store_->rawData(r, col, &len);
    const QByteArray b = QByteArray::fromRawData(d, len);
    switch (store_->columnType(col)) {
    case ColumnType::Integer: return b.toLongLong();
    case ColumnType::Real:
    case ColumnType::Numeric: return b.toDouble();
    case ColumnType::Boolean: return len > 0 && d[0] == 't';
    case ColumnType::Date: return QDate::fromString(QString::fromLatin1(d, len), Qt::ISODate);
    case ColumnType::Timestamp: return QDateTime::fromString(QString::fromLatin1(d, std::min(len, 19)), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    case ColumnType::Bytes: return decodeBytea(d, len);
    default: return QString::fromUtf8(d, len);
    }
}

QByteArray Dataset::bytes(int row, int col) const
{
    const int r = sourceRow(row);
    if (store_->isNull(r, col)) return {};
    int len = 0;
    const char* d = store_->rawData(r, col, &len);
    if (store_->columnType(col) == ColumnType::Bytes) return decodeBytea(d, len);
    return QByteArray(d, len);
}

int Dataset::locate(const QString& field, const QVariant& value) const
{
    const int col = need(field);
    const ColumnType t = columnType(col);
    const bool numeric = t == ColumnType::Integer || t == ColumnType::Real || t == ColumnType::Numeric;
    bool ok = false;
    const double want = numeric ? value.toString().trimmed().toDouble(&ok) : 0;
    const QString wantText = value.toString();
    for (int row = 0; row < rowCount(); ++row) {
        if (isNull(row, col)) {
            if (value.isNull()) return row;
            continue;
        }
        if (numeric && ok) {
            if (this->value(row, col).toDouble() == want) return row;
        } else if (text(row, col) == wantText) {
            return row;
        }
    }
    return -1;
}

void Dataset::sortBy(const QString& field)
{
    sortField_ = field;
    order_.resize(size_t(totalRowCount()));
    std::iota(order_.begin(), order_.end(), 0);
    if (!field.isEmpty() && store_) {
        const int col = need(field);
        const int n = store_->rows();
        const ColumnType t = store_->columnType(col);
        std::vector<char> nulls(static_cast<size_t>(n));
        for (int r = 0; r < n; ++r) nulls[size_t(r)] = store_->isNull(r, col);
        auto nullsFirst = [&](int a, int b, auto&& less) {
            if (nulls[size_t(a)] || nulls[size_t(b)]) return nulls[size_t(a)] && !nulls[size_t(b)];
            return less(a, b);
        };
        if (t == ColumnType::Integer || t == ColumnType::Real || t == ColumnType::Numeric) {
            std::vector<double> keys(static_cast<size_t>(n));
            for (int r = 0; r < n; ++r) {
                if (nulls[size_t(r)]) continue;
                int len = 0;
                const char* d = store_->rawData(r, col, &len);
                keys[size_t(r)] = QByteArray::fromRawData(d, len).toDouble();
            }
            std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
                return nullsFirst(a, b, [&](int x, int y) { return keys[size_t(x)] < keys[size_t(y)]; });
            });
        } else if (t == ColumnType::Text || t == ColumnType::Other) {
            std::vector<QString> keys(static_cast<size_t>(n));
            for (int r = 0; r < n; ++r) {
                int len = 0;
                const char* d = store_->rawData(r, col, &len);
                keys[size_t(r)] = sortKey(d, len);
            }
            std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
                return nullsFirst(a, b, [&](int x, int y) { return keys[size_t(x)] < keys[size_t(y)]; });
            });
        } else {
            // dates, times (ISO text sorts in time order), booleans (f before t), bytes
            std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
                return nullsFirst(a, b, [&](int x, int y) {
                    int lx = 0, ly = 0;
                    const char* dx = store_->rawData(x, col, &lx);
                    const char* dy = store_->rawData(y, col, &ly);
                    return QByteArray::fromRawData(dx, lx) < QByteArray::fromRawData(dy, ly);
                });
            });
        }
    }
    rebuildVisible();
}

void Dataset::setFilter(const QString& expression)
{
    filterText_ = expression;
    if (expression.trimmed().isEmpty() || !store_)
        predicate_ = nullptr;
    else
        predicate_ = compileFilter(expression, *store_);
    rebuildVisible();
}

void Dataset::setFiltered(bool on)
{
    filtered_ = on;
    rebuildVisible();
}

void Dataset::rebuildVisible()
{
    if (!filtered_ || !predicate_) {
        visible_ = order_;
        return;
    }
    visible_.clear();
    for (int r : order_)
        if (predicate_(r)) visible_.push_back(r);
}

}  // namespace db
