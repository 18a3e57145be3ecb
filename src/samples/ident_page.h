#pragma once
// The identification page of the sample editor: name, short description, date of
// sampling, type (geological, archaeological, other) with its sub-page, storage
// place and sampler. Its save is the only place where a sample is created.

#include "samples/ident_sql.h"
#include "samples/section.h"

#include <array>

class QCheckBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QStackedWidget;

namespace samples {

class IdField;

class IdentSection : public Section {
public:
    explicit IdentSection(Tsamplem2& editor);

    std::vector<QWidget*> pages() override { return {page_}; }
    void fillFromSample(const db::Dataset& sample) override;
    void load() override;
    void clearForNewSample() override;
    std::vector<NodeRoute> routes() override;

    void ident_betolt();
    void ident_ment();
    // shows the chosen type's sub-page when the user may change the sample
    void typeSwitch();
    // 1 geological, 2 archaeological, 3 other (0: none chosen)
    int chosenType() const;
    void chooseType(int type);
    IdentValues values() const;

    // ---- controls -------------------------------------------------------------
    QWidget* page() const { return page_; }
    QLineEdit* sampleIdBox() const { return sampleId_; }
    QLineEdit* nameBox() const { return name_; }
    QLineEdit* shortBox() const { return short_; }
    QCheckBox* dateCheck() const { return dateCheck_; }
    QDateEdit* dateEdit() const { return date_; }
    QRadioButton* typeButton(int type) const { return types_[size_t(type - 1)].radio; }
    QLabel* typeCaption(int type) const { return types_[size_t(type - 1)].caption; }
    QFrame* typeFrame(int type) const { return types_[size_t(type - 1)].frame; }
    QStackedWidget* subPages() const { return sub_; }
    QString subPageName() const;

    IdField *storeName, *storeInst, *sampName, *sampInst;
    IdField *geoLocality, *geoUnitGeo;                // geo_sit
    QLineEdit *geoCountry, *geoContinent;
    IdField *artefact, *excLocality, *geoUnitArt;      // art_sit
    QLineEdit *artInstitute, *artCountry, *artCity, *excContinent, *excCountry;
    QPlainTextEdit* otherText;                        // other_sit

private:
    struct TypeChoice {
        QFrame* frame;
        QRadioButton* radio;
        QLabel* caption;
    };

    QWidget* buildGeo();
    QWidget* buildArt();
    QWidget* buildOther();
    void wireButtons();

    void fill(const db::Dataset& row, bool wholeLoad);
    void details();
    void clearLoadFields();
    void clearGeo();
    void clearArt();
    void clearExcavation();
    void readLocality(const QString& id, IdField* name, QLineEdit* continent, QLineEdit* country);
    void readArtefact(const QString& id);

    void pickPerson(IdField* f);
    void pickInstitute(IdField* f);
    void pickLocality(IdField* f, QLineEdit* continent, QLineEdit* country, bool geological);
    void pickGeoUnit(IdField* f, bool needsRight);
    void pickArtefact();
    void showRecord(const QString& windowClass, IdField* f, bool zeroIsNone);
    bool clearRight();

    QWidget* page_;
    QLineEdit* sampleId_;
    QLineEdit* name_;
    QLineEdit* short_;
    QCheckBox* dateCheck_;
    QDateEdit* date_;
    std::array<TypeChoice, 3> types_;
    QStackedWidget* sub_;
};

void registerIdentSection();

}  // namespace samples
