#pragma once
// A reference chosen through a picker: the read-only name of the chosen row, the
// row's key kept out of sight, and the small pick and clear buttons beside it.
// The owning window decides what the buttons do (rights, which picker).

#include <QWidget>

class QLineEdit;

namespace core { class GradBtn; }

namespace reference {

class PickField : public QWidget {
    Q_OBJECT
public:
    // what: the thing chosen, for the buttons' hints and accessible names ("Country")
    explicit PickField(const QString& what, QWidget* parent = nullptr);

    // the hidden key as text ("0" or empty: none, as the window keeps it)
    const QString& id() const { return id_; }
    void setId(const QString& id) { id_ = id; }
    QString name() const;
    void setName(const QString& name);
    void set(const QString& id, const QString& name)
    {
        setId(id);
        setName(name);
    }

    QLineEdit* nameEdit() const { return name_; }
    core::GradBtn* pickButton() const { return pick_; }
    core::GradBtn* clearButton() const { return clear_; }

signals:
    void pickClicked();
    void clearClicked();

private:
    QString id_;
    QLineEdit* name_;
    core::GradBtn* pick_;
    core::GradBtn* clear_;
};

// The country and city of an address (people, institutions): the picker with the
// hidden key as an integer, the key written back, its name looked up. A cancelled
// pick hands back the same key, so the fields are rewritten with their old values.
void pickCountry(PickField* field);
void pickCity(PickField* field);
// clearing needs right D: the key becomes "0", the name empty
void clearToZero(PickField* field);

}  // namespace reference
