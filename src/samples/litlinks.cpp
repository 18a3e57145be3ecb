#include "samples/litlinks.h"

#include "controls/dbgrid.h"
#include "core/gradbtn.h"
#include "samples/meres_types.h"
#include "samples/samplem2_f.h"
#include "samples/samplem2_hooks.h"
#include "db/sqltext.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QShowEvent>
#include <QVBoxLayout>

namespace samples {

QString litLinksSql(const QString& sampleId)
{
    return QStringLiteral("select sample_id,lit_id,title,type,mnemonic,meres_id from mintlittorzs where sample_id=") + db::sqlKey(sampleId);
}

QString litGroupedSql(const QString& sampleId)
{
    return QStringLiteral("select sample_id,lit_id,title,max(type) as type,mnemonic from mintlittorzs where sample_id=")
        + db::sqlKey(sampleId) + QStringLiteral(" group by sample_id,lit_id,title,mnemonic");
}

namespace {
// link types of the sections without measurements, by node code
int plainLinkType(int code)
{
    switch (code) {
    case 2: return 1;
    case 31: return 2;
    case 32: return 3;
    case 36: return 9;
    case 37: return 10;
    default: return -1;
    }
}
}  // namespace

bool filtersLitLinks(int code) { return plainLinkType(code) >= 0 || code == 34 || meresTypeOfNode(code); }

QString litLinkFilter(const TreeNode& node)
{
    const QString type = QStringLiteral("type=");
    if (const int t = plainLinkType(node.code); t >= 0) return type + QString::number(t);
    if (node.code == 34) return QStringLiteral("type=11 or type=12");
    if (const MeresType* m = meresTypeOfNode(node.code)) {
        if (m->tipus == node.code) return type + QString::number(m->linkType);
        return type + QString::number(m->linkType) + QStringLiteral(" and meres_id=") + QString::number(node.id);
    }
    return {};
}

// ---- the panel ------------------------------------------------------------------

LitLinkPanel::LitLinkPanel(Tsamplem2& editor, int linkType, const QString& caption, QWidget* parent)
    : QWidget(parent), editor_(editor), linkType_(linkType)
{
    setObjectName(QStringLiteral("litlinks%1").arg(linkType));
    grid_ = new controls::DBGrid(this);
    grid_->setObjectName(QStringLiteral("litGrid"));
    grid_->setAccessibleName(caption);
    grid_->setQuery(editor.dataset(litLinksDataset), {{QStringLiteral("mnemonic"), caption, 300}});
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setMinimumHeight(90);

    auto button = [this](const QString& text) {
        auto* b = new core::GradBtn(text, this);
        b->setAutoDefault(false);
        b->setMinimumWidth(80);
        return b;
    };
    add_ = button(QStringLiteral("Add"));
    showEdit_ = button(QStringLiteral("Show/Edit"));
    del_ = button(QStringLiteral("Del"));
    connect(add_, &QPushButton::clicked, this, [this] {
        if (const auto& f = litLinkActions().add) f(*this);
    });
    connect(showEdit_, &QPushButton::clicked, this, [this] {
        if (const auto& f = litLinkActions().showEdit) f(*this);
    });
    connect(del_, &QPushButton::clicked, this, [this] {
        if (const auto& f = litLinkActions().del) f(*this);
    });
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(showEdit_);
    buttons->addWidget(del_);
    buttons->addStretch(1);
    auto* h = new QHBoxLayout(this);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(grid_, 1);
    h->addLayout(buttons);
    updateButtons();
}

QString LitLinkPanel::currentLitId() const { return grid_->currentText(QStringLiteral("lit_id")); }
QString LitLinkPanel::currentType() const { return grid_->currentText(QStringLiteral("type")); }

void LitLinkPanel::updateButtons()
{
    const LitLinkActions& a = litLinkActions();
    add_->setEnabled(bool(a.add));
    showEdit_->setEnabled(bool(a.showEdit));
    del_->setEnabled(bool(a.del));
}

void LitLinkPanel::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    updateButtons();
}

// ---- the section -----------------------------------------------------------------

namespace {

class LitLinksSection : public Section {
public:
    using Section::Section;

    void load() override
    {
        // the grouped list first, as the sample has always been read
        editor().dataset(litGroupedDataset)->open(litGroupedSql(editor().sampleId()));
        editor().dataset(litLinksDataset)->open(litLinksSql(editor().sampleId()));
    }

    void clearForNewSample() override
    {
        editor().dataset(litLinksDataset)->close();
        editor().dataset(litGroupedDataset)->close();
    }

    std::vector<NodeRoute> routes() override
    {
        return {NodeRoute::filterDataset(filtersLitLinks, litLinksDataset, litLinkFilter),
                NodeRoute::filterDataset(NodeRoute::codes({6}), litGroupedDataset, [](const TreeNode&) { return QString(); })};
    }
};

}  // namespace

void registerLitLinksSection()
{
    registerSection({QStringLiteral("litlinks"), stage::Literature, false,
                     [](Tsamplem2& e) { return std::make_unique<LitLinksSection>(e); }});
}

}  // namespace samples
