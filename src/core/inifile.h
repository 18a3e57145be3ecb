#pragma once
// A reader for Windows INI text files: "[Section]" headers and "key=value" lines.
// Section and key names match without regard to letter case; values are taken as
// written apart from surrounding blanks. Lines starting with ';' or '#' are
// comments.

#include <QHash>
#include <QString>

namespace core {

class IniFile {
public:
    // false when the file cannot be read
    bool load(const QString& path);
    void parse(const QString& text);

    bool hasKey(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key, const QString& fallback = {}) const;
    // an absent key, or a value that is not a whole number, gives the fallback
    int readInteger(const QString& section, const QString& key, int fallback = 0) const;

private:
    QHash<QString, QString> values_;  // "section\nkey" in lower case -> value
};

}  // namespace core
