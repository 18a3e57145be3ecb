#pragma once
// The literature links of the sample editor: the per-section link list and the
// grouped list (one row per literature item linked to the sample in any way),
// loaded once with the sample and afterwards only filtered by the selected node,
// and the link list a section page shows (a grid of mnemonics with "Add",
// "Show/Edit" and "Del", whose actions the literature-link dialog registers).

#include "samples/section.h"

#include <QString>
#include <QWidget>

namespace controls { class DBGrid; }
namespace core { class GradBtn; }

namespace samples {

// names of the editor's shared datasets
inline const QString litLinksDataset = QStringLiteral("litlinks");
inline const QString litGroupedDataset = QStringLiteral("litgrouped");

QString litLinksSql(const QString& sampleId);
QString litGroupedSql(const QString& sampleId);
// the link-list filter of a node; empty when the node does not filter the list
QString litLinkFilter(const TreeNode& node);
bool filtersLitLinks(int code);

// the link list of a section page of one link type
class LitLinkPanel : public QWidget {
    Q_OBJECT
public:
    LitLinkPanel(Tsamplem2& editor, int linkType, const QString& caption, QWidget* parent = nullptr);
    Tsamplem2& editor() const { return editor_; }
    int linkType() const { return linkType_; }
    controls::DBGrid* grid() const { return grid_; }
    // the selected row's lit_id and type ("" without rows)
    QString currentLitId() const;
    QString currentType() const;
    core::GradBtn* addButton() const { return add_; }
    core::GradBtn* showEditButton() const { return showEdit_; }
    core::GradBtn* delButton() const { return del_; }
    // the buttons enabled as far as their actions are registered
    void updateButtons();

protected:
    void showEvent(QShowEvent* e) override;

private:
    Tsamplem2& editor_;
    int linkType_;
    controls::DBGrid* grid_;
    core::GradBtn* add_;
    core::GradBtn* showEdit_;
    core::GradBtn* del_;
};

void registerLitLinksSection();

}  // namespace samples
