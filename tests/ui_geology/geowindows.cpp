#include "geowindows.h"

#include "core/forms.h"
#include "core/openers.h"
#include "db/sqltext.h"
#include "reference/forms_reference.h"
#include "reference/reflist.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace geotest {

void GeoWindows::SetUp()
{
    DbTest::SetUp();
    loginAs(QStringLiteral("admin"));
    reference::createForms();
}

void GeoWindows::TearDown()
{
    reference::destroyForms();
    DbTest::TearDown();
}

void GeoWindows::openItem(const QString& name) { ASSERT_TRUE(core::openWindow(name)) << "no opener for " << name.toStdString(); }

QString GeoWindows::seedLabor(const QString& name)
{
    return admin()
        .open(QStringLiteral("insert into labort (labor_nev, orszag_kod, varos_kod) values (%1, 0, 0) returning labor_kod")
                  .arg(db::quote(name)))
        .text(0, 0);
}

QString GeoWindows::seedArtefact(const QString& name, const QString& laborId, const QString& description,
                                 const QString& creator)
{
    return admin()
        .open(QStringLiteral("insert into artefactt (art_name, labor_id, description, letre_user, letre_dat) "
                             "select %1, %2, %3, user_id, now() from users where user_name = %4 returning art_id")
                  .arg(db::quote(name), laborId.isEmpty() ? QStringLiteral("null") : laborId, db::quote(description),
                       db::quote(creator)))
        .text(0, 0);
}

void GeoWindows::chooseInstitution(const QString& laborId)
{
    // the institution list confirms the row of this institution
    user->modal.on(QStringLiteral("Tlabort"), [laborId](QDialog* d) {
        auto* list = qobject_cast<reference::RefList*>(d);
        ASSERT_NE(list, nullptr);
        ASSERT_TRUE(selectKey(list->grid(), QStringLiteral("labor_kod"), laborId)) << laborId.toStdString();
        list->okButton()->click();
    });
}

bool GeoWindows::selectKey(controls::DBGrid* g, const QString& field, const QString& key)
{
    const int r = g->query()->locate(field, key.toInt());
    if (r < 0) return false;
    g->setCurrentRow(r);
    return true;
}

void GeoWindows::clickRow(controls::DBGrid* g, int row)
{
    const QPoint p = g->visualRect(g->model()->index(row, 1)).center();
    const QPoint global = g->viewport()->mapToGlobal(p);
    QMouseEvent press(QEvent::MouseButtonPress, p, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, p, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(g->viewport(), &press);
    QApplication::sendEvent(g->viewport(), &release);
}

void GeoWindows::pressKey(QWidget* w, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

void GeoWindows::typeInto(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
    }
}

}  // namespace geotest
