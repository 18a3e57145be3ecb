#pragma once
// Scripted user for window tests: a prompter that records every notice and
// question and answers from a prepared list, and a modal runner that shows a
// window, lets a prepared handler act on it as the user would, and returns the
// window's result.

#include "core/modal.h"
#include "core/prompter.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace testing_support {

struct Prompt {
    bool question;
    QString text;
};

class ScriptedPrompter : public core::Prompter {
public:
    void notice(const QString& text) override;
    bool question(const QString& text) override;

    // answers for the next questions, in order; with none left a question is a
    // test failure and is answered "No"
    void answer(bool yes) { answers_.push_back(yes); }
    void answers(std::initializer_list<bool> list) { answers_.insert(answers_.end(), list); }
    // every later question answered yes (or no) without failing
    void alwaysAnswer(bool yes) { always_ = yes ? 1 : 0; }

    const std::vector<Prompt>& shown() const { return shown_; }
    QStringList notices() const;
    QStringList questions() const;
    QString lastNotice() const;
    void clear() { shown_.clear(); }
    int pendingAnswers() const { return int(answers_.size()); }

private:
    std::vector<Prompt> shown_;
    std::deque<bool> answers_;
    int always_ = -1;
};

class ScriptedModal : public core::ModalRunner {
public:
    using Handler = std::function<void(QDialog*)>;

    // the next showing of the window with this objectName runs the handler;
    // handlers of one window run in the order they were added
    void on(const QString& windowName, Handler handler);
    // windows with no handler left: close them at once (rejected) instead of failing
    void dismissUnexpected(bool on) { dismiss_ = on; }

    int run(QDialog* window) override;

    const QStringList& shownWindows() const { return shown_; }
    int pendingHandlers() const;

private:
    std::map<QString, std::deque<Handler>> handlers_;
    QStringList shown_;
    bool dismiss_ = false;
};

// Installs both on the data module for the lifetime of the object.
class ScriptedUser {
public:
    ScriptedUser();
    ~ScriptedUser();
    ScriptedPrompter prompter;
    ScriptedModal modal;
};

}  // namespace testing_support
