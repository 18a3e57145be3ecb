#pragma once
// The locality editor Tlocalitym ("Locality of Geological Samples(Edit)"): one
// locality with its continent, country, upward locality, dates, description,
// centroid and bounding box, and its alternative names. The caller sets the ID
// field (empty for a new locality) and, for a new one, may preset the upward
// locality; then shows it. A new locality gets its key at its first save and the
// editor goes on editing it when it stays open.

#include "db/query.h"
#include "reference/recordeditor.h"

#include <QDate>
#include <QDialog>
#include <QLineEdit>
#include <array>

class QComboBox;
class QDateEdit;
class QListWidget;
class QPlainTextEdit;

namespace core { class GradBtn; }

namespace reference {

class PickField;
class Talt_loc;

// the six coordinates in the order of the statements
enum Coordinate { CenLat, CenLon, MinLat, MinLon, MaxLat, MaxLon, CoordinateCount };
// column names and field labels
const std::array<QString, CoordinateCount>& coordinateColumns();
const std::array<QString, CoordinateCount>& coordinateLabels();

struct LocalityFields {
    QString id;  // empty for a new locality
    QString name, region;
    QString continentKey;  // looked up from the chosen continent's name
    QString countryId;     // "", "0" or "-1": none
    QDate added;           // null: none
    QString description;
    std::array<QString, CoordinateCount> coordinates;  // as typed; empty: none
    QString upward;        // empty: a top-level locality
    QString geodat;
};

// a coordinate as the statements may carry it: a plain decimal number
bool isCoordinate(const QString& text);
// the notice for a coordinate that is not a number
QString coordinateNotNumber(int coordinate);

QString localityLoadSql(const QString& id);
QString continentKeySql(const QString& continentName);
QString localityUpdateSql(const LocalityFields& f);
// "begin;insert ..." (the caller commits and reads the key with localityKeySql)
QString localityInsertSql(const LocalityFields& f, int userId);
inline const QString localityKeySql = QStringLiteral("commit; select currval('gen_id') as loc_id;");

// A line edit whose typed keys pass the data module's numeric key filter.
class CoordEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CoordEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

class Tlocalitym : public QDialog, public RecordEditor {
    Q_OBJECT
public:
    explicit Tlocalitym(Talt_loc* altNameDialog, QWidget* parent = nullptr);

    QDialog* dialog() override { return this; }
    void setRecordId(const QString& id) override
    {
        setId(id);
        setUpward(QString(), QString());  // a new locality from a list starts at the top
    }

    // what the caller sets before showing
    void setId(const QString& id);
    QString id() const;
    void setUpward(const QString& id, const QString& name);
    bool isExisting() const { return !id().trimmed().isEmpty(); }
    const QString& ownerName() const { return owner_; }

    QLineEdit* idEdit() const { return id_; }
    QLineEdit* name() const { return name_; }
    QLineEdit* region() const { return region_; }
    QComboBox* continent() const { return continent_; }
    PickField* country() const { return country_; }
    PickField* upward() const { return upward_; }
    QDateEdit* added() const { return added_; }
    QPlainTextEdit* description() const { return description_; }
    CoordEdit* coordinate(int c) const { return coords_[size_t(c)]; }
    QLineEdit* geodat() const { return geodat_; }
    QListWidget* altNames() const { return altNames_; }
    db::Query& altNameList() { return altList_; }
    QLineEdit* createdBy() const { return createdBy_; }
    QLineEdit* createdAt() const { return createdAt_; }
    core::GradBtn* okButton() const { return ok_; }
    core::GradBtn* cancelButton() const { return cancel_; }
    core::GradBtn* addAltButton() const { return addAlt_; }
    core::GradBtn* deleteAltButton() const { return delAlt_; }
    bool locked() const { return locked_; }

    LocalityFields fields() const;

    // save; closes the window afterwards when `close` is set. True when saved.
    bool ment(bool close);
    void pickCountry();
    void clearCountry();
    void pickUpward();
    void clearUpward();
    void addAltName();
    void deleteAltName();

signals:
    // after every successful save (the tree rebuilds when it sees it)
    void saved();

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void load();
    void loadContinents();
    void openAltNames();
    void lock(bool locked);
    bool mayChange(QChar mode = QLatin1Char('I'));
    // whether making `candidate` the upward locality would nest the locality in itself
    bool nestsInItself(const QString& candidate);
    QString missing(const LocalityFields& f);

    Talt_loc* altDialog_;
    QString owner_;
    bool locked_ = false;
    QLineEdit* id_;
    QLineEdit* name_;
    QLineEdit* region_;
    QComboBox* continent_;
    PickField* country_;
    PickField* upward_;
    QDateEdit* added_;
    QPlainTextEdit* description_;
    std::array<CoordEdit*, CoordinateCount> coords_{};
    QLineEdit* geodat_;
    QListWidget* altNames_;
    core::GradBtn* addAlt_;
    core::GradBtn* delAlt_;
    QLineEdit* createdBy_;
    QLineEdit* createdAt_;
    core::GradBtn* ok_;
    core::GradBtn* cancel_;
    db::Query record_;
    db::Query altList_;
    db::Query cmd_;
};

}  // namespace reference
