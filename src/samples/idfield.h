#pragma once
// A reference shown by name: a read-only name box over a hidden id, with small
// pick, show and clear buttons beside it.

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;

namespace core { class GradBtn; }

namespace samples {

class IdField : public QWidget {
    Q_OBJECT
public:
    enum Button { Pick = 1, Show = 2, Clear = 4 };
    // label: the caption beside the field (made the name box's buddy)
    IdField(const QString& label, int buttons, QWidget* parent = nullptr);

    QLabel* label() const { return label_; }
    QLineEdit* nameBox() const { return name_; }
    core::GradBtn* pickButton() const { return pick_; }
    core::GradBtn* showButton() const { return show_; }
    core::GradBtn* clearButton() const { return clear_; }

    const QString& id() const { return id_; }
    void setId(const QString& id) { id_ = id; }
    QString name() const;
    void setName(const QString& name);
    void set(const QString& id, const QString& name) { setId(id); setName(name); }
    void clear() { set({}, {}); }

signals:
    void pickClicked();
    void showClicked();
    void clearClicked();

private:
    QLabel* label_;
    QLineEdit* name_;
    core::GradBtn* pick_ = nullptr;
    core::GradBtn* show_ = nullptr;
    core::GradBtn* clear_ = nullptr;
    QString id_;
};

// a read-only text box with its label (made its buddy)
QLineEdit* readOnlyBox(const QString& label, QLabel** labelOut, QWidget* parent);

}  // namespace samples
