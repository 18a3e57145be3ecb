#pragma once
// Formula markup: chemical and isotope names and units carry a tiny inline markup
// that this module turns into drawing runs.
//
//   '^'      superscript: opens a superscript run in normal text, closes it inside one
//   U+02D8   (breve) subscript: opens a subscript run in normal text; closes a
//            subscript or superscript run
//   '*'      in normal text: the rest is drawn small at the subscript offset, the
//            run still counts as normal
//   '~'      only where the tilde rule is on (lists, isotope grids): toggles the
//            Greek letter font at the current size + 3
//
// The layout is pure: font facts come through KepletMetrics, so the exact runs can
// be checked with a fixed fake. Every control and grid delegate that shows
// marked-up text draws through layoutKeplet() and paintKeplet().

#include <QChar>
#include <QFont>
#include <QString>
#include <vector>

class QPainter;
class QPaintDevice;
class QRect;

namespace controls {

inline constexpr QChar kBreve = QChar(0x02D8);
// The font Greek letters are drawn with (the letters of the classic symbol font are
// mapped to their Greek code points first).
inline const QString kGreekFamily = QStringLiteral("DejaVu Sans");

// Font facts the layout needs. Sizes are point sizes.
class KepletMetrics {
public:
    virtual ~KepletMetrics() = default;
    // the line height of a text in the font at that size
    virtual int textHeight(const QString& text, int size, const QString& family) const = 0;
    virtual int textWidth(const QString& text, int size, const QString& family) const = 0;
    // the size the device really uses when asked for this one
    virtual int realSize(int size, const QString& family) const = 0;
};

// Metrics of real fonts on a paint device (the base font's weight and style kept).
class QtKepletMetrics : public KepletMetrics {
public:
    explicit QtKepletMetrics(const QFont& base, QPaintDevice* device = nullptr);
    int textHeight(const QString& text, int size, const QString& family) const override;
    int textWidth(const QString& text, int size, const QString& family) const override;
    int realSize(int size, const QString& family) const override;
    QFont font(int size, const QString& family) const;

private:
    QFont base_;
    QPaintDevice* device_;
};

struct KepletOptions {
    bool tilde = false;         // '~' toggles the Greek font (else drawn as a character)
    double smallFactor = 0.75;  // small size = round(base * factor)
    int x0 = 1;                 // where the first run starts
};

struct KepletRun {
    QString text;    // as drawn (Greek letters already mapped)
    int x = 0;       // from the left of the drawing area
    int offset = 0;  // top of the run, from the top of the drawing area
    int size = 0;    // point size
    QString family;
    // size of the line the run belongs to (base size in normal text, the script
    // size in a run): Greek letters are drawn larger but sit on that line's baseline
    int lineSize = 0;
    bool operator==(const KepletRun&) const = default;
};

struct KepletLayout {
    int base = 0;       // B
    int small = 0;      // S = round(B * factor)
    int smallUsed = 0;  // S': what the device uses for S, the size of the runs
    int normalOffset = 0;     // N: round(0.4 * height of "H" at S)
    int subscriptOffset = 0;  // D: round(0.4 * height of "A" at B) + N
    std::vector<KepletRun> runs;  // empty segments are left out
    int endX = 0;                 // x after the last run
};

// Rounds to the nearest integer, a half to the even neighbour.
int roundHalfEven(double v);

// The Greek letter a symbol-font letter stands for ('d' -> δ, 'D' -> Δ, 'm' -> μ...);
// other characters unchanged.
QString symbolToGreek(const QString& text);

// The plain copy of a marked-up name: every breve and every '^' removed.
QString kepletPlain(const QString& text);

KepletLayout layoutKeplet(const QString& text, int baseSize, const QString& family,
                          const KepletMetrics& metrics, const KepletOptions& options = {});

// Draws the runs in the area (transparent background, the painter's pen), each run's
// top at area.top() + offset, its baseline where text of its line size would have
// it. The base font gives weight and style.
void paintKeplet(QPainter& painter, const QRect& area, const KepletLayout& layout, const QFont& base);

// The height a list item or grid cell needs so that a subscript is not clipped.
int kepletNeededHeight(const KepletLayout& layout, const KepletMetrics& metrics, const QString& family);

// Point size of a font, also when it was given in pixels.
int fontPointSize(const QFont& font);

}  // namespace controls
