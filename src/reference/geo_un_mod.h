#pragma once
// The geological unit editor Tgeo_un_mod ("Geological Unit"): name, parent unit,
// age of the protolith, metamorphic ages, metamorphic grade and description of one
// unit. The tree sets the ID (empty for a new unit) and, for a new unit, the
// parent; the editor loads the rest at every showing.

#include "db/query.h"
#include "reference/treewindow.h"

class QPlainTextEdit;

namespace controls { class DBGrid; }

namespace reference {

struct GeoRecord;

class Tgeo_un_mod : public TreeEditDialog {
    Q_OBJECT
public:
    explicit Tgeo_un_mod(QWidget* parent = nullptr);

    PickField* ageField() const { return age_; }
    PickField* gradeField() const { return grade_; }
    QPlainTextEdit* descriptionEdit() const { return description_; }
    QLineEdit* createdByEdit() const { return createdBy_; }
    QLineEdit* createdEdit() const { return created_; }
    controls::DBGrid* agesGrid() const { return agesGrid_; }
    db::Query& ages() { return ages_; }
    core::GradBtn* addAgeButton() const { return addAge_; }
    core::GradBtn* deleteAgeButton() const { return deleteAge_; }
    core::GradBtn* saveButton() const { return save_; }
    core::GradBtn* cancelButton() const { return cancel_; }

    // the actions
    void betolt() override;
    bool ment(bool close);  // true when saved
    void pickAge();
    void pickGrade();
    void addAge();
    void deleteAge();

private:
    GeoRecord record() const;
    void openAges();

    PickField* age_;
    PickField* grade_;
    QPlainTextEdit* description_;
    QLineEdit* createdBy_;
    QLineEdit* created_;
    QString creatorName_;
    controls::DBGrid* agesGrid_;
    core::GradBtn* addAge_;
    core::GradBtn* deleteAge_;
    core::GradBtn* save_;
    core::GradBtn* cancel_;
    db::Query load_;
    db::Query ages_;
    db::Query cmd_;
};

}  // namespace reference
