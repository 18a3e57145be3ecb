#include "controls/keplet_lb.h"

#include "controls/keplet_delegate.h"

namespace controls {

Tkeplet_lb::Tkeplet_lb(QWidget* parent) : QListWidget(parent)
{
    delegate_ = KepletDelegate::install(this, kepletListOptions());
    setUniformItemSizes(false);
}

int Tkeplet_lb::itemHeight() const { return delegate_->options().itemHeight; }

void Tkeplet_lb::setItemHeight(int h)
{
    delegate_->setItemHeight(h);
    doItemsLayout();
}

QString Tkeplet_lb::selectedText() const { return currentItem() ? currentItem()->text() : QString(); }

}  // namespace controls
