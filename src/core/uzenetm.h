#pragma once
// Tuzenetm ("Message"): writes a new message on the notice board.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace core {

namespace noticesql {
extern const QString insert;  // :par author's user_id, :par2 the text
}

class Tuzenetm : public QDialog {
    Q_OBJECT
public:
    explicit Tuzenetm(QWidget* parent = nullptr);
    QPlainTextEdit* textField() const { return text_; }
    QPushButton* writeButton() const { return write_; }
    QPushButton* cancelButton() const { return cancel_; }

    // "Write": true when the message was stored (the window then closes)
    bool write();

protected:
    void showEvent(QShowEvent* e) override;

private:
    QPlainTextEdit* text_;
    QPushButton* write_;
    QPushButton* cancel_;
};

}  // namespace core
