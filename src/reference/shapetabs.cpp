#include "reference/shapetabs.h"

#include <QEnterEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace reference {

const QColor ShapeTab::selectedFill(253, 206, 159);
const QColor ShapeTab::hoverFill(254, 228, 203);

ShapeTab::ShapeTab(const QString& text, QWidget* parent) : QAbstractButton(parent)
{
    setText(text);
    setAccessibleName(text);
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

QSize ShapeTab::sizeHint() const
{
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text()) + 36, fm.height() + 14};
}

QColor ShapeTab::fill() const
{
    if (hover_ && isEnabled()) return hoverFill;
    if (isChecked()) return selectedFill;
    return Qt::transparent;
}

void ShapeTab::enterEvent(QEnterEvent* e)
{
    hover_ = true;
    update();
    QAbstractButton::enterEvent(e);
}

void ShapeTab::leaveEvent(QEvent* e)
{
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(e);
}

void ShapeTab::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // the selected tab stands 2 pixels higher than the others
    QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    if (!isChecked()) r.adjust(0, 2, 0, 0);
    p.setBrush(fill());
    p.setPen(QPen(Qt::white, 1.6));
    p.drawRoundedRect(r, 8, 8);
    if (hasFocus()) {
        p.setPen(QPen(QColor(150, 90, 40), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 6, 6);
    }
    p.setPen(isEnabled() ? QColor(60, 32, 8) : QColor(150, 140, 130));
    p.setFont(font());
    p.drawText(r, Qt::AlignCenter, text());
}

ShapeTabs::ShapeTabs(QWidget* parent) : QWidget(parent)
{
    bar_ = new QHBoxLayout;
    bar_->setContentsMargins(6, 0, 6, 0);
    bar_->setSpacing(4);
    bar_->addStretch(1);
    pages_ = new QStackedWidget(this);
    pages_->setFrameShape(QFrame::StyledPanel);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(0);
    top->addLayout(bar_);
    top->addWidget(pages_, 1);
}

int ShapeTabs::addTab(const QString& text, QWidget* page)
{
    auto* t = new ShapeTab(text, this);
    const int index = int(tabs_.size());
    tabs_.push_back(t);
    bar_->insertWidget(index, t);
    pages_->addWidget(page);
    connect(t, &QAbstractButton::clicked, this, [this, index] {
        setCurrentIndex(index);
        emit currentChanged(index);  // a click selects again, and the page re-reads
    });
    if (current_ < 0) setCurrentIndex(0);
    return index;
}

void ShapeTabs::setCurrentIndex(int index)
{
    if (index < 0 || index >= count()) return;
    current_ = index;
    for (int i = 0; i < count(); ++i) tabs_[size_t(i)]->setChecked(i == index);
    pages_->setCurrentIndex(index);
}

void ShapeTabs::setTabEnabled(int index, bool on) { tabs_.at(size_t(index))->setEnabled(on); }
bool ShapeTabs::isTabEnabled(int index) const { return tabs_.at(size_t(index))->isEnabled(); }
QWidget* ShapeTabs::page(int index) const { return pages_->widget(index); }

}  // namespace reference
