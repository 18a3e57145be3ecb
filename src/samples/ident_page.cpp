#include "samples/ident_page.h"

#include "core/datam.h"
#include "core/dates.h"
#include "core/gradbtn.h"
#include "core/messages.h"
#include "core/pwait_procf.h"
#include "samples/desc_page.h"
#include "samples/idfield.h"
#include "samples/samplem2_f.h"
#include "samples/show_editor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <optional>

namespace samples {
namespace {

// a click on a caption or on the frame around a choice chooses it
class ClickChooses : public QObject {
public:
    ClickChooses(QRadioButton* radio, QObject* parent) : QObject(parent), radio_(radio) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonRelease) {
            radio_->setChecked(true);
            return true;
        }
        return QObject::eventFilter(o, e);
    }

private:
    QRadioButton* radio_;
};

// a titled block: the gradient title band over a grid of labelled fields
QWidget* block(const QString& title, QGridLayout** grid, QWidget* parent)
{
    auto* w = new QFrame(parent);
    w->setFrameShape(QFrame::StyledPanel);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 6);
    v->setSpacing(4);
    v->addWidget(new core::GradLabel(title, w));
    *grid = new QGridLayout;
    (*grid)->setContentsMargins(8, 2, 8, 0);
    (*grid)->setHorizontalSpacing(8);
    (*grid)->setVerticalSpacing(4);
    (*grid)->setColumnStretch(1, 1);
    v->addLayout(*grid);
    return w;
}

void addRow(QGridLayout* g, QLabel* label, QWidget* field)
{
    const int r = g->rowCount();
    g->addWidget(label, r, 0);
    g->addWidget(field, r, 1);
}

void addBox(QGridLayout* g, const QString& label, QLineEdit** box, QWidget* parent)
{
    QLabel* l = nullptr;
    *box = readOnlyBox(label, &l, parent);
    addRow(g, l, *box);
}

const QString typeCaptions[3] = {QStringLiteral("Geological S."), QStringLiteral("Archaeological S."), QStringLiteral("Other")};
const QColor typeColours[3] = {QColor(120, 150, 90), QColor(176, 112, 64), QColor(110, 120, 160)};

constexpr int All = IdField::Pick | IdField::Show | IdField::Clear;

}  // namespace

