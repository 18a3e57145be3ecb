#include "core/inifile.h"

#include <QFile>

namespace core {

static QString keyOf(const QString& section, const QString& key)
{
    return section.trimmed().toLower() + QLatin1Char('\n') + key.trimmed().toLower();
}

bool IniFile::load(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = f.readAll();
    // settings files are usually plain ASCII; accept UTF-8 and fall back to Latin-1
    QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter)) text = QString::fromLatin1(bytes);
    parse(text);
    return true;
}

void IniFile::parse(const QString& text)
{
    values_.clear();
    QString section;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.startsWith(QChar(0xFEFF))) line.remove(0, 1);
        const QString t = line.trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#'))) continue;
        if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'))) {
            section = t.mid(1, t.size() - 2);
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0) continue;
        const QString k = keyOf(section, line.left(eq));
        // as Windows does, blanks around the value are not part of it; the first occurrence wins
        if (!values_.contains(k)) values_.insert(k, line.mid(eq + 1).trimmed());
    }
}

bool IniFile::hasKey(const QString& section, const QString& key) const
{
    return values_.contains(keyOf(section, key));
}

QString IniFile::readString(const QString& section, const QString& key, const QString& fallback) const
{
    return values_.value(keyOf(section, key), fallback);
}

int IniFile::readInteger(const QString& section, const QString& key, int fallback) const
{
    const QString v = readString(section, key).trimmed();
    bool ok = false;
    int n = v.toInt(&ok, 10);
    if (!ok && v.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) n = v.mid(2).toInt(&ok, 16);
    return ok ? n : fallback;
}

}  // namespace core
