#include "core/amentes.h"

#include "core/datam.h"
#include "core/dialogbuttons.h"
#include "core/gradbtn.h"
#include "core/pwait_procf.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QVBoxLayout>

namespace core {
namespace {

Tamentes::FileChooser& chooser()
{
    static Tamentes::FileChooser c;
    return c;
}

QString& program()
{
    static QString p;
    return p;
}

QString realDialog(QWidget* parent, const QString& current, const QString& filter)
{
    // "description|pattern" as the dialog of Qt writes it: "description (pattern)"
    const QStringList parts = filter.split(QLatin1Char('|'));
    const QString qtFilter = parts.size() == 2 ? parts[0] + QStringLiteral(" (") + parts[1] + QLatin1Char(')') : filter;
    return QFileDialog::getSaveFileName(parent, QStringLiteral("File"), current, qtFilter);
}

struct Outcome {
    bool started = false;
    bool ok = false;
    QString text;  // what went wrong
};

Outcome runDump(const db::ConnectSettings& s, const QString& file)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PGPASSWORD"), s.password);
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(Tamentes::dumpProgram(), Tamentes::dumpArguments(s, file));
    Outcome out;
    if (!p.waitForStarted(10000)) {
        out.text = p.errorString();
        return out;
    }
    out.started = true;
    // a large collection takes a while: keep painting (the wait bar) meanwhile
    while (!p.waitForFinished(25)) {
        if (p.state() == QProcess::NotRunning) break;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    }
    out.ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    out.text = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
    if (!out.ok && out.text.isEmpty()) out.text = p.errorString();
    return out;
}

}  // namespace

const QString Tamentes::fileFilter = QStringLiteral("SQL file (.sql)|*.sql");

void Tamentes::setFileChooser(FileChooser c) { chooser() = std::move(c); }

void Tamentes::setDumpProgram(const QString& p) { program() = p; }

QString Tamentes::dumpProgram() { return program().isEmpty() ? QStringLiteral("pg_dump") : program(); }

QStringList Tamentes::dumpArguments(const db::ConnectSettings& s, const QString& file)
{
    QStringList a = {QStringLiteral("--format=plain"), QStringLiteral("--no-password"),
                     QStringLiteral("--file=") + file};
    if (!s.host.isEmpty()) a << QStringLiteral("--host=") + s.host;
    if (s.port != 0) a << QStringLiteral("--port=") + QString::number(s.port);
    a << QStringLiteral("--username=") + s.user << QStringLiteral("--dbname=") + s.database;
    return a;
}

Tamentes::Tamentes(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tamentes"));
    setWindowTitle(QStringLiteral("Database backup"));
    setAccessibleName(windowTitle());
    auto* label = new QLabel(QStringLiteral("File name:"), this);
    file_ = new QLineEdit(this);
    file_->setObjectName(QStringLiteral("Edit1"));
    file_->setAccessibleName(label->text());
    label->setBuddy(file_);
    choose_ = new GradBtn(QStringLiteral("File"), this);
    choose_->setObjectName(QStringLiteral("GradBtn1"));
    choose_->setMinimumWidth(90);
    choose_->setAutoDefault(false);
    const CloseButtons closing =
        closeButtons(this, QStringLiteral("Start"), EnterKey::PressesNone, QStringLiteral("Close"));
    start_ = closing.ok;
    start_->setObjectName(QStringLiteral("GradBtn2"));
    close_ = closing.cancel;
    close_->setObjectName(QStringLiteral("GradBtn3"));
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(file_, 1);
    row->addWidget(choose_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addStretch(1);
    layout->addLayout(buttonRow({start_, close_}));
    resize(520, 120);
    connect(choose_, &QPushButton::clicked, this, &Tamentes::chooseFile);
    connect(start_, &QPushButton::clicked, this, [this] { start(); });
}

void Tamentes::chooseFile()
{
    const FileChooser& c = chooser();
    const QString name = c ? c(this, file_->text(), fileFilter) : realDialog(this, file_->text(), fileFilter);
    if (name.isEmpty()) return;
    file_->setText(QFileInfo(name).suffix().isEmpty() ? name + QStringLiteral(".sql") : name);
}

bool Tamentes::start()
{
    Tdm& d = dm();
    const QString file = file_->text().trimmed();
    if (file.isEmpty()) {
        d.uzenet(QStringLiteral("Choose the file of the backup first!"));
        return false;
    }
    // into a side file first, so that a failed dump never spoils an earlier backup
    const QString part = file + QStringLiteral(".part");
    Outcome out;
    {
        ProcWait wait;
        out = runDump(d.conn().settings(), part);
    }
    if (!out.started) {
        d.uzenet(QStringLiteral("The backup program %1 cannot be started: %2").arg(dumpProgram(), out.text));
        return false;
    }
    if (!out.ok) {
        QFile::remove(part);
        d.uzenet(QStringLiteral("The backup has failed:\r") + out.text);
        return false;
    }
    if (QFile::exists(file) && !QFile::remove(file)) {
        d.uzenet(QStringLiteral("The backup could not replace the file %1; it has been written to %2.").arg(file, part));
        return false;
    }
    if (!QFile::rename(part, file)) {
        d.uzenet(QStringLiteral("The backup could not be renamed to %1; it has been written to %2.").arg(file, part));
        return false;
    }
    d.uzenet(QStringLiteral("The database has been saved to %1.").arg(file));
    return true;
}

}  // namespace core