IdentSection::IdentSection(Tsamplem2& editor) : Section(editor)
{
    page_ = new QWidget;
    page_->setObjectName(QStringLiteral("identification"));
    page_->setAccessibleName(QStringLiteral("Identification"));

    QGridLayout* head = nullptr;
    QWidget* headBlock = block(QStringLiteral(" Identification"), &head, page_);
    addBox(head, QStringLiteral("Sample ID:"), &sampleId_, page_);
    sampleId_->setMaximumWidth(120);
    auto edit = [&](const QString& label) {
        auto* l = new QLabel(label, page_);
        auto* e = new QLineEdit(page_);
        e->setAccessibleName(label);
        l->setBuddy(e);
        addRow(head, l, e);
        return e;
    };
    name_ = edit(QStringLiteral("Samplename:"));
    short_ = edit(QStringLiteral("Short Desc.:"));

    auto* dateLabel = new QLabel(QStringLiteral("Date of Sampling:"), page_);
    auto* dateRow = new QWidget(page_);
    auto* dh = new QHBoxLayout(dateRow);
    dh->setContentsMargins(0, 0, 0, 0);
    dateCheck_ = new QCheckBox(dateRow);
    dateCheck_->setAccessibleName(QStringLiteral("Date of Sampling: given"));
    date_ = new QDateEdit(dateRow);
    core::setupDateEdit(date_);
    date_->setDate(QDate::currentDate());
    date_->setAccessibleName(dateLabel->text());
    date_->setEnabled(false);
    QObject::connect(dateCheck_, &QCheckBox::toggled, date_, &QWidget::setEnabled);
    dateLabel->setBuddy(date_);
    dh->addWidget(dateCheck_);
    dh->addWidget(date_);
    dh->addStretch(1);
    addRow(head, dateLabel, dateRow);

    auto* typeLabel = new QLabel(QStringLiteral("Sample type:"), page_);
    auto* typeRow = new QWidget(page_);
    auto* th = new QHBoxLayout(typeRow);
    th->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(page_);
    for (int i = 0; i < 3; ++i) {
        TypeChoice& c = types_[size_t(i)];
        c.frame = new QFrame(typeRow);
        c.frame->setObjectName(QStringLiteral("typeFrame%1").arg(i + 1));
        c.frame->setStyleSheet(QStringLiteral("QFrame#typeFrame%1 { border: 2px solid %2; border-radius: 4px; }")
                                   .arg(i + 1)
                                   .arg(typeColours[i].name()));
        c.frame->setCursor(Qt::PointingHandCursor);
        auto* fh = new QHBoxLayout(c.frame);
        fh->setContentsMargins(6, 3, 8, 3);
        c.radio = new QRadioButton(c.frame);
        c.radio->setAccessibleName(typeCaptions[i]);
        c.caption = new QLabel(typeCaptions[i], c.frame);
        c.caption->setBuddy(c.radio);
        fh->addWidget(c.radio);
        fh->addWidget(c.caption);
        auto* chooser = new ClickChooses(c.radio, c.frame);
        c.frame->installEventFilter(chooser);
        c.caption->installEventFilter(chooser);
        group->addButton(c.radio, i + 1);
        th->addWidget(c.frame);
        QObject::connect(c.radio, &QRadioButton::toggled, page_, [this](bool on) {
            if (on) typeSwitch();
        });
    }
    th->addStretch(1);
    typeLabel->setBuddy(types_[0].radio);
    addRow(head, typeLabel, typeRow);

    QGridLayout* store = nullptr;
    QWidget* storeBlock = block(QStringLiteral(" Samples storage places"), &store, page_);
    storeName = new IdField(QStringLiteral("Name:"), All, storeBlock);
    storeInst = new IdField(QStringLiteral("Instit.:"), All, storeBlock);
    addRow(store, storeName->label(), storeName);
    addRow(store, storeInst->label(), storeInst);
    QGridLayout* samp = nullptr;
    QWidget* sampBlock = block(QStringLiteral(" Sampled by"), &samp, page_);
    sampName = new IdField(QStringLiteral("Name:"), All, sampBlock);
    sampInst = new IdField(QStringLiteral("Instit.:"), All, sampBlock);
    addRow(samp, sampName->label(), sampName);
    addRow(samp, sampInst->label(), sampInst);
    // the same captions twice on the page: tell them apart for screen readers
    storeName->nameBox()->setAccessibleName(QStringLiteral("Storage place Name:"));
    storeInst->nameBox()->setAccessibleName(QStringLiteral("Storage place Instit.:"));
    sampName->nameBox()->setAccessibleName(QStringLiteral("Sampled by Name:"));
    sampInst->nameBox()->setAccessibleName(QStringLiteral("Sampled by Instit.:"));
    auto* people = new QHBoxLayout;
    people->addWidget(storeBlock);
    people->addWidget(sampBlock);

    sub_ = new QStackedWidget(page_);
    sub_->addWidget(buildGeo());
    sub_->addWidget(buildArt());
    sub_->addWidget(buildOther());

    PageActions actions;
    actions.save = [this] { ident_ment(); };
    actions.saveRight = [this] { return this->editor().ownerTest(QLatin1Char('I')); };
    actions.saveWait = Wait::None;  // the save starts its indicator after the question
    actions.refresh = [this] { ident_betolt(); };
    actions.refreshWait = Wait::Proc;
    actions.rereadLinks = false;

    auto* v = new QVBoxLayout(page_);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(6);
    v->addWidget(headBlock);
    v->addLayout(people);
    v->addWidget(sub_, 1);
    v->addWidget(editor.saveRefreshBar(page_, actions));

    QObject::connect(&editor, &Tsamplem2::sampleIdChanged, sampleId_, [this](const QString& id) { sampleId_->setText(id); });
    wireButtons();
    QWidget::setTabOrder(name_, short_);
    QWidget::setTabOrder(short_, dateCheck_);
    QWidget::setTabOrder(dateCheck_, date_);
}

QWidget* IdentSection::buildGeo()
{
    auto* w = new QWidget;
    w->setObjectName(QStringLiteral("geo_sit"));
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    QGridLayout* g = nullptr;
    QWidget* b = block(QStringLiteral(" Locality of Geological Samples"), &g, w);
    geoLocality = new IdField(QStringLiteral("Locality:"), All, b);
    addRow(g, geoLocality->label(), geoLocality);
    addBox(g, QStringLiteral("Country:"), &geoCountry, b);
    addBox(g, QStringLiteral("Continent:"), &geoContinent, b);
    geoUnitGeo = new IdField(QStringLiteral("Geo.Unit:"), All, b);
    addRow(g, geoUnitGeo->label(), geoUnitGeo);
    v->addWidget(b);
    v->addStretch(1);
    return w;
}

