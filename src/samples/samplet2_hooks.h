#pragma once
// What later windows bring to the sample list: the search panel that the
// "Filter" side bar reveals, and the export window that "Export" hands the listed
// samples to. Until an export window is registered "Export" stays disabled; until
// a search panel is registered the side bar reveals an empty panel.

#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace samples {

class Tsamplet2;

class SearchPanel {
public:
    virtual ~SearchPanel() = default;
    // the panel's widget, put into the list window's search host
    virtual QWidget* widget() = 0;
    // empty every criterion (szurotorol, "Delete all filter")
    virtual void szurotorol() = 0;
    // collapse every criterion group
    virtual void collapseAll() = 0;
};

// makes the search panel of a list window (called once per window, when it is created)
void setSearchPanelFactory(std::function<std::unique_ptr<SearchPanel>(Tsamplet2&)> factory);
const std::function<std::unique_ptr<SearchPanel>(Tsamplet2&)>& searchPanelFactory();

// shows the export window for the sample id list ("0,17,12,5")
void setExportWindow(std::function<void(const QString& sampleIds)> open);
const std::function<void(const QString&)>& exportWindow();

}  // namespace samples
