#pragma once
// The "Description" page of the sample editor: samplet.description in a text box
// (tabs are text), the literature links of type 1, "Save" and "Refresh".

#include "samples/section.h"

#include <QString>

class QPlainTextEdit;

namespace samples {

class LitLinkPanel;

class DescSection : public Section {
public:
    explicit DescSection(Tsamplem2& editor);

    std::vector<QWidget*> pages() override { return {page_}; }
    void fillFromSample(const db::Dataset& sample) override;
    void clearForNewSample() override;
    std::vector<NodeRoute> routes() override;

    // what the identification page's save writes into samplet.description
    QString text() const;
    QPlainTextEdit* textBox() const { return text_; }
    LitLinkPanel* links() const { return links_; }

    void desc_betolt();
    void desc_ment();

private:
    QWidget* page_;
    QPlainTextEdit* text_;
    LitLinkPanel* links_;
};

void registerDescSection();

}  // namespace samples
