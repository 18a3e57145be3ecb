#pragma once
// Fixture for the reference-list windows against a real server: the windows are
// created for each test's data module, the scripted user drives them, and the
// second session arranges rows and reads back what the windows wrote.

#include "controls/dbgrid.h"
#include "core/datam.h"
#include "core/gradbtn.h"
#include "reference/refedit.h"
#include "reference/reflist.h"
#include "support/windowtest.h"

#include <QLineEdit>
#include <QStringList>

namespace reftest {

class RefWindows : public testing_support::WindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    reference::RefList* list(const QString& listClass);
    reference::RefEdit* editor(const QString& editClass);

    // the table emptied (and whatever refers to it)
    void clear(const QString& table);
    // one row through the second session; returns the key
    QString seed(const QString& sqlReturningKey, const QString& name, int number = 0);

    // what the list's grid shows in a column, top to bottom; its titles and widths
    using WindowTest::captions;
    using WindowTest::clickTitle;
    using WindowTest::shown;
    using WindowTest::widths;
    static QStringList shown(reference::RefList* w, const QString& field) { return shown(w->grid(), field); }
    static QStringList captions(reference::RefList* w) { return captions(w->grid()); }
    static std::vector<int> widths(reference::RefList* w) { return widths(w->grid()); }
    // the row showing this key made current; false when the key is not listed
    static bool select(reference::RefList* w, const QString& key);
    static QString currentKey(reference::RefList* w);

    // the user's hands
    static void doubleClick(reference::RefList* w, int row);
    static void pressEnter(reference::RefList* w);
    static void clickTitle(reference::RefList* w, const QString& field) { clickTitle(w->grid(), field); }
    static bool titleBold(reference::RefList* w, const QString& field);

    // the menu item of a list, with a handler for its showing
    void browse(const QString& listClass, std::function<void(reference::RefList*)> handler);
};

}  // namespace reftest
