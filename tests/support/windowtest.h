#pragma once
// The base of the window fixtures: a fresh database and a scripted user (DbTest),
// and what a window test does as the user would: handle a window's next showing,
// find a registered window, read what a grid shows, click a column title, and
// let the event loop run.

#include "core/forms.h"
#include "support/testdb.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include <vector>

namespace controls { class DBGrid; }

namespace testing_support {

class WindowTest : public DbTest {
protected:
    // the next showing of the window of that class name runs the handler
    template <class W>
    void when(const QString& name, std::function<void(W*)> handler)
    {
        user->modal.on(name, [handler](QDialog* d) { handler(qobject_cast<W*>(d)); });
    }
    // a registered window by its class name
    template <class W>
    W* window(const QString& name)
    {
        auto* w = core::Forms::get<W>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }

    // what the grid shows in the field's column, top to bottom; a field the grid
    // has no column for is read from the grid's query
    static QStringList shown(controls::DBGrid* grid, const QString& field);
    // the column titles and widths, left to right
    static QStringList captions(controls::DBGrid* grid);
    static std::vector<int> widths(controls::DBGrid* grid);
    // a mouse press and release on the title of the field's column
    static void clickTitle(controls::DBGrid* grid, const QString& field);
    // lets the event loop run for ms milliseconds (the wait window's close timer,
    // queued repaints), in slices of at most slice milliseconds
    static void settle(int ms = 30, int slice = 5);
};

}  // namespace testing_support
