#include "support/windowtest.h"

#include "controls/dbgrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QMouseEvent>

namespace testing_support {

QStringList WindowTest::shown(controls::DBGrid* grid, const QString& field)
{
    QStringList out;
    auto* m = grid->dataModel();
    const int c = m->columnOf(field);
    for (int r = 0; r < m->rowCount(); ++r)
        out << (c < 0 ? grid->query()->text(r, field) : m->data(m->index(r, c), Qt::DisplayRole).toString());
    return out;
}

QStringList WindowTest::captions(controls::DBGrid* grid)
{
    QStringList out;
    auto* m = grid->dataModel();
    for (int c = 0; c < m->columnCount(); ++c) out << m->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return out;
}

std::vector<int> WindowTest::widths(controls::DBGrid* grid)
{
    std::vector<int> out;
    for (int c = 0; c < grid->dataModel()->columnCount(); ++c) out.push_back(grid->columnWidth(c));
    return out;
}

void WindowTest::clickTitle(controls::DBGrid* grid, const QString& field)
{
    QHeaderView* h = grid->horizontalHeader();
    const int c = grid->dataModel()->columnOf(field);
    ASSERT_GE(c, 0) << field.toStdString();
    const QPoint p(h->sectionViewportPosition(c) + 4, h->height() / 2);
    const QPoint g = h->viewport()->mapToGlobal(p);
    QMouseEvent press(QEvent::MouseButtonPress, p, g, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, p, g, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(h->viewport(), &press);
    QApplication::sendEvent(h->viewport(), &release);
}

void WindowTest::settle(int ms, int slice)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, slice);
}

}  // namespace testing_support
