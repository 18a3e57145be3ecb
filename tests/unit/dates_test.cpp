#include "core/dates.h"

#include <gtest/gtest.h>

TEST(Dates, ShownAndReadAsYearMonthDayWithFullStops)
{
    EXPECT_EQ(core::formatDate(QDate(2024, 3, 5)), QStringLiteral("2024.03.05"));
    EXPECT_EQ(core::formatDate(QDate()), QString());
    const std::vector<std::pair<QString, QDate>> cases = {
        {"2024.03.05", QDate(2024, 3, 5)}, {"2024-03-05", QDate(2024, 3, 5)}, {" 2024.3.5 ", QDate(2024, 3, 5)},
        {"2024.02.30", QDate()}, {"05.03.2024", QDate()}, {"", QDate()}, {"2024.03", QDate()},
    };
    for (const auto& [text, want] : cases) EXPECT_EQ(core::parseDate(text), want) << text.toStdString();
}

TEST(Numbers, UseAFullStopAndTheShortestForm)
{
    const std::vector<std::pair<double, QString>> out = {
        {12.5, "12.5"}, {12.0, "12"}, {-0.25, "-0.25"}, {0.1, "0.1"}, {1e20, "100000000000000000000"}, {-0.0, "0"},
    };
    for (const auto& [v, want] : out) EXPECT_EQ(core::formatNumber(v), want);
    struct In { QString text; bool ok; double v; };
    const std::vector<In> in = {
        {"12.5", true, 12.5}, {" -3 ", true, -3}, {"12.", true, 12}, {".5", true, 0.5},
        {"12,5", false, 0}, {"1e3", false, 0}, {"abc", false, 0}, {"", false, 0}, {"1.2.3", false, 0}, {"--1", false, 0},
    };
    for (const auto& c : in) {
        bool ok = true;
        EXPECT_EQ(core::parseNumber(c.text, &ok), c.v) << c.text.toStdString();
        EXPECT_EQ(ok, c.ok) << c.text.toStdString();
    }
}
