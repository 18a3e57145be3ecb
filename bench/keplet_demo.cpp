// Shows the formula controls side by side with the texts of the element and
// isotope registers, to look at them on a real screen.
//
//   bench_keplet_demo [--popup]   (--popup: the drop-down list opened)

#include "controls/dbgrid.h"
#include "controls/kep_sg.h"
#include "controls/keplet.h"
#include "controls/keplet_combo.h"
#include "controls/keplet_delegate.h"
#include "controls/keplet_lb.h"

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString br(controls::kBreve);
    const QStringList texts = {
        "^87^Sr/^86^Sr", "~d~^13^C vs PDB (‰)", "SiO" + br + "2" + br, "Al" + br + "2" + br + "O" + br + "3" + br,
        "(µm^2^)", "~d~^18^O vs SMOW (‰)", "Fe" + br + "2" + br + "O" + br + "3" + br, "^143^Nd/^144^Nd",
        "~m~g/g", "x^2"};

    QWidget w;
    w.setWindowTitle("Formula controls");
    auto* grid = new QGridLayout(&w);

    grid->addWidget(new QLabel("Tkeplet"), 0, 0);
    auto* labels = new QVBoxLayout;
    for (const QString& t : texts.mid(0, 5)) labels->addWidget(new controls::Tkeplet(t));
    labels->addStretch();
    grid->addLayout(labels, 1, 0);

    grid->addWidget(new QLabel("Tkeplet_lb"), 0, 1);
    auto* lb = new controls::Tkeplet_lb;
    lb->addItems(texts);
    lb->setCurrentRow(1);
    grid->addWidget(lb, 1, 1);

    grid->addWidget(new QLabel("Tkeplet_Combo"), 0, 2);
    auto* combo = new controls::Tkeplet_Combo;
    combo->addItems(texts);
    combo->setCurrentIndex(1);
    auto* comboBox = new QVBoxLayout;
    comboBox->addWidget(combo);
    comboBox->addStretch();
    grid->addLayout(comboBox, 1, 2);

    grid->addWidget(new QLabel("grid with KepletDelegate (isotope list: tilde rule)"), 2, 0, 1, 2);
    auto* model = new QStandardItemModel(0, 2, &w);
    model->setHorizontalHeaderLabels({"is_kod", "is_inev"});
    for (int i = 0; i < texts.size(); ++i)
        model->appendRow({new QStandardItem(QString::number(i + 1)), new QStandardItem(texts[i])});
    auto* view = new QTableView;
    view->setModel(model);
    controls::styleGrid(view);
    controls::KepletDelegate::installForColumn(view, 1, true);
    view->setColumnWidth(1, 180);
    view->selectRow(2);
    grid->addWidget(view, 3, 0, 1, 2);

    grid->addWidget(new QLabel("Tkep_sg"), 2, 2);
    auto* sg = new controls::Tkep_sg(int(texts.size()), 2);
    sg->setHorizontalHeaderLabels({"symbol", "Value"});
    for (int i = 0; i < texts.size(); ++i) {
        sg->setCellText(i, 0, texts[i]);
        sg->setCellText(i, 1, QString::number(0.5 * i));
    }
    sg->setColumnWidth(0, 150);
    sg->verticalHeader()->setDefaultSectionSize(22);
    sg->setCurrentCell(3, 0);
    grid->addWidget(sg, 3, 2);

    w.resize(900, 640);
    w.show();
    if (app.arguments().contains("--popup")) QTimer::singleShot(500, combo, &QComboBox::showPopup);
    return app.exec();
}
