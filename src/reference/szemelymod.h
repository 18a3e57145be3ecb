#pragma once
// The person editor Tszemelym ("People(Edit)"): one person of the people register
// on two drawn tabs, "Personal Data" and "Availability" (the person's contacts).
// The caller sets only the ID field (empty for a new person) and shows it; the
// editor loads the record itself. A saved person can be changed by a holder of D
// or by the holder of C who created it; everybody else sees it read-only.

#include "db/query.h"
#include "reference/recordeditor.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace controls { class DBGrid; }
namespace core { class GradBtn; }

namespace reference {

class PickField;
class ShapeTabs;
class Telerhetom;

// what the editor saves, as typed
struct PersonFields {
    QString id;  // empty for a new person
    QString gender, title, firstName, lastName, middle;
    QString countryId;  // "0": none chosen; empty: none stored (saved as null)
    QString zip;
    QString cityId;
    QString street, description, scope;
};

// the compulsory-field messages, each followed by a carriage return, in the order
// the window checks them; empty when every field is there
QString personMissing(const PersonFields& f);
QString personLoadSql(const QString& id);
QString personContactsSql(const QString& id);
QString personUpdateSql(const PersonFields& f);
QString personInsertSql(const PersonFields& f, int userId);

class Tszemelym : public QDialog, public RecordEditor {
    Q_OBJECT
public:
    explicit Tszemelym(Telerhetom* contactDialog, QWidget* parent = nullptr);

    QDialog* dialog() override { return this; }
    void setRecordId(const QString& id) override
    {
        setId(id);
    }

    // the record to show at the next showing (empty: a new person)
    void setId(const QString& id);
    QString id() const;
    // the creator's user name of the loaded person (for the rights checks)
    const QString& ownerName() const { return owner_; }
    bool isExisting() const { return !id().trimmed().isEmpty(); }

    ShapeTabs* tabs() const { return tabs_; }
    QComboBox* gender() const { return gender_; }
    QComboBox* title() const { return title_; }
    QLineEdit* firstName() const { return first_; }
    QLineEdit* lastName() const { return last_; }
    QLineEdit* middle() const { return middle_; }
    QLineEdit* scope() const { return scope_; }
    QLineEdit* zip() const { return zip_; }
    QLineEdit* street() const { return street_; }
    QPlainTextEdit* description() const { return description_; }
    PickField* country() const { return country_; }
    PickField* city() const { return city_; }
    QLineEdit* createdBy() const { return createdBy_; }
    QLineEdit* createdAt() const { return createdAt_; }
    controls::DBGrid* contacts() const { return contactGrid_; }
    core::GradBtn* okButton() const { return ok_; }
    core::GradBtn* cancelButton() const { return cancel_; }
    core::GradBtn* addContactButton() const { return addContact_; }
    core::GradBtn* editContactButton() const { return editContact_; }
    core::GradBtn* deleteContactButton() const { return delContact_; }
    // whether the fields are locked (an existing person the user may not change)
    bool locked() const { return locked_; }

    PersonFields fields() const;

    // the actions of the buttons
    void save();
    void addContact();
    void editContact();
    void deleteContact();
    void pickCountry();
    void pickCity();
    void clearCountry();
    void clearCity();

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QWidget* buildPersonalPage();
    QWidget* buildContactsPage();
    void load();
    void loadContacts();
    void clearFields();
    void lock(bool locked);
    bool mayChange(QChar mode = QLatin1Char('I'));

    Telerhetom* contactDialog_;
    QLineEdit* id_;
    QString owner_;
    bool locked_ = false;
    ShapeTabs* tabs_;
    QComboBox* gender_;
    QComboBox* title_;
    QLineEdit* first_;
    QLineEdit* last_;
    QLineEdit* middle_;
    QLineEdit* scope_;
    QLineEdit* zip_;
    QLineEdit* street_;
    QPlainTextEdit* description_;
    PickField* country_;
    PickField* city_;
    QLineEdit* createdBy_;
    QLineEdit* createdAt_;
    controls::DBGrid* contactGrid_;
    core::GradBtn* addContact_;
    core::GradBtn* editContact_;
    core::GradBtn* delContact_;
    core::GradBtn* ok_;
    core::GradBtn* cancel_;
    db::Query record_;
    db::Query contactList_;
    db::Query cmd_;
};

}  // namespace reference
