#pragma once
// The institution editor Tlaborm ("Institution"): name, postal address, creator,
// and the institution's contact persons taken from the people register. The
// caller sets only the ID field (empty for a new institution) and shows it.

#include "db/query.h"
#include "reference/recordeditor.h"

#include <QDialog>

class QLineEdit;

namespace controls { class DBGrid; }
namespace core { class GradBtn; }

namespace reference {

class PickField;
class Tszemelym;

struct InstitutionFields {
    QString id;  // empty for a new institution
    QString name;
    QString countryId;  // "0": none chosen; empty: none stored (saved as null)
    QString zip;
    QString cityId;
    QString street;
};

QString institutionMissing(const InstitutionFields& f);
QString institutionLoadSql(const QString& id);
// the contact persons, ordered by the person sort ("lastname" or "munkakor")
QString institutionPersonsSql(const QString& id, const QString& personSort);
QString institutionUpdateSql(const InstitutionFields& f);
QString institutionInsertSql(const InstitutionFields& f, int userId);
QString contactPersonInsertSql(const QString& institutionId, const QString& personId);

class Tlaborm : public QDialog, public RecordEditor {
    Q_OBJECT
public:
    explicit Tlaborm(Tszemelym* personEditor, QWidget* parent = nullptr);

    QDialog* dialog() override { return this; }
    void setRecordId(const QString& id) override
    {
        setId(id);
    }

    void setId(const QString& id);
    QString id() const;
    bool isExisting() const { return !id().trimmed().isEmpty(); }
    const QString& ownerName() const { return owner_; }
    const QString& personSort() const { return personSort_; }

    QLineEdit* idEdit() const { return id_; }
    QLineEdit* name() const { return name_; }
    QLineEdit* zip() const { return zip_; }
    QLineEdit* street() const { return street_; }
    PickField* country() const { return country_; }
    PickField* city() const { return city_; }
    QLineEdit* createdBy() const { return createdBy_; }
    QLineEdit* createdAt() const { return createdAt_; }
    controls::DBGrid* persons() const { return persons_; }
    db::Query& personList() { return personList_; }
    core::GradBtn* addPersonButton() const { return addPerson_; }
    core::GradBtn* showPersonButton() const { return showPerson_; }
    core::GradBtn* deletePersonButton() const { return delPerson_; }
    core::GradBtn* saveButton() const { return save_; }
    core::GradBtn* cancelButton() const { return cancel_; }

    InstitutionFields fields() const;

    // the actions of the buttons
    void save();
    void addPerson();
    void showPerson();
    void deletePerson();
    // a click on a title of the contact-person grid
    void sortPersons(const QString& field);

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void load();
    void loadPersons();
    bool mayChange(QChar mode = QLatin1Char('I'));

    Tszemelym* personEditor_;
    QString owner_;
    QString personSort_ = QStringLiteral("lastname");
    QLineEdit* id_;
    QLineEdit* name_;
    PickField* country_;
    QLineEdit* zip_;
    PickField* city_;
    QLineEdit* street_;
    QLineEdit* createdBy_;
    QLineEdit* createdAt_;
    controls::DBGrid* persons_;
    core::GradBtn* addPerson_;
    core::GradBtn* showPerson_;
    core::GradBtn* delPerson_;
    core::GradBtn* save_;
    core::GradBtn* cancel_;
    db::Query record_;
    db::Query personList_;
    db::Query cmd_;
};

}  // namespace reference
