#pragma once
// Tpwait2: "Please wait..." over a sunken panel in which a bar moves while a long
// action runs. The bar is driven by a 25 ms timer on the user-interface thread;
// the database layer keeps timers and painting running while a statement runs,
// so the bar keeps moving.

#include <QDialog>
#include <QFrame>

class QTimer;

namespace core {

// The panel and its bar. Each frame advances the bar by W/50 pixels through four
// phases: the right edge grows to W, the left edge follows it, goes back to 0,
// and the right edge returns to 0.
class WaitBarPanel : public QFrame {
    Q_OBJECT
public:
    explicit WaitBarPanel(QWidget* parent = nullptr);
    void start();
    void stop();
    bool running() const;
    // one animation step (what the timer does)
    void advance();
    int phase() const { return phase_; }
    int leftEdge() const { return left_; }
    int rightEdge() const { return right_; }
    int step() const;
    long long framesDrawn() const { return frames_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QTimer* timer_;
    int phase_ = 0, left_ = 0, right_ = 0;
    long long frames_ = 0;
};

class Tpwait2 : public QDialog {
    Q_OBJECT
public:
    explicit Tpwait2(QWidget* parent = nullptr);
    WaitBarPanel* panel() const { return panel_; }
    // height: the panel's top plus its height plus 10 pixels
    void fitHeight();

private:
    WaitBarPanel* panel_;
};

Tpwait2* pwait2();

}  // namespace core
