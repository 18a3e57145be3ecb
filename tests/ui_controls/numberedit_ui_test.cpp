// The numeric field as the user meets it: typing, leaving, the range message and
// the focus kept in the field.

#include "controls/numberedit.h"
#include "core/datam.h"
#include "support/scripted.h"

#include <QApplication>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using controls::TNumberEdit;

namespace {

void type(QWidget* w, const QString& keys)
{
    for (QChar c : keys) {
        const int key = c == QChar(8) ? int(Qt::Key_Backspace) : int(c.toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

class NumberEditUi : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        edit = new TNumberEdit;
        other = new QLineEdit;
        layout->addWidget(edit);
        layout->addWidget(other);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
        QApplication::processEvents();
    }
    // moves the focus as a Tab would and lets the queued focus return happen
    void leave()
    {
        other->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QApplication::processEvents();
    }

    core::Tdm tdm;
    testing_support::ScriptedUser user;
    QWidget window;
    TNumberEdit* edit = nullptr;
    QLineEdit* other = nullptr;
};

}  // namespace

TEST_F(NumberEditUi, TypingKeepsOnlyWhatANumberMayHold)
{
    type(edit, "1a2.3.4-5-");
    EXPECT_EQ(edit->text(), QStringLiteral("12.34-5"));
    EXPECT_EQ(edit->refusedKeys(), 3);
    type(edit, QString(QChar(8)) + QChar(8));
    EXPECT_EQ(edit->text(), QStringLiteral("12.34"));
    edit->clear();
    edit->setCsakPozitic(true);
    type(edit, "-7");
    EXPECT_EQ(edit->text(), QStringLiteral("7"));
}

TEST_F(NumberEditUi, OutOfRangeShowsTheMessageAndKeepsTheFocus)
{
    edit->setMinValue(-100);
    edit->setMaxValue(100);
    edit->setHibauzenet(true);
    edit->setValue(5);
    // the hint on entering shows the range
    other->setFocus();
    edit->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(edit->toolTip().toStdString(), "MinValue=-100 MaxValue=100");

    type(edit, "150");
    leave();
    EXPECT_EQ(user.prompter.notices(), QStringList{QStringLiteral("A számnak -100 és 100 közé kell esnie!")});
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_DOUBLE_EQ(edit->value(), 5);

    // corrected: the focus may leave and the number is taken
    edit->selectAll();
    type(edit, "-42.");
    leave();
    EXPECT_FALSE(edit->hasFocus());
    EXPECT_DOUBLE_EQ(edit->value(), -42);
    EXPECT_EQ(user.prompter.notices().size(), 1);
}

TEST_F(NumberEditUi, NotANumberKeepsTheFocusSilentlyAndEmptyKeepsTheValue)
{
    edit->setHibauzenet(true);
    edit->setValue(3);
    type(edit, "12-");
    leave();
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_TRUE(user.prompter.notices().isEmpty());

    edit->clear();
    leave();
    EXPECT_FALSE(edit->hasFocus());
    EXPECT_DOUBLE_EQ(edit->value(), 3);

    // without the message switch an out-of-range number is refused silently
    edit->setFocus();
    edit->setHibauzenet(false);
    edit->setMaxValue(10);
    type(edit, "11");
    leave();
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_TRUE(user.prompter.notices().isEmpty());
}
