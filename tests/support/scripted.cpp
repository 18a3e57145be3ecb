#include "support/scripted.h"

#include "core/datam.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace testing_support {

void ScriptedPrompter::notice(const QString& text) { shown_.push_back({false, text}); }

bool ScriptedPrompter::question(const QString& text)
{
    shown_.push_back({true, text});
    if (!answers_.empty()) {
        const bool a = answers_.front();
        answers_.pop_front();
        return a;
    }
    if (always_ >= 0) return always_ == 1;
    ADD_FAILURE() << "unexpected question: " << text.toStdString();
    return false;
}

QStringList ScriptedPrompter::notices() const
{
    QStringList out;
    for (const auto& p : shown_)
        if (!p.question) out << p.text;
    return out;
}

QStringList ScriptedPrompter::questions() const
{
    QStringList out;
    for (const auto& p : shown_)
        if (p.question) out << p.text;
    return out;
}

QString ScriptedPrompter::lastNotice() const
{
    const QStringList n = notices();
    return n.isEmpty() ? QString() : n.last();
}

void ScriptedModal::on(const QString& windowName, Handler handler)
{
    handlers_[windowName].push_back(std::move(handler));
}

int ScriptedModal::pendingHandlers() const
{
    int n = 0;
    for (const auto& [name, q] : handlers_) n += int(q.size());
    return n;
}

int ScriptedModal::run(QDialog* window)
{
    const QString name = window->objectName();
    shown_ << name;
    window->setResult(QDialog::Rejected);
    window->show();
    QApplication::processEvents();
    auto it = handlers_.find(name);
    if (it == handlers_.end() || it->second.empty()) {
        if (!dismiss_) ADD_FAILURE() << "window shown without a scripted handler: " << name.toStdString();
        window->reject();
    } else {
        Handler h = std::move(it->second.front());
        it->second.pop_front();
        h(window);
        QApplication::processEvents();
    }
    if (window->isVisible()) window->reject();  // the user closed it by its title bar
    return window->result();
}

ScriptedUser::ScriptedUser()
{
    core::dm().setPrompter(&prompter);
    core::setModalRunner(&modal);
}

ScriptedUser::~ScriptedUser()
{
    if (core::hasDm()) core::dm().setPrompter(nullptr);
    core::setModalRunner(nullptr);
}

}  // namespace testing_support
