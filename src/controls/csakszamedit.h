#pragma once
// A one-line field for a number typed as text: every typed character passes the
// data module's key filter csakszam with the field's trimmed text (digits, one ".",
// one "-", backspace). Editing and navigation keys and shortcuts work as usual.

#include <QLineEdit>

namespace controls {

class CsakszamEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CsakszamEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace controls
