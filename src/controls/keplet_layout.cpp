#include "controls/keplet_layout.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <cfenv>
#include <cmath>

namespace controls {

int roundHalfEven(double v)
{
    // nearbyint follows the current rounding mode; the default is to nearest, ties to even
    const int saved = std::fegetround();
    if (saved != FE_TONEAREST) std::fesetround(FE_TONEAREST);
    const int r = int(std::nearbyint(v));
    if (saved != FE_TONEAREST) std::fesetround(saved);
    return r;
}

QString symbolToGreek(const QString& text)
{
    // the classic symbol-font encoding of the printable ASCII range
    static const QHash<QChar, QChar> map = [] {
        const char* latin = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        const char16_t* greek = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖαβχδεφγηιϕκλμνοπθρστυϖωξψζ";
        QHash<QChar, QChar> m;
        for (int i = 0; latin[i]; ++i) m.insert(QChar(latin[i]), QChar(greek[i]));
        const std::pair<char, char16_t> others[] = {
            {'"', u'∀'}, {'$', u'∃'}, {'\'', u'∋'}, {'*', u'∗'}, {'-', u'−'},
            {'@', u'≅'}, {'\\', u'∴'}, {'^', u'⊥'}, {'`', u'‾'}, {'~', u'∼'}};
        for (auto [from, to] : others) m.insert(QChar(from), QChar(to));
        return m;
    }();
    QString out = text;
    for (QChar& c : out) c = map.value(c, c);
    return out;
}

QString kepletPlain(const QString& text)
{
    QString out = text;
    out.remove(kBreve);
    out.remove(QLatin1Char('^'));
    return out;
}

KepletLayout layoutKeplet(const QString& text, int baseSize, const QString& family,
                          const KepletMetrics& m, const KepletOptions& o)
{
    KepletLayout L;
    L.base = baseSize;
    L.small = roundHalfEven(baseSize * o.smallFactor);
    L.normalOffset = roundHalfEven(m.textHeight(QStringLiteral("H"), L.small, family) * 0.4);
    L.smallUsed = m.realSize(L.small, family);
    L.subscriptOffset = roundHalfEven(m.textHeight(QStringLiteral("A"), L.base, family) * 0.4) + L.normalOffset;

    const QChar normalOpener = QLatin1Char('*');
    const QChar caret = QLatin1Char('^');
    const QChar tilde = QLatin1Char('~');
    // the end sentinel: the appended last character ends the pending segment by its
    // position, so an underscore inside the text is drawn like any other character
    const QString s = text + QLatin1Char('_');
    const int last = int(s.size()) - 1;

    QChar opener = normalOpener;
    int x = o.x0;
    int offset = L.normalOffset;
    int size = L.base;
    int lineSize = L.base;
    bool greek = false;
    int sizeBeforeGreek = 0;
    int segStart = 0;
    for (int i = 0; i <= last; ++i) {
        const QChar c = s.at(i);
        const bool normal = opener == normalOpener;
        const bool isTilde = o.tilde && c == tilde;
        if (!(isTilde || c == opener || (normal && c == caret) || c == kBreve || i == last)) continue;

        if (i > segStart) {
            const QString drawn = greek ? symbolToGreek(s.mid(segStart, i - segStart)) : s.mid(segStart, i - segStart);
            const QString& fam = greek ? kGreekFamily : family;
            L.runs.push_back({drawn, x, offset, size, fam, lineSize});
            x += m.textWidth(drawn, size, fam);
        }
        segStart = i + 1;
        if (i == last) break;

        if (isTilde) {
            if (!greek) {
                sizeBeforeGreek = size;
                size += 3;
            } else {
                size = sizeBeforeGreek;
            }
            greek = !greek;
        } else if (normal) {
            opener = c;
            size = lineSize = L.smallUsed;
            offset = c == caret ? 0 : L.subscriptOffset;
        } else {
            opener = normalOpener;
            offset = L.normalOffset;
            size = lineSize = L.base;
        }
    }
    L.endX = x;
    return L;
}

int kepletNeededHeight(const KepletLayout& L, const KepletMetrics& m, const QString& family)
{
    return std::max(L.subscriptOffset + m.textHeight(QStringLiteral("A"), L.smallUsed, family),
                    L.normalOffset + m.textHeight(QStringLiteral("A"), L.base, family));
}

int fontPointSize(const QFont& font)
{
    if (font.pointSize() > 0) return font.pointSize();
    return QFontInfo(font).pointSize();
}

// ---- real fonts ---------------------------------------------------------------

QtKepletMetrics::QtKepletMetrics(const QFont& base, QPaintDevice* device) : base_(base), device_(device) {}

QFont QtKepletMetrics::font(int size, const QString& family) const
{
    QFont f = base_;
    f.setFamilies({family});
    f.setPointSize(std::max(1, size));
    return f;
}

int QtKepletMetrics::textHeight(const QString&, int size, const QString& family) const
{
    // like a device context's text height: the font's line height, whatever the text
    return QFontMetrics(font(size, family), device_).height();
}

int QtKepletMetrics::textWidth(const QString& text, int size, const QString& family) const
{
    return QFontMetrics(font(size, family), device_).horizontalAdvance(text);
}

int QtKepletMetrics::realSize(int size, const QString& family) const
{
    return QFontInfo(font(size, family)).pointSize();
}

void paintKeplet(QPainter& p, const QRect& area, const KepletLayout& L, const QFont& base)
{
    const QtKepletMetrics fonts(base, p.device());
    p.save();
    p.setBackgroundMode(Qt::TransparentMode);
    for (const KepletRun& r : L.runs) {
        const QFont f = fonts.font(r.size, r.family);
        p.setFont(f);
        const int ascent = QFontMetrics(fonts.font(r.lineSize, base.family()), p.device()).ascent();
        p.drawText(QPoint(area.left() + r.x, area.top() + r.offset + ascent), r.text);
    }
    p.restore();
}

}  // namespace controls
