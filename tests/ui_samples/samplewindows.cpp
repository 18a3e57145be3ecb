#include "samplewindows.h"

#include "core/forms.h"
#include "core/openers.h"
#include "db/sqltext.h"
#include "samples/forms_samples.h"

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
    auto sql = [this](const QString& q) { return scalar(q); };
    const QString m331 = sql(QStringLiteral("insert into meresek (id, tipus, mit_mer, labor_kod) values (%1, 331, 1, 0) returning meres_id").arg(s));
    const QString m335 = sql(QStringLiteral("insert into meresek (id, tipus) values (%1, 335) returning meres_id").arg(s));
    const QString person = sql(QStringLiteral("insert into szemelyt (lastname, firstname, orszag_kod, varos_kod) values ('Kis', 'Éva', 0, 0) returning nev_kod"));
    const QString lit = sql(QStringLiteral("insert into litt (fajta, title, mnemonic) values (3, 'A report', 'Kis 2001') returning lit_id"));
    const QString alk = sql(QStringLiteral("insert into alk_met (sample_id, met_id) values (%1, 1) returning alkmet_id").arg(s));
    for (const QString& r : QStringList{
             QStringLiteral("insert into meres_nev values (%1, %2)").arg(m331, person),
             QStringLiteral("insert into meres_sampl_cl (meres_id, sample_id) values (%1, %2)").arg(m335, s),
             QStringLiteral("insert into alkmet_nev values (%1, %2)").arg(alk, person),
             QStringLiteral("insert into met_elem (alkmet_id, elem_kod, sample_id, ertek) values (%1, 14, %2, 51.2)").arg(alk, s),
             QStringLiteral("insert into samp_miner (sample_id, jarulek_kod, ertek, meres_id) values (%1, 1, '++', %2)").arg(s, m331),
             QStringLiteral("insert into samp_miner_mac (sample_id, jarulek_kod, ertek, meres_id) values (%1, 1, '+', %2)").arg(s, m331),
             QStringLiteral("insert into samp_cl (sample_id, jarulek_kod, meres_id) values (%1, 1, %2)").arg(s, m335),
             QStringLiteral("insert into phisical_prop (sample_id, density) values (%1, 2.65)").arg(s),
             QStringLiteral("insert into esrt (sample_id, gain) values (%1, 1)").arg(s),
             QStringLiteral("insert into faqta (sample_id, n100) values (%1, 1)").arg(s),
             QStringLiteral("insert into samp_konz values (%1, 1)").arg(s),
             QStringLiteral("insert into mint_lit (sample_id, lit_id, type) values (%1, %2, 1)").arg(s, lit),
             QStringLiteral("insert into mint_lit (sample_id, lit_id, type, meres_id) values (%1, %2, 4, %3)").arg(s, lit, m331),
             QStringLiteral("insert into kepekt (kep, sample_id, kepnev, csoport, meres_id) values ('\\xffd8', %1, 'p', 2, %2)").arg(s, m331),
         })
        sql(r);
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
