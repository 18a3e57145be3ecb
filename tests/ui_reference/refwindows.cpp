#include "refwindows.h"

#include "core/forms.h"
#include "core/openers.h"
#include "db/sqltext.h"
#include "reference/forms_reference.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace reftest {

void RefWindows::SetUp()
{
    DbTest::SetUp();
    dm->rights = QStringLiteral("D");
    reference::createForms();
}

void RefWindows::TearDown()
{
    reference::destroyForms();
    DbTest::TearDown();
}

reference::RefList* RefWindows::list(const QString& listClass)
{
    auto* w = reference::listWindow(listClass);
    EXPECT_NE(w, nullptr) << listClass.toStdString();
    return w;
}

reference::RefEdit* RefWindows::editor(const QString& editClass)
{
    auto* w = reference::editWindow(editClass);
    EXPECT_NE(w, nullptr) << editClass.toStdString();
    return w;
}

void RefWindows::clear(const QString& table) { admin().exec(QStringLiteral("truncate %1 cascade").arg(table)); }

QString RefWindows::seed(const QString& sql, const QString& name, int number)
{
    QString text = QString(sql).arg(db::quote(name));
    if (text.contains(QLatin1String("%2"))) text = text.arg(number);
    const db::Dataset d = admin().open(text);
    return d.text(0, 0);
}

bool RefWindows::select(reference::RefList* w, const QString& key)
{
    const int r = w->list().locate(w->desc().key, key.toInt());
    if (r < 0) return false;
    w->grid()->setCurrentRow(r);
    return true;
}

QString RefWindows::currentKey(reference::RefList* w) { return w->grid()->currentText(w->desc().key); }

void RefWindows::doubleClick(reference::RefList* w, int row)
{
    auto* g = w->grid();
    const QPoint p = g->visualRect(g->model()->index(row, 0)).center();
    QMouseEvent e(QEvent::MouseButtonDblClick, p, g->viewport()->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(g->viewport(), &e);
}

void RefWindows::pressEnter(reference::RefList* w)
{
    QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w->grid(), &e);
}

bool RefWindows::titleBold(reference::RefList* w, const QString& field)
{
    auto* m = w->grid()->dataModel();
    const QVariant f = m->headerData(m->columnOf(field), Qt::Horizontal, Qt::FontRole);
    return f.isValid() && f.value<QFont>().bold();
}

void RefWindows::browse(const QString& listClass, std::function<void(reference::RefList*)> handler)
{
    when<reference::RefList>(listClass, std::move(handler));
    ASSERT_TRUE(core::openWindow(listClass)) << "no opener for " << listClass.toStdString();
}

}  // namespace reftest
