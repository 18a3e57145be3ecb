#pragma once
// The sections of the sample editor and how they plug into it.
//
// A section brings its pages, its part of the whole-sample load, its save and
// refresh, and what it does when a tree node is selected (the page it shows, the
// in-memory filters it puts on the editor's shared datasets, any further action).
// Sections register once, at start-up, before the editor window is created:
//
//     samples::registerSection({"colour", samples::stage::Colour, false,
//         [](samples::Tsamplem2& e) { return std::make_unique<ColourSection>(e); }});
//
// The editor makes one instance of every registered section, adds its pages to
// the page stack, and calls it in the order of its stage.

#include "db/dataset.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace samples {

class Tsamplem2;

// a node of the editor's tree
struct TreeNode {
    int code = 0;  // node code (1 "Identification", 331 "Macroscopical", 3310 a macroscopical measurement, ...)
    int id = 0;    // meres_id of a measurement node, alkmet_id of an analysis node, else 0
};

// What a selected node does for a section. Every route whose codes match the
// selected node is applied: first the pages and the filters, then the actions,
// each in the order of the sections' stages.
struct NodeRoute {
    std::function<bool(int code)> matches;
    QString page;     // the page shown; empty: the page stays as it is
    QString dataset;  // a shared dataset of the editor to filter ...
    std::function<QString(const TreeNode&)> filter;  // ... by this expression ("" switches filtering off)
    std::function<void(const TreeNode&)> action;

    static std::function<bool(int)> codes(std::vector<int> list);
    static NodeRoute showPage(std::vector<int> codes, const QString& page);
    static NodeRoute filterDataset(std::function<bool(int)> matches, const QString& dataset,
                                   std::function<QString(const TreeNode&)> filter);
    static NodeRoute run(std::function<bool(int)> matches, std::function<void(const TreeNode&)> action);
};

class Section {
public:
    explicit Section(Tsamplem2& editor) : editor_(editor) {}
    virtual ~Section() = default;
    Section(const Section&) = delete;
    Section& operator=(const Section&) = delete;

    Tsamplem2& editor() const { return editor_; }

    // The pages of the section, created by the section with their objectName
    // (the name node routes show them by); the editor puts them into its stack.
    virtual std::vector<QWidget*> pages() { return {}; }

    // Whole-sample load, step one: fill what the sample row holds. The row set has
    // no row when the sample's creator is unknown; the section then shows empty values.
    virtual void fillFromSample(const db::Dataset&) {}
    // Whole-sample load, step two: the section's own statements (one per dataset,
    // never one per row). A failure throws db::DbError; the editor shows it and
    // skips the rest of the load.
    virtual void load() {}
    // A new sample is being entered: forget what the previous sample showed.
    virtual void clearForNewSample() {}

    virtual std::vector<NodeRoute> routes() { return {}; }

private:
    Tsamplem2& editor_;
};

// The order of the whole-sample load; sections load in ascending stage.
namespace stage {
inline constexpr int Identification = 10;  // identification details and the type switch
inline constexpr int Description = 15;
inline constexpr int Colour = 20;
inline constexpr int Minerals = 30;        // microscopical and macroscopical mineral lists
inline constexpr int Literature = 40;      // grouped list and per-section link list
inline constexpr int Photos = 50;          // photo list and photo tree
inline constexpr int Conservation = 60;
inline constexpr int ClXrdIr = 70;         // cathodoluminescence, X-ray diffraction, infrared
inline constexpr int EsrFa = 80;
inline constexpr int Chemical = 90;        // chemical analyses list
inline constexpr int Physical = 100;
inline constexpr int Isotopes = 110;
inline constexpr int Measurements = 120;   // measurement listing and persons listing
inline constexpr int Descriptions = 130;   // macroscopic and microscopic descriptions (descriptive edition)
}  // namespace stage

struct SectionEntry {
    QString name;
    int stage = 0;
    bool descriptiveOnly = false;  // loaded only under the descriptive edition
    std::function<std::unique_ptr<Section>(Tsamplem2&)> make;
};

// Adds a section (replacing one of the same name). Editors created afterwards get it.
void registerSection(SectionEntry entry);
// every registered section, by stage
std::vector<SectionEntry> registeredSections();

}  // namespace samples
