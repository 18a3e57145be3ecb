#pragma once
// TNumberEdit: a one-line field for a decimal number. Typed characters other than
// digits, one decimal separator and (unless CsakPozitic) one minus are refused;
// on leaving, the text must be a number inside [MinValue, MaxValue] (no range when
// both are 0), else the focus stays in the field. An empty field leaves Value as
// it was. On entering, the tooltip shows the range.

#include <QLineEdit>

namespace controls {

// Whether a typed character may go into a number field holding text.
bool numberKeyAccepted(const QString& text, QChar key, QChar separator, bool csakPozitiv);

struct NumberCheck {
    bool ok = false;
    bool outOfRange = false;  // a number, but outside the range (the message case)
    double value = 0;
};
// The range check of a field's text (a trailing separator is dropped first).
NumberCheck checkNumber(const QString& text, double minValue, double maxValue, QChar separator = QLatin1Char('.'));

// Shortest form without exponent ("-100", "0.5", "12").
QString formatNumber(double v);
// "A számnak " + min + " és " + max + " közé kell esnie!"
QString numberRangeMessage(double minValue, double maxValue);

class TNumberEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(double Value READ value WRITE setValue)
    Q_PROPERTY(double MinValue READ minValue WRITE setMinValue)
    Q_PROPERTY(double MaxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(QChar DecimalSeparator READ decimalSeparator WRITE setDecimalSeparator)
    Q_PROPERTY(bool CsakPozitic READ csakPozitic WRITE setCsakPozitic)
    Q_PROPERTY(bool ErrorBeep READ errorBeep WRITE setErrorBeep)
    Q_PROPERTY(bool Hibauzenet READ hibauzenet WRITE setHibauzenet)
public:
    explicit TNumberEdit(QWidget* parent = nullptr);

    // the last accepted number (setting it does not change the text)
    double value() const { return value_; }
    void setValue(double v) { value_ = v; }
    double minValue() const { return min_; }
    void setMinValue(double v) { min_ = v; }
    double maxValue() const { return max_; }
    void setMaxValue(double v) { max_ = v; }
    QChar decimalSeparator() const { return separator_; }
    void setDecimalSeparator(QChar c) { separator_ = c; }
    bool csakPozitic() const { return csakPozitic_; }
    void setCsakPozitic(bool on) { csakPozitic_ = on; }
    bool errorBeep() const { return errorBeep_; }
    void setErrorBeep(bool on) { errorBeep_ = on; }
    bool hibauzenet() const { return hibauzenet_; }
    void setHibauzenet(bool on) { hibauzenet_ = on; }

    // The check done on leaving: shows the range message when Hibauzenet is set
    // and the number is out of range. Windows may call it before saving.
    bool rangeCheck();

    // keys refused since the field was made (each one beeps when ErrorBeep is set)
    int refusedKeys() const { return refused_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    double value_ = 0, min_ = 0, max_ = 0;
    QChar separator_ = QLatin1Char('.');
    bool csakPozitic_ = false, errorBeep_ = false, hibauzenet_ = false;
    bool checking_ = false;
    int refused_ = 0;
};

}  // namespace controls
