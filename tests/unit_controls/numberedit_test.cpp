#include "controls/numberedit.h"

#include <gtest/gtest.h>

using namespace controls;

TEST(NumberEditKeys, OneSeparatorOneMinusDigitsAndBackspace)
{
    struct Case { QString text; QChar key; QChar sep; bool positiveOnly; bool want; };
    const QChar bs(8);
    const Case cases[] = {
        {"", '5', '.', false, true},
        {"12", bs, '.', false, true},
        {"12", '.', '.', false, true},
        {"1.2", '.', '.', false, false},   // a second separator
        {"12", ',', '.', false, false},    // only the chosen separator
        {"12", ',', ',', false, true},
        {"1,2", ',', ',', false, false},
        {"", '-', '.', false, true},
        {"12", '-', '.', false, true},     // anywhere, the conversion check judges it
        {"-12", '-', '.', false, false},
        {"", '-', '.', true, false},       // positive numbers only
        {"", 'a', '.', false, false},
        {"", ' ', '.', false, false},
        {"", '+', '.', false, false},
        {"", 'e', '.', false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(numberKeyAccepted(c.text, c.key, c.sep, c.positiveOnly), c.want)
            << '"' << c.text.toStdString() << "\" + '" << QString(c.key).toStdString() << "'";
}

TEST(NumberEditRange, ConversionAndLimits)
{
    struct Case { QString text; double min, max; bool ok, outOfRange; double value; };
    const Case cases[] = {
        {"150", -100, 100, false, true, 0},
        {"-100", -100, 100, true, false, -100},
        {"100", -100, 100, true, false, 100},
        {"-100.5", -100, 100, false, true, 0},
        {"1e9", 0, 0, true, false, 1e9},       // both limits 0: no range
        {"-99999.25", 0, 0, true, false, -99999.25},
        {"12.", 0, 0, true, false, 12},        // trailing separator dropped
        {"12.", 0, 10, false, true, 0},
        {"12-", 0, 0, false, false, 0},        // not a number: fails without the message
        {"-", 0, 0, false, false, 0},
        {".", 0, 0, false, false, 0},
        {"1.2.3", 0, 0, false, false, 0},
        {"nan", 0, 0, false, false, 0},
        {"5", 10, 0, false, true, 0},          // one limit set is enough for a check
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const NumberCheck r = checkNumber(c.text, c.min, c.max);
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(r.outOfRange, c.outOfRange);
        if (c.ok) {
            EXPECT_DOUBLE_EQ(r.value, c.value);
        }
    }
    // another separator is converted as the decimal point
    const NumberCheck comma = checkNumber("3,25", 0, 0, ',');
    EXPECT_TRUE(comma.ok);
    EXPECT_DOUBLE_EQ(comma.value, 3.25);
}

TEST(NumberEditRange, MessageAndHintNumbersInShortestForm)
{
    EXPECT_EQ(numberRangeMessage(-100, 100), QStringLiteral("A számnak -100 és 100 közé kell esnie!"));
    EXPECT_EQ(numberRangeMessage(0.5, 2.25), QStringLiteral("A számnak 0.5 és 2.25 közé kell esnie!"));
    const std::pair<double, const char*> cases[] = {
        {0, "0"}, {-0.0, "0"}, {12, "12"}, {0.1, "0.1"}, {-3.75, "-3.75"}, {1e15, "1000000000000000"}, {1e-6, "0.000001"}};
    for (auto [v, want] : cases) EXPECT_EQ(formatNumber(v), QString::fromLatin1(want)) << v;
}
