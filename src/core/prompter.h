#pragma once
// How notices and questions reach the user. The program shows them in the
// message window; tests install a scripted prompter that records the texts and
// gives prepared answers.

#include <QString>

namespace core {

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void notice(const QString& text) = 0;     // returns when the user closed it
    virtual bool question(const QString& text) = 0;   // true only for "Yes"
};

}  // namespace core
