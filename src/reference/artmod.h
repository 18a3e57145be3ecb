#pragma once
// The artefact editor Tartm ("Artefact"): one artefact with its institution,
// dimensions, material, age, description and alternative names. The list sets
// only the ID field (empty for a new artefact); the editor loads the record at
// every showing.

#include "db/query.h"
#include "reference/recordeditor.h"

#include <QDialog>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace controls { class CsakszamEdit; class DBGrid; }
namespace core { class GradBtn; }

namespace reference {

struct ArtRecord;
class PickField;
class Talt_art;

class Tartm : public QDialog, public RecordEditor {
    Q_OBJECT
public:
    explicit Tartm(Talt_art* altDialog, QWidget* parent = nullptr);

    QDialog* dialog() override { return this; }
    void setRecordId(const QString& id) override;

    // ---- the fields, as the user sees them ------------------------------------
    QLineEdit* idEdit() const { return id_; }
    QLineEdit* nameEdit() const { return name_; }
    PickField* institutionField() const { return labor_; }
    controls::CsakszamEdit* widthEdit() const { return width_; }
    controls::CsakszamEdit* lengthEdit() const { return length_; }
    controls::CsakszamEdit* depthEdit() const { return depth_; }
    controls::CsakszamEdit* weightEdit() const { return weight_; }
    QLineEdit* materialEdit() const { return material_; }
    QLineEdit* ageEdit() const { return age_; }
    QDateEdit* dateAddedEdit() const { return dateAdded_; }
    QPlainTextEdit* descriptionEdit() const { return description_; }
    QLabel* createdByLabel() const { return createdBy_; }
    QLabel* createdLabel() const { return created_; }
    controls::DBGrid* altNamesGrid() const { return altGrid_; }
    db::Query& altNames() { return altNames_; }

    core::GradBtn* showInstitutionButton() const { return showLabor_; }
    core::GradBtn* addAltButton() const { return addAlt_; }
    core::GradBtn* deleteAltButton() const { return deleteAlt_; }
    core::GradBtn* okButton() const { return ok_; }
    core::GradBtn* cancelButton() const { return cancel_; }

    // ---- the actions ----------------------------------------------------------
    void betolt();  // loads the record of the ID field (or empties the form)
    // saves; closes the window afterwards when close is set. True when saved.
    bool ment(bool close);
    void pickInstitution();
    void clearInstitution();
    void showInstitution();
    void addAltName();
    void deleteAltName();

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool existing() const;
    ArtRecord record() const;
    void setLocked(bool locked);
    void openAltNames();

    Talt_art* altDialog_;
    QLineEdit* id_;
    QLineEdit* name_;
    PickField* labor_;
    QString creatorName_;  // user_name of the creator, for the rights checks
    controls::CsakszamEdit* width_;
    controls::CsakszamEdit* length_;
    controls::CsakszamEdit* depth_;
    controls::CsakszamEdit* weight_;
    QLineEdit* material_;
    QLineEdit* age_;
    QDateEdit* dateAdded_;
    QPlainTextEdit* description_;
    QLabel* createdBy_;
    QLabel* created_;
    controls::DBGrid* altGrid_;
    core::GradBtn* showLabor_;
    core::GradBtn* addAlt_;
    core::GradBtn* deleteAlt_;
    core::GradBtn* ok_;
    core::GradBtn* cancel_;
    db::Query load_;
    db::Query altNames_;
    db::Query cmd_;
};

}  // namespace reference
