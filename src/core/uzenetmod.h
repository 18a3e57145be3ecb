#pragma once
// The message window Tuzi: a notice ("Warning", "Ok") or a question
// ("Confirmation", "Yes"/"No"). Closing it by the title bar answers no.

#include "core/prompter.h"

#include <QDialog>

class QPushButton;
class QTextEdit;

namespace core {

class Tuzi : public QDialog {
    Q_OBJECT
public:
    explicit Tuzi(QWidget* parent = nullptr);

    void showNotice(const QString& text);
    bool askQuestion(const QString& text);

    // what is on show (for tests and tools)
    QString text() const;
    bool isQuestion() const { return question_; }
    QPushButton* leftButton() const { return left_; }
    QPushButton* rightButton() const { return right_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void prepare(const QString& text, bool question);

    QTextEdit* box_;
    QPushButton* left_;
    QPushButton* right_;
    bool question_ = false;
    bool answer_ = false;
};

// The prompter that shows the message window.
class TuziPrompter : public Prompter {
public:
    void notice(const QString& text) override;
    bool question(const QString& text) override;
    Tuzi* window();

private:
    Tuzi* window_ = nullptr;
};

}  // namespace core