QWidget* IdentSection::buildArt()
{
    auto* w = new QWidget;
    w->setObjectName(QStringLiteral("art_sit"));
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    QGridLayout* g = nullptr;
    QWidget* b = block(QStringLiteral(" Artefact"), &g, w);
    artefact = new IdField(QStringLiteral("Artefact:"), All, b);
    addRow(g, artefact->label(), artefact);
    QGridLayout* sg = nullptr;
    QWidget* store = block(QStringLiteral(" Storage place of the artefact"), &sg, b);
    addBox(sg, QStringLiteral("Institute:"), &artInstitute, store);
    addBox(sg, QStringLiteral("Country:"), &artCountry, store);
    addBox(sg, QStringLiteral("City:"), &artCity, store);
    g->addWidget(store, g->rowCount(), 0, 1, 2);
    QGridLayout* eg = nullptr;
    QWidget* exc = block(QStringLiteral(" Locality of the excavation"), &eg, b);
    excLocality = new IdField(QStringLiteral("Excavation:"), All, exc);
    addRow(eg, excLocality->label(), excLocality);
    addBox(eg, QStringLiteral("Continent:"), &excContinent, exc);
    addBox(eg, QStringLiteral("Country:"), &excCountry, exc);
    geoUnitArt = new IdField(QStringLiteral("Geo.Unit:"), All, exc);
    addRow(eg, geoUnitArt->label(), geoUnitArt);
    g->addWidget(exc, g->rowCount(), 0, 1, 2);
    artCountry->setAccessibleName(QStringLiteral("Artefact Country:"));
    excCountry->setAccessibleName(QStringLiteral("Excavation Country:"));
    excContinent->setAccessibleName(QStringLiteral("Excavation Continent:"));
    geoUnitArt->nameBox()->setAccessibleName(QStringLiteral("Excavation Geo.Unit:"));
    v->addWidget(b);
    v->addStretch(1);
    return w;
}

QWidget* IdentSection::buildOther()
{
    auto* w = new QWidget;
    w->setObjectName(QStringLiteral("other_sit"));
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(new core::GradLabel(QStringLiteral(" Other"), w));
    otherText = new QPlainTextEdit(w);
    otherText->setAccessibleName(QStringLiteral("Other"));
    v->addWidget(otherText, 1);
    return w;
}

void IdentSection::wireButtons()
{
    using F = IdField;
    auto on = [this](IdField* f, void (F::*signal)(), std::function<void()> act) {
        QObject::connect(f, signal, page_, [act = std::move(act)] { act(); });
    };
    for (IdField* f : {storeName, sampName}) {
        on(f, &F::pickClicked, [this, f] { pickPerson(f); });
        on(f, &F::showClicked, [this, f] { showRecord(QStringLiteral("Tszemelym"), f, false); });
    }
    for (IdField* f : {storeInst, sampInst}) {
        on(f, &F::pickClicked, [this, f] { pickInstitute(f); });
        on(f, &F::showClicked, [this, f] { showRecord(QStringLiteral("Tlaborm"), f, false); });
    }
    for (IdField* f : {storeName, sampName, storeInst, sampInst})
        on(f, &F::clearClicked, [this, f] {
            if (clearRight()) f->clear();
        });

    on(geoLocality, &F::pickClicked, [this] { pickLocality(geoLocality, geoContinent, geoCountry, true); });
    on(geoLocality, &F::showClicked, [this] { showRecord(QStringLiteral("Tlocalitym"), geoLocality, true); });
    on(geoLocality, &F::clearClicked, [this] {
        if (!clearRight()) return;
        geoLocality->set(QStringLiteral("0"), {});
        geoCountry->clear();
        geoContinent->clear();
        geoUnitGeo->setName({});
    });
    on(geoUnitGeo, &F::pickClicked, [this] { pickGeoUnit(geoUnitGeo, true); });
    on(geoUnitGeo, &F::showClicked, [this] { showRecord(QStringLiteral("Tgeo_un_mod"), geoUnitGeo, false); });
    on(geoUnitGeo, &F::clearClicked, [this] { geoUnitGeo->clear(); });

    on(artefact, &F::pickClicked, [this] { pickArtefact(); });
    on(artefact, &F::showClicked, [this] { showRecord(QStringLiteral("Tartm"), artefact, false); });
    on(artefact, &F::clearClicked, [this] {
        if (!clearRight()) return;
        artefact->clear();
        artInstitute->clear();
        artCountry->clear();
        artCity->clear();
    });
    on(excLocality, &F::pickClicked, [this] { pickLocality(excLocality, excContinent, excCountry, false); });
    on(excLocality, &F::showClicked, [this] { showRecord(QStringLiteral("Tlocalitym"), excLocality, true); });
    on(excLocality, &F::clearClicked, [this] {
        if (!clearRight()) return;
        excLocality->set(QStringLiteral("0"), {});
        excContinent->clear();
        excCountry->clear();
        geoUnitArt->setName({});
    });
    on(geoUnitArt, &F::pickClicked, [this] { pickGeoUnit(geoUnitArt, false); });
    on(geoUnitArt, &F::showClicked, [this] { showRecord(QStringLiteral("Tgeo_un_mod"), geoUnitArt, false); });
    on(geoUnitArt, &F::clearClicked, [this] { geoUnitArt->clear(); });
}

