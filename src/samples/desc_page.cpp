#include "samples/desc_page.h"

#include "core/datam.h"
#include "core/gradbtn.h"
#include "samples/litlinks.h"
#include "samples/samplem2_f.h"
#include "samples/samplem2_sql.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace samples {

DescSection::DescSection(Tsamplem2& editor) : Section(editor)
{
    page_ = new QWidget;
    page_->setObjectName(QStringLiteral("descrition"));
    page_->setAccessibleName(QStringLiteral("Description"));
    auto* title = new core::GradLabel(QStringLiteral(" Description"), page_);
    text_ = new QPlainTextEdit(page_);
    text_->setObjectName(QStringLiteral("description"));
    text_->setAccessibleName(QStringLiteral("Description"));
    text_->setTabChangesFocus(false);
    links_ = new LitLinkPanel(editor, 1, QStringLiteral("Literature"), page_);
    links_->setMaximumHeight(170);

    PageActions actions;
    actions.save = [this] { desc_ment(); };
    actions.refresh = [this] { desc_betolt(); };
    actions.saveWait = Wait::Window;
    actions.refreshWait = Wait::Window;

    auto* v = new QVBoxLayout(page_);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(title);
    v->addWidget(text_, 1);
    v->addWidget(links_);
    v->addWidget(editor.saveRefreshBar(page_, actions));
}

QString DescSection::text() const { return text_->toPlainText(); }

void DescSection::fillFromSample(const db::Dataset& sample)
{
    text_->setPlainText(sample.isEmpty() ? QString() : sample.text(0, QStringLiteral("description")));
}

void DescSection::clearForNewSample() { text_->clear(); }

std::vector<NodeRoute> DescSection::routes() { return {NodeRoute::showPage({2}, QStringLiteral("descrition"))}; }

void DescSection::desc_betolt()
{
    const db::Dataset d = core::dm().conn().open(descLoadSql(editor().sampleId()));
    text_->setPlainText(d.isEmpty() ? QString() : d.text(0, QStringLiteral("description")));
}

void DescSection::desc_ment()
{
    core::dm().conn().exec(descSaveSql(editor().sampleId()), {{QStringLiteral("par"), text_->toPlainText()}});
}

void registerDescSection()
{
    registerSection({QStringLiteral("desc"), stage::Description, false,
                     [](Tsamplem2& e) { return std::make_unique<DescSection>(e); }});
}

}  // namespace samples
