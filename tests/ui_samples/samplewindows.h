#pragma once
// Fixture for the sample list and the sample editor against a real server: the
// samples windows are created for each test's data module, the scripted user
// drives them, and the second session arranges rows and reads back.

#include "controls/dbgrid.h"
#include "core/datam.h"
#include "core/gradbtn.h"
#include "samples/ident_page.h"
#include "samples/samplem2_f.h"
#include "samples/samplet2_form.h"
#include "support/windowtest.h"

#include <QStringList>

namespace samplestest {

class SampleWindows : public testing_support::WindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    samples::Tsamplet2* list = nullptr;
    samples::Tsamplem2* editor = nullptr;
    samples::IdentSection* ident() const;

    // a sample through the second session; returns its id
    QString addSample(const QString& name, int type = 1, const QString& extraColumns = {}, const QString& extraValues = {});
    // a sample with rows in every table the list's delete clears, and in the tables that hang on them
    QString fullSample(const QString& name);
    int count(const QString& from);
    // the row counts of the twelve tables of the list's delete for one sample
    std::vector<int> twelveTables(const QString& id);

    // what the list's grid shows in a column, top to bottom; its titles and widths
    QStringList shown(const QString& field) const { return WindowTest::shown(list->grid(), field); }
    QStringList captions() const { return WindowTest::captions(list->grid()); }
    std::vector<int> widths() const { return WindowTest::widths(list->grid()); }

    // shows the editor for a sample (as the list's "Show/Edit"), runs the handler, closes it
    void inEditor(const QString& id, std::function<void()> handler);
    // shows the list (as the main window's item), runs the handler, closes it
    void inList(std::function<void()> handler);
    static void click(QWidget* w);
    static void clickTitle(controls::DBGrid* g, const QString& field);
    // presses the page's button with this text
    static void press(QWidget* page, const QString& text);
    static void settle() { WindowTest::settle(40, 10); }

    // every statement sent by the program while the function runs
    QStringList statementsDuring(const std::function<void()>& f);

    // nodes of the editor's tree in tree order: "code id caption", children indented by two blanks
    QStringList treeLines() const;
};

}  // namespace samplestest