std::vector<NodeRoute> IdentSection::routes() { return {NodeRoute::showPage({1}, QStringLiteral("identification"))}; }

// ---- type ------------------------------------------------------------------------

int IdentSection::chosenType() const
{
    for (int t = 1; t <= 3; ++t)
        if (typeButton(t)->isChecked()) return t;
    return 0;
}

void IdentSection::chooseType(int type)
{
    if (type < 1 || type > 3) type = 3;
    typeButton(type)->setChecked(true);
}

QString IdentSection::subPageName() const { return sub_->currentWidget()->objectName(); }

void IdentSection::typeSwitch()
{
    const int t = chosenType();
    if (t == 0) return;
    if (editor().ownerTest(QLatin1Char('N'))) sub_->setCurrentIndex(t - 1);
}

// ---- loading ------------------------------------------------------------------------

void IdentSection::clearGeo()
{
    geoLocality->clear();
    geoCountry->clear();
    geoContinent->clear();
    geoUnitGeo->clear();
}

void IdentSection::clearArt()
{
    artefact->clear();
    artInstitute->clear();
    artCountry->clear();
    artCity->clear();
}

void IdentSection::clearExcavation()
{
    excLocality->clear();
    excContinent->clear();
    excCountry->clear();
    geoUnitArt->clear();
}

// what both the new-sample state and the page's Refresh of a new sample empty
void IdentSection::clearLoadFields()
{
    name_->clear();
    short_->clear();
    geoLocality->clear();
    geoContinent->clear();
    geoCountry->clear();
    geoUnitGeo->setName({});
    clearArt();
    for (IdField* f : {storeName, storeInst, sampName, sampInst}) f->clear();
}

void IdentSection::fill(const db::Dataset& row, bool wholeLoad)
{
    core::Tdm& dm = core::dm();
    if (row.isEmpty()) {
        // the sample's creator is unknown: the page stays empty
        clearLoadFields();
        clearExcavation();
        otherText->clear();
        dateCheck_->setChecked(false);
        return;
    }
    auto text = [&](const char* field) { return row.text(0, QString::fromLatin1(field)); };
    name_->setText(text("sample_name"));
    name_->setCursorPosition(0);
    const bool hasDate = !row.isNull(0, QStringLiteral("date_of_sam"));
    dateCheck_->setChecked(hasDate);
    if (hasDate) date_->setDate(row.value(0, QStringLiteral("date_of_sam")).toDate());
    storeName->set(text("tnev_kod"), text("tnev"));
    storeInst->set(text("tlabor_kod"), text("tlabor"));
    sampName->set(text("sznev_kod"), text("sznev"));
    sampInst->set(text("szlabor_kod"), text("szlabor"));
    short_->setText(text("short_d"));
    short_->setCursorPosition(0);
    geoLocality->setId(text("locality_id"));
    excLocality->setId(text("locality_id"));
    artefact->set(text("art_id"), dm.artnev(text("art_id")));
    if (!wholeLoad) {
        editor().setCreatorUserName(dm.usernev(text("letre_user")));
        editor().createdDateField()->setText(text("letre_date"));
        editor().setSampleCaption(text("sample_name"));
    }
    const int type = row.row(0).toInt(QStringLiteral("mint_jel"));
    chooseType(type);
    switch (type) {
    case 1:
        geoUnitGeo->set(text("geo_id"), text("geo_nev"));
        geoLocality->setName({});
        geoContinent->clear();
        geoCountry->clear();
        clearArt();
        clearExcavation();
        otherText->clear();
        sub_->setCurrentIndex(0);
        break;
    case 2:
        geoUnitArt->set(text("geo_id"), text("geo_nev"));
        excLocality->setName({});
        excContinent->clear();
        excCountry->clear();
        artInstitute->clear();
        artCountry->clear();
        artCity->clear();
        clearGeo();
        otherText->clear();
        excLocality->setId(text("locality_id"));
        sub_->setCurrentIndex(1);
        break;
    default:
        clearGeo();
        clearArt();
        clearExcavation();
        otherText->setPlainText(text("other_type"));
        break;
    }
}

