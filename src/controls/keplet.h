#pragma once
// Tkeplet: a label that draws one marked-up text (formula markup, see
// keplet_layout.h). A tilde is an ordinary character here. The label sizes
// itself: twice the line height of its font, and as wide as the text drawn
// (1 pixel for an empty text).

#include "controls/keplet_layout.h"

#include <QWidget>

namespace controls {

class Tkeplet : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString szoveg READ szoveg WRITE setSzoveg)
public:
    explicit Tkeplet(QWidget* parent = nullptr);
    explicit Tkeplet(const QString& szoveg, QWidget* parent = nullptr);

    const QString& szoveg() const { return szoveg_; }
    void setSzoveg(const QString& text);  // repaints at once

    // the runs as drawn now
    const KepletLayout& layout() const { return layout_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void relayout();

    QString szoveg_;
    KepletLayout layout_;
};

}  // namespace controls
