// The metamorphic grade list and its edit window: a list without order, flag or
// title sort whose double-click always picks, and an edit window that saves.

#include "geowindows.h"

#include "core/messages.h"
#include "reference/refedit.h"
#include "reference/reflist.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>

using namespace geotest;
using reference::RefEdit;
using reference::RefList;

namespace {

class Grades : public GeoWindows {
protected:
    QString seedGrade(const QString& name)
    {
        return admin().open("insert into mgrade (mgrade_nev) values ('" + name + "') returning mgrade_id").text(0, 0);
    }
    QString stored(const QString& id) { return scalar("select mgrade_nev from mgrade where mgrade_id=" + id); }
};

TEST_F(Grades, ListShowsEveryGradeInTheServersOrder)
{
    const db::Dataset want = admin().open("select mgrade_id,mgrade_nev from mgrade");
    open<RefList>("Tmgrade", [&](RefList* w) {
        EXPECT_EQ(w->windowTitle(), "Metamorphic grade");
        EXPECT_EQ(w->browse(), 0);  // the list has no browse flag
        EXPECT_EQ(w->list().rowCount(), want.rowCount());
        EXPECT_EQ(shown(w->grid(), "mgrade_nev").first(), want.text(0, "mgrade_nev"));
        EXPECT_EQ(w->grid()->dataModel()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Metamorphic grade");
        EXPECT_FALSE(w->grid()->horizontalHeader()->sectionsClickable());
        EXPECT_EQ(w->grid()->columnWidth(0), 50);
        EXPECT_EQ(w->grid()->columnWidth(1), 130);
    });
}

TEST_F(Grades, AddAndEditSaveThroughTheEditWindow)
{
    user->prompter.answers({true, true});
    QString added;
    open<RefList>("Tmgrade", [&](RefList* w) {
        when<RefEdit>("Tmgradem", [&](RefEdit* e) {
            EXPECT_EQ(e->windowTitle(), "Metamorphic grade");
            EXPECT_FALSE(e->idEdit()->isEnabled());
            e->valueEdit(0)->setText("  Ultra-high pressure ");
            e->okButton()->click();
            EXPECT_FALSE(e->isVisible());
        });
        w->addButton()->click();
        added = scalar("select mgrade_id from mgrade where mgrade_nev='Ultra-high pressure'");
        ASSERT_FALSE(added.isEmpty());
        ASSERT_TRUE(selectKey(w->grid(), "mgrade_id", added));
        when<RefEdit>("Tmgradem", [&](RefEdit* e) {
            EXPECT_EQ(e->idEdit()->text(), added);
            EXPECT_EQ(e->valueEdit(0)->text(), "Ultra-high pressure");
            e->valueEdit(0)->setText("UHP metamorphism");
            e->okButton()->click();
            EXPECT_FALSE(e->isVisible());
        });
        w->editButton()->click();
        EXPECT_EQ(w->grid()->currentText("mgrade_id"), added);  // back on the edited row
    });
    EXPECT_EQ(user->prompter.questions(), (QStringList{msg::confirmSave, msg::confirmSave}));
    EXPECT_EQ(stored(added), "UHP metamorphism");
}

TEST_F(Grades, EmptyOrDuplicateNamesAreRefusedAndTheWindowStays)
{
    seedGrade("Taken");
    user->prompter.answer(true);
    open<RefList>("Tmgrade", [&](RefList* w) {
        when<RefEdit>("Tmgradem", [&](RefEdit* e) {
            e->okButton()->click();
            EXPECT_TRUE(e->isVisible());
            e->valueEdit(0)->setText("Taken");
            e->okButton()->click();
            EXPECT_TRUE(e->isVisible());
            EXPECT_EQ(e->valueEdit(0)->text(), "Taken");
        });
        w->addButton()->click();
    });
    EXPECT_EQ(user->prompter.notices(),
              (QStringList{"The field 'Metamorphic grade' is empty!", msg::recordExists}));
}

TEST_F(Grades, DoubleClickPicksAlsoFromTheMenuAndUsedGradesStay)
{
    const QString g = seedGrade("Picked");
    admin().exec("insert into geo_un (geo_nev, met_grade) values ('Unit', " + g + ")");
    user->prompter.answer(true);
    open<RefList>("Tmgrade", [&](RefList* w) {
        ASSERT_TRUE(selectKey(w->grid(), "mgrade_id", g));
        w->deleteButton()->click();
        auto* grid = w->grid();
        const QPoint p = grid->visualRect(grid->model()->index(grid->currentRow(), 0)).center();
        QMouseEvent e(QEvent::MouseButtonDblClick, p, grid->viewport()->mapToGlobal(p), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &e);
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(user->prompter.notices(), QStringList{msg::recordLinked});
    EXPECT_EQ(dm->slot("mgradetorzs"), g);
    EXPECT_EQ(stored(g), "Picked");
}

}  // namespace
