#pragma once
// Fixture for the people, institution and locality windows against a real server:
// the windows are created for each test's data module, the scripted user drives
// them, and the second session arranges rows and reads back what was written.

#include "core/datam.h"
#include "core/forms.h"
#include "core/modal.h"
#include "support/testdb.h"

#include <QStringList>
#include <functional>


namespace controls { class DBGrid; }

namespace peopletest {

class PeopleWindows : public testing_support::DbTest {
protected:
    void SetUp() override;
    void TearDown() override;

    template <class W>
    W* window(const QString& name)
    {
        auto* w = core::Forms::get<W>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    // the next showing of a window runs the handler
    template <class W>
    void when(const QString& name, std::function<void(W*)> handler)
    {
        user->modal.on(name, [handler](QDialog* d) { handler(static_cast<W*>(d)); });
    }
    // shows a window through the modal seam, with a handler acting in it
    template <class W>
    void open(W* w, std::function<void(W*)> handler)
    {
        when<W>(w->objectName(), std::move(handler));
        core::showModal(w);
    }

    // rows arranged through the second session; each returns the new key
    QString person(const QString& last, const QString& first, const QString& creator = QStringLiteral("admin"),
                   const QString& scope = QString());
    QString institution(const QString& name, const QString& creator = QStringLiteral("admin"));
    // kont: a continent name or empty; upward: a key or empty
    QString locality(const QString& name, const QString& upward = QString(),
                     const QString& continent = QStringLiteral("Europe"), const QString& creator = QStringLiteral("admin"));
    QString countryId(const QString& name);
    QString cityId(const QString& name);  // inserts the city when missing

    // a click on the title of the grid column showing the field
    static void clickTitle(controls::DBGrid* grid, const QString& field);
    // lets the wait window's close timer run
    static void settle();
    // a whole row read back as "col=value" pairs, for compact comparisons
    QString rowOf(const QString& sql);
};

}  // namespace peopletest
