#pragma once
// The gradient-face button and title label used across the windows.

#include <QLabel>
#include <QPushButton>

namespace core {

// A push button with a warm vertical gradient face; pressed and hovered states
// shade it, a disabled button is greyed. Otherwise an ordinary QPushButton.
class GradBtn : public QPushButton {
    Q_OBJECT
public:
    explicit GradBtn(const QString& text = {}, QWidget* parent = nullptr);
    void setText(const QString& text);  // also sets the accessible name

    // a flat variant (no frame until hovered), for small picture buttons
    void setFlat(bool flat);

protected:
    void paintEvent(QPaintEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    bool hover_ = false;
};

// A title band: text on a gradient, as over panels and grids.
class GradLabel : public QLabel {
    Q_OBJECT
public:
    explicit GradLabel(const QString& text = {}, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace core
