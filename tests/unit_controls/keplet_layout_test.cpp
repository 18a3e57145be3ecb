#include "controls/keplet_layout.h"

#include <gtest/gtest.h>
#include <ostream>

using namespace controls;

namespace controls {
void PrintTo(const KepletRun& r, std::ostream* os)
{
    *os << '{' << r.text.toStdString() << " x=" << r.x << " off=" << r.offset << " size=" << r.size << ' '
        << r.family.toStdString() << '}';
}
}  // namespace controls

namespace {

const QString F = QStringLiteral("Base");
const QString G = kGreekFamily;
const QString br = QString(kBreve);

// Line height 1.5 x size (rounded down), widths size per character (one more in the
// Greek font), and a device that only has even sizes (asks for 7, uses 6).
class FakeMetrics : public KepletMetrics {
public:
    int textHeight(const QString&, int size, const QString&) const override { return size * 3 / 2; }
    int textWidth(const QString& t, int size, const QString& family) const override
    {
        return int(t.size()) * (family == G ? size + 1 : size);
    }
    int realSize(int size, const QString&) const override { return size / 2 * 2; }
};

TEST(KepletLayout, RunMetricsRoundHalfToEven)
{
    struct Case { int base; double factor; int small, smallUsed, n, d; };
    const Case cases[] = {
        // S 7.5 -> 8; h(8)=12 -> N 4.8 -> 5; h(10)=15 -> 6 + N
        {10, 0.75, 8, 8, 5, 11},
        // S 10.5 -> 10 (half to even); h(10)=15 -> N 6; h(14)=21 -> 8.4 -> 8
        {14, 0.75, 10, 10, 6, 14},
        // S 6.75 -> 7, used as 6; h(7)=10 -> N 4; h(9)=13 -> 5.2 -> 5
        {9, 0.75, 7, 6, 4, 9},
        // S 4.5 -> 4
        {6, 0.75, 4, 4, 2, 6},
        // S 9.6 -> 10; h(12)=18 -> 7.2 -> 7
        {12, 0.8, 10, 10, 6, 13},
        {10, 0.8, 8, 8, 5, 11},
    };
    const FakeMetrics m;
    for (const Case& c : cases) {
        const KepletLayout L = layoutKeplet(QStringLiteral("x"), c.base, F, m, {false, c.factor, 1});
        SCOPED_TRACE(testing::Message() << "B=" << c.base << " factor=" << c.factor);
        EXPECT_EQ(L.base, c.base);
        EXPECT_EQ(L.small, c.small);
        EXPECT_EQ(L.smallUsed, c.smallUsed);
        EXPECT_EQ(L.normalOffset, c.n);
        EXPECT_EQ(L.subscriptOffset, c.d);
    }
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.51), 3);
}

// Base 10: S'=8, N=5, D=11. Widths: size per character.
TEST(KepletLayout, RunsOfMarkedUpTexts)
{
    struct Case {
        QString text;
        KepletOptions options;
        std::vector<KepletRun> runs;
        int endX;
    };
    const KepletOptions label{false, 0.75, 1};
    const KepletOptions list{true, 0.75, 2};
    const std::vector<Case> cases = {
        {"^87^Sr/^86^Sr", label,
         {{"87", 1, 0, 8, F}, {"Sr/", 17, 5, 10, F}, {"86", 47, 0, 8, F}, {"Sr", 63, 5, 10, F}}, 83},
        // lists: the tilde switches to Greek three points larger, the run is unchanged
        {"~d~^13^C vs PDB (‰)", list,
         {{"δ", 2, 5, 13, G, 10}, {"13", 16, 0, 8, F}, {"C vs PDB (‰)", 32, 5, 10, F}}, 152},
        // the label draws the tildes and the letter
        {"~d~^13^C vs PDB (‰)", label,
         {{"~d~", 1, 5, 10, F}, {"13", 31, 0, 8, F}, {"C vs PDB (‰)", 47, 5, 10, F}}, 167},
        // a run needs no closing marker
        {"x^2", label, {{"x", 1, 5, 10, F}, {"2", 11, 0, 8, F}}, 19},
        {"SiO" + br + "2" + br, label, {{"SiO", 1, 5, 10, F}, {"2", 31, 11, 8, F}}, 39},
        {"Al" + br + "2" + br + "O" + br + "3" + br, label,
         {{"Al", 1, 5, 10, F}, {"2", 21, 11, 8, F}, {"O", 29, 5, 10, F}, {"3", 39, 11, 8, F}}, 47},
        {"(µm^2^)", label, {{"(µm", 1, 5, 10, F}, {"2", 31, 0, 8, F}, {")", 39, 5, 10, F}}, 49},
        // a breve closes a superscript and does not open a subscript
        {"a^b" + br + "c", label, {{"a", 1, 5, 10, F}, {"b", 11, 0, 8, F}, {"c", 19, 5, 10, F}}, 29},
        // inside a subscript a caret is an ordinary character
        {"H" + br + "2^3" + br + "O", label, {{"H", 1, 5, 10, F}, {"2^3", 11, 11, 8, F}, {"O", 35, 5, 10, F}}, 45},
        // the asterisk: small at the subscript offset, still normal, so '^' opens a
        // superscript whose end brings back the base size
        {"a*b^c^d", label,
         {{"a", 1, 5, 10, F}, {"b", 11, 11, 8, F}, {"c", 19, 0, 8, F}, {"d", 27, 5, 10, F}}, 37},
        // inside a run the asterisk is drawn
        {"^a*b^", label, {{"a*b", 1, 0, 8, F}}, 25},
        // the end sentinel is the appended character only
        {"a_b", label, {{"a_b", 1, 5, 10, F}}, 31},
        {"", label, {}, 1},
        // a run inside the Greek font takes the small size; the closing tilde
        // brings back the size from before the Greek font
        {"~a^2^~b", list, {{"α", 2, 5, 13, G, 10}, {"2", 16, 0, 8, G}, {"b", 25, 5, 10, F}}, 35},
        // grid without the tilde rule and small factor 0.8 (base 10 -> 8)
        {"~m~m", {false, 0.8, 2}, {{"~m~m", 2, 5, 10, F}}, 42},
    };
    const FakeMetrics m;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const KepletLayout L = layoutKeplet(c.text, 10, F, m, c.options);
        std::vector<KepletRun> want = c.runs;
        for (KepletRun& r : want)
            if (r.lineSize == 0) r.lineSize = r.size;  // only Greek runs differ
        EXPECT_EQ(L.runs, want);
        EXPECT_EQ(L.endX, c.endX);
    }
}

TEST(KepletLayout, SymbolLettersBecomeGreekAndPlainCopyDropsMarkers)
{
    EXPECT_EQ(symbolToGreek("abgdDmsSpl"), QStringLiteral("αβγδΔμσΣπλ"));
    EXPECT_EQ(symbolToGreek("W 1.5"), QStringLiteral("Ω 1.5"));
    EXPECT_EQ(kepletPlain("^87^Sr/^86^Sr"), QStringLiteral("87Sr/86Sr"));
    EXPECT_EQ(kepletPlain("Al" + br + "2" + br + "O" + br + "3" + br), QStringLiteral("Al2O3"));
    EXPECT_EQ(kepletPlain("~d~^13^C"), QStringLiteral("~d~13C"));
}

}  // namespace