void IdentSection::readLocality(const QString& id, IdField* name, QLineEdit* continent, QLineEdit* country)
{
    const db::Dataset d = core::dm().conn().open(localityDetailsSql(id));
    const bool has = !d.isEmpty();
    name->setName(has ? d.text(0, QStringLiteral("loc_name")) : QString());
    continent->setText(has ? d.text(0, QStringLiteral("kont_name")) : QString());
    country->setText(has ? d.text(0, QStringLiteral("orszag_nev")) : QString());
}

void IdentSection::readArtefact(const QString& id)
{
    const db::Dataset d = core::dm().conn().open(artefactDetailsSql(id));
    const bool has = !d.isEmpty();
    artInstitute->setText(has ? d.text(0, QStringLiteral("labor_nev")) : QString());
    artCountry->setText(has ? d.text(0, QStringLiteral("orszag_nev")) : QString());
    artCity->setText(has ? d.text(0, QStringLiteral("varos_nev")) : QString());
}

// the details statements of the loaded type; a locality of id 0 has no row to read
void IdentSection::details()
{
    auto isSet = [](const QString& id) { return !id.trimmed().isEmpty() && id.trimmed() != QLatin1String("0"); };
    switch (chosenType()) {
    case 1:
        if (isSet(geoLocality->id())) readLocality(geoLocality->id(), geoLocality, geoContinent, geoCountry);
        break;
    case 2:
        if (!artefact->id().trimmed().isEmpty()) readArtefact(artefact->id());
        if (isSet(excLocality->id())) readLocality(excLocality->id(), excLocality, excContinent, excCountry);
        break;
    default:
        break;
    }
}

void IdentSection::fillFromSample(const db::Dataset& sample) { fill(sample, true); }

void IdentSection::load()
{
    details();
    typeSwitch();
}

void IdentSection::clearForNewSample()
{
    // a new sample starts empty: nothing of the previous one may slip into its row
    clearLoadFields();
    geoUnitGeo->clear();
    clearExcavation();
    otherText->clear();
    dateCheck_->setChecked(false);
    date_->setDate(QDate::currentDate());
    sampleId_->clear();
    editor().showPage(QStringLiteral("identification"));
    typeButton(1)->setChecked(true);
    sub_->setCurrentIndex(0);
    typeSwitch();
}

void IdentSection::ident_betolt()
{
    if (editor().isNewSample()) {
        editor().clearTree();
        clearLoadFields();
        editor().showPage(QStringLiteral("identification"));
        return;
    }
    editor().resetOrders();
    try {
        const db::Dataset row = core::dm().conn().open(identLoadSql(editor().sampleId()));
        fill(row, false);
        details();
    } catch (const db::DbError& e) {
        core::dm().showError(e);
    }
    typeSwitch();
}

// ---- saving ---------------------------------------------------------------------------

