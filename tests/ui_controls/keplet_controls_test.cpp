// The formula controls as widgets: sizes, item heights, which cells a grid
// delegate draws and in which colours.

#include "controls/dbgrid.h"
#include "controls/kep_sg.h"
#include "controls/keplet.h"
#include "controls/keplet_delegate.h"
#include "controls/keplet_lb.h"
#include "core/style.h"
#include "db/query.h"
#include "support/testdb.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QTableView>
#include <gtest/gtest.h>

using namespace controls;

namespace {

const QString br = QString(kBreve);

QImage render(QWidget& w)
{
    w.show();
    QCoreApplication::processEvents();
    return w.grab().toImage();
}

// the topmost row that holds a dark pixel in the columns [x0, x1)
int topInk(const QImage& img, int x0, int x1)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = x0; x < std::min(x1, img.width()); ++x)
            if (qGray(img.pixel(x, y)) < 128) return y;
    return -1;
}

}  // namespace

TEST(Tkeplet, SizesItselfFromTheTextAndFont)
{
    Tkeplet label;
    QFont f = label.font();
    f.setPointSize(10);
    label.setFont(f);
    const int lineHeight = QFontMetrics(f, &label).height();
    // an empty text: one pixel wide, twice the line height high
    EXPECT_EQ(label.width(), 1);
    EXPECT_EQ(label.height(), 2 * lineHeight);

    label.setSzoveg(QStringLiteral("^87^Sr/^86^Sr"));
    EXPECT_EQ(label.width(), label.layout().endX);
    EXPECT_GT(label.width(), 20);
    EXPECT_EQ(label.layout().base, 10 * label.logicalDpiY() / 96);

    // the tilde is drawn as a character in the label
    label.setSzoveg(QStringLiteral("~d~"));
    ASSERT_EQ(label.layout().runs.size(), 1u);
    EXPECT_EQ(label.layout().runs[0].text, QStringLiteral("~d~"));
    EXPECT_EQ(label.width(), 1 + QFontMetrics(f, &label).horizontalAdvance(QStringLiteral("~d~")));

    // a larger font makes a larger label
    const int small = label.width();
    f.setPointSize(20);
    label.setFont(f);
    EXPECT_GT(label.width(), small);
    EXPECT_EQ(label.height(), 2 * QFontMetrics(f, &label).height());
}

TEST(Tkeplet, SuperscriptIsDrawnHigherAndSubscriptLower)
{
    // the digit of "x^2" starts higher than the one of "x2", the one of "x˘2" lower
    auto digitTop = [](const QString& text) {
        Tkeplet label(text);
        QFont f = label.font();
        f.setPointSize(16);
        label.setFont(f);
        label.setAutoFillBackground(true);
        label.setPalette(QPalette(Qt::black, Qt::white));
        const QImage img = render(label);
        const int xDigit = label.layout().runs.back().x;
        return topInk(img, xDigit + 1, img.width());
    };
    const int plain = digitTop(QStringLiteral("xx2"));
    EXPECT_LT(digitTop(QStringLiteral("x^2")), plain);
    EXPECT_GT(digitTop(QStringLiteral("x") + br + QStringLiteral("2")), plain);
}

TEST(KepletLists, ItemHeightFollowsTheScreenResolution)
{
    struct Case { int height, dpi, want; };
    const Case cases[] = {{20, 96, 20}, {13, 120, 16}, {14, 144, 21}, {13, 144, 20}, {11, 144, 16}};
    for (const Case& c : cases)
        EXPECT_EQ(KepletDelegate::scaledItemHeight(c.height, c.dpi), c.want) << c.height << " at " << c.dpi;

    Tkeplet_lb lb;
    lb.addItems({QStringLiteral("^87^Sr/^86^Sr"), QStringLiteral("SiO") + br + "2" + br});
    lb.setItemHeight(30);
    render(lb);
    EXPECT_EQ(lb.visualItemRect(lb.item(1)).height(), KepletDelegate::scaledItemHeight(30, lb.logicalDpiY()));
    // by default an item is high enough for a subscript under a line of text
    lb.setItemHeight(0);
    const QFontMetrics fm(lb.font(), &lb);
    EXPECT_GT(lb.visualItemRect(lb.item(1)).height(), fm.height());
    lb.setCurrentRow(1);
    EXPECT_EQ(lb.selectedText(), QStringLiteral("SiO") + br + "2" + br);
}

