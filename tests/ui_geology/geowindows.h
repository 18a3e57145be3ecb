#pragma once
// Fixture for the artefact, grade and geology windows against a real server: the
// reference windows are created for each test's data module, the scripted user
// drives them and the second session arranges rows and reads back.

#include "controls/dbgrid.h"
#include "core/datam.h"
#include "core/gradbtn.h"
#include "support/windowtest.h"

#include <QDialog>
#include <QStringList>
#include <functional>

namespace geotest {

class GeoWindows : public testing_support::WindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // the main window's menu item of a window, with a handler for its showing
    template <class W>
    void open(const QString& name, std::function<void(W*)> handler)
    {
        when<W>(name, std::move(handler));
        openItem(name);
    }
    void openItem(const QString& name);

    // rows through the second session; each returns the new key
    QString seedLabor(const QString& name);
    QString seedArtefact(const QString& name, const QString& laborId, const QString& description = {},
                         const QString& creator = QStringLiteral("admin"));

    // the institution picker: the next pick chooses this institution
    void chooseInstitution(const QString& laborId);

    static bool selectKey(controls::DBGrid* g, const QString& field, const QString& key);
    static void clickRow(controls::DBGrid* g, int row);
    static void pressKey(QWidget* w, int key);
    static void typeInto(QWidget* w, const QString& text);

    long long sent() const { return dm->conn().statementsSent(); }
};

}  // namespace geotest
