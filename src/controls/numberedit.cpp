#include "controls/numberedit.h"

#include "core/datam.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <cmath>

namespace controls {

bool numberKeyAccepted(const QString& text, QChar key, QChar separator, bool csakPozitiv)
{
    const QChar minus = QLatin1Char('-');
    if (key == QChar(8) || (key >= QLatin1Char('0') && key <= QLatin1Char('9'))) return true;
    if (key == separator) return !text.contains(separator);
    if (key == minus && !csakPozitiv) return !text.contains(minus);
    return false;
}

NumberCheck checkNumber(const QString& text, double minValue, double maxValue, QChar separator)
{
    QString t = text;
    if (t.endsWith(separator)) t.chop(1);
    t.replace(separator, QLatin1Char('.'));
    NumberCheck r;
    bool ok = false;
    r.value = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(r.value)) return r;
    if ((r.value < minValue || r.value > maxValue) && (minValue != 0 || maxValue != 0)) {
        r.outOfRange = true;
        return r;
    }
    r.ok = true;
    return r;
}

QString formatNumber(double v)
{
    if (v == 0) v = 0;  // no "-0"
    return QString::number(v, 'f', QLocale::FloatingPointShortest);
}

QString numberRangeMessage(double minValue, double maxValue)
{
    return QStringLiteral("A számnak ") + formatNumber(minValue) + QStringLiteral(" és ") + formatNumber(maxValue)
           + QStringLiteral(" közé kell esnie!");
}

TNumberEdit::TNumberEdit(QWidget* parent) : QLineEdit(parent) {}

void TNumberEdit::keyPressEvent(QKeyEvent* e)
{
    // Only typed characters are filtered; navigation, Enter, Escape and the
    // clipboard shortcuts keep their ordinary meaning.
    const QString typed = e->text();
    const bool character = typed.size() == 1 && typed.at(0).isPrint() && e->key() != Qt::Key_Backspace;
    if (character && !numberKeyAccepted(text(), typed.at(0), separator_, csakPozitic_)) {
        ++refused_;
        if (errorBeep_) QApplication::beep();
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

bool TNumberEdit::rangeCheck()
{
    const NumberCheck r = checkNumber(text(), min_, max_, separator_);
    if (r.outOfRange && hibauzenet_) {
        const QString message = numberRangeMessage(min_, max_);
        checking_ = true;
        if (core::hasDm()) core::dm().uzenet(message);
        else QMessageBox::information(this, QStringLiteral("Information"), message);
        checking_ = false;
    }
    return r.ok;
}

void TNumberEdit::focusInEvent(QFocusEvent* e)
{
    setToolTip(QStringLiteral("MinValue=") + formatNumber(min_) + QStringLiteral(" MaxValue=") + formatNumber(max_));
    QLineEdit::focusInEvent(e);
}

void TNumberEdit::focusOutEvent(QFocusEvent* e)
{
    // Leaving the window (another window activated, a menu, our own message) is
    // not leaving the field.
    const bool leaves = !checking_ && e->reason() != Qt::ActiveWindowFocusReason
                        && e->reason() != Qt::PopupFocusReason;
    if (leaves && !text().isEmpty()) {
        if (rangeCheck()) {
            value_ = checkNumber(text(), min_, max_, separator_).value;
        } else {
            // back into the field once the focus change has finished
            QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
        }
    }
    QLineEdit::focusOutEvent(e);
}

}  // namespace controls
