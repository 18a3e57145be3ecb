#include "samplewindows.h"

#include "core/forms.h"
#include "core/openers.h"
#include "db/sqltext.h"
#include "samples/forms_samples.h"
#include "support/samplerows.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTreeWidget>

namespace samplestest {

void SampleWindows::SetUp()
{
    DbTest::SetUp();
    loginAs(QStringLiteral("admin"));
    samples::createForms();
    list = samples::sampleList();
    editor = samples::sampleEditor();
}

void SampleWindows::TearDown()
{
    samples::destroyForms();
    DbTest::TearDown();
}

samples::IdentSection* SampleWindows::ident() const
{
    return dynamic_cast<samples::IdentSection*>(editor->section(QStringLiteral("ident")));
}

QString SampleWindows::addSample(const QString& name, int type, const QString& cols, const QString& vals)
{
    return scalar(QStringLiteral("insert into samplet (sample_name, mint_jel, letre_user, letre_date%1) values (%2, %3, "
                                 "(select user_id from users where user_name='admin'), '2024-03-05 10:20:30'%4) returning sample_id")
                      .arg(cols.isEmpty() ? QString() : QStringLiteral(",") + cols, db::quote(name))
                      .arg(type)
                      .arg(vals.isEmpty() ? QString() : QStringLiteral(",") + vals));
}

QString SampleWindows::fullSample(const QString& name)
{
    const QString s = addSample(name, 1, QStringLiteral("locality_id"), QStringLiteral("0"));
    testing_support::addSampleRows(s, [this](const QString& q) { return scalar(q); });
    return s;
}

int SampleWindows::count(const QString& from) { return scalar(QStringLiteral("select count(*) from ") + from).toInt(); }

std::vector<int> SampleWindows::twelveTables(const QString& id)
{
    std::vector<int> out;
    for (const char* t : {"met_elem", "alk_met", "phisical_prop", "samp_miner_mac", "kepekt", "samp_miner", "samp_cl",
                          "samp_konz", "mint_lit", "esrt", "faqta", "samplet"})
        out.push_back(count(QStringLiteral("%1 where sample_id=%2").arg(QLatin1String(t), id)));
    return out;
}

void SampleWindows::inEditor(const QString& id, std::function<void()> handler)
{
    user->modal.on(QStringLiteral("Tsamplem2"), [handler](QDialog* d) {
        handler();
        d->reject();
    });
    editor->setSampleId(id);
    core::showModal(editor);
}

void SampleWindows::inList(std::function<void()> handler)
{
    user->modal.on(QStringLiteral("Tsamplet2"), [handler](QDialog* d) {
        handler();
        d->reject();
    });
    ASSERT_TRUE(core::openWindow(QStringLiteral("Tsamplet2")));
}

void SampleWindows::click(QWidget* w)
{
    const QPoint c = w->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, c, w->mapToGlobal(c), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, c, w->mapToGlobal(c), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

void SampleWindows::clickTitle(controls::DBGrid* g, const QString& field)
{
    emit g->horizontalHeader()->sectionClicked(g->dataModel()->columnOf(field));
}

void SampleWindows::press(QWidget* page, const QString& text)
{
    for (auto* b : page->findChildren<core::GradBtn*>())
        if (b->text() == text && b->isVisibleTo(page)) {
            ASSERT_TRUE(b->isEnabled()) << text.toStdString();
            b->click();
            return;
        }
    FAIL() << "no button " << text.toStdString() << " on " << page->objectName().toStdString();
}

QStringList SampleWindows::statementsDuring(const std::function<void()>& f)
{
    QStringList sent;
    dm->conn().setTrace([&sent](const QString& s) { sent << s; });
    f();
    dm->conn().setTrace({});
    return sent;
}

QStringList SampleWindows::treeLines() const
{
    QStringList out;
    std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* it, int depth) {
        out << QString(depth * 2, QLatin1Char(' ')) + QStringLiteral("%1 %2 %3")
                                                         .arg(it->data(0, Qt::UserRole).toInt())
                                                         .arg(it->data(0, Qt::UserRole + 1).toInt())
                                                         .arg(it->text(0));
        for (int i = 0; i < it->childCount(); ++i) walk(it->child(i), depth + 1);
    };
    for (int i = 0; i < editor->tree()->topLevelItemCount(); ++i) walk(editor->tree()->topLevelItem(i), 0);
    return out;
}

}  // namespace samplestest