TEST(KepletDelegate, SelectedOrCurrentRowGetsTheSelectionColour)
{
    QStandardItemModel model(3, 2);
    for (int r = 0; r < 3; ++r) {
        model.setItem(r, 0, new QStandardItem(QString::number(r)));
        model.setItem(r, 1, new QStandardItem(QStringLiteral("Al") + br + "2" + br + "O" + br + "3" + br));
    }
    QTableView view;
    view.setModel(&model);
    styleGrid(&view);
    KepletDelegate::installForColumn(&view, 1, false, 0.8);
    view.resize(300, 200);
    view.setColumnWidth(1, 150);
    view.setCurrentIndex(model.index(1, 0));
    const QImage img = render(view);

    auto cellBackground = [&](int row) {
        const QRect r = view.visualRect(model.index(row, 1)).translated(view.viewport()->pos());
        return QColor(img.pixel(r.right() - 4, r.center().y()));
    };
    EXPECT_EQ(cellBackground(1), style::selectedRow);
    EXPECT_EQ(cellBackground(0), view.palette().color(QPalette::Base));
    EXPECT_EQ(cellBackground(2), view.palette().color(QPalette::Base));
}

TEST(KepletDelegate, DrawsOnlyTheNamedFieldOfADatasetGrid)
{
    db::Connection conn;
    ASSERT_EQ(conn.connect(testing_support::superuserSettings()).toStdString(), "Ok");
    db::Query q(&conn);
    q.open(QStringLiteral("select 7 as elem_kod, 'SiO") + br + "2" + br + QStringLiteral("' as elem_inev"));
    DBGrid grid;
    grid.setQuery(&q);
    KepletDelegate* d = KepletDelegate::install(&grid, QStringLiteral("elem_inev"), false);
    auto* m = grid.dataModel();
    ASSERT_EQ(m->rowCount(), 1);
    EXPECT_FALSE(d->drawsCell(m->index(0, m->columnOf(QStringLiteral("elem_kod")))));
    EXPECT_TRUE(d->drawsCell(m->index(0, m->columnOf(QStringLiteral("elem_inev")))));
    // a reload gives the grid a new model with other columns; the field is found again
    q.open(QStringLiteral("select 'x^2' as elem_inev, 7 as elem_kod"));
    grid.setQuery(&q);
    m = grid.dataModel();
    EXPECT_TRUE(d->drawsCell(m->index(0, 0)));
    EXPECT_FALSE(d->drawsCell(m->index(0, 1)));
}

TEST(Tkep_sg, CellTextsAndTheSelectionColourOfTheGrid)
{
    Tkep_sg sg(2, 2);
    sg.setCellText(0, 0, QStringLiteral("Fe") + br + "2" + br + "O" + br + "3" + br);
    sg.setCellText(0, 1, QStringLiteral("1.5"));
    sg.setCellText(0, 1, QStringLiteral("2.5"));
    EXPECT_EQ(sg.cellText(0, 1), QStringLiteral("2.5"));
    EXPECT_EQ(sg.cellText(1, 1), QString());
    sg.resize(300, 150);
    sg.setCurrentCell(1, 0);
    const QImage img = render(sg);
    const QRect r = sg.visualRect(sg.model()->index(1, 0)).translated(sg.viewport()->pos());
    EXPECT_EQ(QColor(img.pixel(r.right() - 3, r.center().y())), style::selectedRow);
}
