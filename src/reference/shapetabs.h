#pragma once
// Page tabs drawn as rounded shapes: each tab a rounded rectangle with a white
// outline and a bold label; the selected one filled and standing 2 pixels higher,
// the others transparent; a tab under the mouse lit. Only the selected tab's page
// is visible. Tabs are buttons, so the keyboard reaches them (Space selects) and
// each is named by its label.

#include <QAbstractButton>
#include <QColor>
#include <QWidget>
#include <vector>

class QStackedWidget;
class QHBoxLayout;

namespace reference {

class ShapeTab : public QAbstractButton {
    Q_OBJECT
public:
    explicit ShapeTab(const QString& text, QWidget* parent = nullptr);
    QSize sizeHint() const override;

    static const QColor selectedFill;  // RGB(253, 206, 159)
    static const QColor hoverFill;     // RGB(254, 228, 203)
    // the fill the tab shows now (transparent when neither selected nor hovered)
    QColor fill() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    bool hover_ = false;
};

class ShapeTabs : public QWidget {
    Q_OBJECT
public:
    explicit ShapeTabs(QWidget* parent = nullptr);

    int addTab(const QString& text, QWidget* page);
    int count() const { return int(tabs_.size()); }
    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);
    void setTabEnabled(int index, bool on);
    bool isTabEnabled(int index) const;
    ShapeTab* tab(int index) const { return tabs_.at(size_t(index)); }
    QWidget* page(int index) const;

signals:
    void currentChanged(int index);

private:
    std::vector<ShapeTab*> tabs_;
    QHBoxLayout* bar_;
    QStackedWidget* pages_;
    int current_ = -1;
};

}  // namespace reference