IdentValues IdentSection::values() const
{
    IdentValues v;
    v.name = name_->text();
    v.shortD = short_->text();
    if (auto* desc = dynamic_cast<DescSection*>(editor().section(QStringLiteral("desc")))) v.description = desc->text();
    v.hasDate = dateCheck_->isChecked();
    v.date = date_->date();
    const int t = chosenType();
    v.type = t == 0 ? 3 : t;
    v.tnev = storeName->id();
    v.tlabor = storeInst->id();
    v.sznev = sampName->id();
    v.szlabor = sampInst->id();
    v.geoLocality = geoLocality->id();
    v.geoUnitGeo = geoUnitGeo->id();
    v.artId = artefact->id();
    v.excLocality = excLocality->id();
    v.geoUnitArt = geoUnitArt->id();
    v.otherText = otherText->toPlainText();
    v.currentUserId = core::dm().current_user_id;
    return v;
}

void IdentSection::ident_ment()
{
    core::Tdm& dm = core::dm();
    const IdentValues v = values();
    const QStringList problems = identValidate(v);
    if (!problems.isEmpty()) {
        dm.uzenet(identMessage(problems));
        return;
    }
    if (!dm.kerdes(msg::confirmSave)) return;
    std::optional<core::ProcWait> wait(std::in_place);
    if (!editor().isNewSample()) {
        try {
            dm.conn().exec(identUpdateSql(v, editor().sampleId()));
        } catch (const db::DbError& e) {
            wait.reset();
            dm.showError(e);
            return;
        }
        ident_betolt();
        return;
    }
    QString newId;
    try {
        dm.conn().exec(identInsertSql(v));
        const db::Dataset d = dm.conn().open(identCurrvalSql);
        if (d.rowCount() == 1) newId = d.text(0, QStringLiteral("sample_id"));
    } catch (const db::DbError& e) {
        // the transaction the insert opened must not stay open
        try {
            dm.conn().exec(identRollbackSql);
        } catch (const db::DbError&) {
        }
        wait.reset();
        dm.showError(e);
        return;
    }
    if (!newId.isEmpty()) editor().becomeExisting(newId);
}

// ---- buttons ----------------------------------------------------------------------------

bool IdentSection::clearRight() { return core::dm().jogell(QStringLiteral("D")); }

void IdentSection::pickPerson(IdField* f)
{
    core::Tdm& dm = core::dm();
    if (!editor().ownerTest()) return;
    const QString id = dm.szemelytorzs(f->id());
    f->set(id, dm.szemelynev(id));
}

void IdentSection::pickInstitute(IdField* f)
{
    core::Tdm& dm = core::dm();
    if (!editor().ownerTest()) return;
    const QString id = dm.labortorzs(f->id());
    f->set(id, dm.labornev(id));
}

void IdentSection::pickLocality(IdField* f, QLineEdit* continent, QLineEdit* country, bool geological)
{
    core::Tdm& dm = core::dm();
    // the geological locality: an existing sample is refused without a word
    const QChar mode = geological && !editor().isNewSample() ? QLatin1Char('N') : QLatin1Char('I');
    if (!editor().ownerTest(mode)) return;
    const QString id = dm.localityfa(f->id());
    if (id.isEmpty()) return;
    f->set(id, dm.localitynev(id));
    try {
        readLocality(id, f, continent, country);
    } catch (const db::DbError& e) {
        dm.showError(e);
    }
}

void IdentSection::pickGeoUnit(IdField* f, bool needsRight)
{
    core::Tdm& dm = core::dm();
    if (needsRight && !editor().ownerTest()) return;
    const QString id = dm.geo_untorzs(f->id());
    if (id.isEmpty()) return;
    f->set(id, dm.geonev(id));
}

void IdentSection::pickArtefact()
{
    core::Tdm& dm = core::dm();
    if (!editor().isNewSample() && !dm.jogellnev(QStringLiteral("CD"), editor().creatorUserName())) return;
    const QString id = dm.arttorzs(artefact->id());
    if (id.isEmpty()) return;
    artefact->set(id, dm.artnev(id));
    try {
        readArtefact(id);
    } catch (const db::DbError& e) {
        dm.showError(e);
    }
}

void IdentSection::showRecord(const QString& windowClass, IdField* f, bool zeroIsNone)
{
    const QString id = f->id().trimmed();
    if (id.isEmpty() || (zeroIsNone && id == QLatin1String("0"))) return;
    try {
        showRecordEditor(windowClass, id);
    } catch (const db::DbError& e) {
        core::dm().showError(e);
    }
}

void registerIdentSection()
{
    registerSection({QStringLiteral("ident"), stage::Identification, false,
                     [](Tsamplem2& e) { return std::make_unique<IdentSection>(e); }});
}

}  // namespace samples
