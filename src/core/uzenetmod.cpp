#include "core/uzenetmod.h"

#include "core/forms.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace core {

Tuzi::Tuzi(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tuzi"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    box_ = new QTextEdit(this);
    box_->setReadOnly(true);
    box_->setFrameShape(QFrame::StyledPanel);
    box_->setObjectName(QStringLiteral("RichEdit1"));
    left_ = new QPushButton(this);
    right_ = new QPushButton(QStringLiteral("No"), this);
    left_->setDefault(true);
    left_->setMinimumWidth(90);
    right_->setMinimumWidth(90);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(left_);
    buttons->addWidget(right_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box_, 1);
    layout->addLayout(buttons);
    setFixedSize(420, 200);
    connect(left_, &QPushButton::clicked, this, [this] { answer_ = true; accept(); });
    connect(right_, &QPushButton::clicked, this, [this] { answer_ = false; reject(); });
}

void Tuzi::prepare(const QString& text, bool question)
{
    question_ = question;
    answer_ = false;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box_->setPlainText(shown);
    setWindowTitle(question ? QStringLiteral("Confirmation") : QStringLiteral("Warning"));
    setAccessibleName(windowTitle());
    left_->setText(question ? QStringLiteral("Yes") : QStringLiteral("Ok"));
    left_->setAccessibleName(left_->text());
    right_->setAccessibleName(right_->text());
    right_->setVisible(question);
}

QString Tuzi::text() const { return box_->toPlainText(); }

void Tuzi::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
    left_->setFocus();
}

void Tuzi::showNotice(const QString& text)
{
    prepare(text, false);
    exec();
}

bool Tuzi::askQuestion(const QString& text)
{
    prepare(text, true);
    exec();
    return answer_;
}

Tuzi* TuziPrompter::window()
{
    if (!window_) window_ = Forms::ensure<Tuzi>(QStringLiteral("Tuzi"));
    return window_;
}

void TuziPrompter::notice(const QString& text) { window()->showNotice(text); }
bool TuziPrompter::question(const QString& text) { return window()->askQuestion(text); }

}  // namespace core
