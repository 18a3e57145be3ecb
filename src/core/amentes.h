#pragma once
// Tamentes ("Database backup"): writes the whole database as a plain-SQL dump
// into a file the user chooses, with pg_dump on the shared connection's server,
// database and account.

#include "db/connection.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class QLineEdit;
class QPushButton;

namespace core {

class Tamentes : public QDialog {
    Q_OBJECT
public:
    explicit Tamentes(QWidget* parent = nullptr);
    QLineEdit* fileField() const { return file_; }
    QPushButton* fileButton() const { return choose_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* closeButton() const { return close_; }

    // the save-file dialog: parent, current name, filter; the chosen name or ""
    using FileChooser = std::function<QString(QWidget*, const QString&, const QString&)>;
    static void setFileChooser(FileChooser chooser);  // empty: the real dialog
    static const QString fileFilter;  // "SQL file (.sql)|*.sql", as the dialog takes it

    // the dump program (found on the PATH unless a path is given)
    static void setDumpProgram(const QString& program);  // empty: "pg_dump"
    static QString dumpProgram();
    // pg_dump's arguments for the session's settings, writing to file; the
    // password goes through the environment, never the command line
    static QStringList dumpArguments(const db::ConnectSettings& s, const QString& file);

    // "File"
    void chooseFile();
    // "Start": true when the dump was written (the user is told either way)
    bool start();

private:
    QLineEdit* file_;
    QPushButton* choose_;
    QPushButton* start_;
    QPushButton* close_;
};

}  // namespace core
