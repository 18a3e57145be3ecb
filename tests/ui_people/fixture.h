#pragma once
// Fixture for the people, institution and locality windows against a real server:
// the windows are created for each test's data module, the scripted user drives
// them, and the second session arranges rows and reads back what was written.

#include "core/datam.h"
#include "core/forms.h"
#include "core/modal.h"
#include "support/windowtest.h"

#include <QStringList>
#include <functional>

namespace peopletest {

class PeopleWindows : public testing_support::WindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

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

    // a whole row read back as "col=value" pairs, for compact comparisons
    QString rowOf(const QString& sql);
};

}  // namespace peopletest
