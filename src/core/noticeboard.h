#pragma once
// The notice board of the main window: the shared short messages of uzenofal,
// newest on top, each under a header bar with its author and time and a delete
// button; "Add" writes a new one through Tuzenetm, "Refresh" reads the board again.

#include <QFrame>
#include <QString>
#include <vector>

class QPushButton;
class QScrollArea;
class QTextEdit;
class QVBoxLayout;

namespace core {

class GradBtn;
class GradLabel;

namespace noticesql {
extern const QString load;    // every message not marked deleted, oldest first
extern const QString remove;  // :par uzenet_id
}  // namespace noticesql

// The 20-pixel bar above a message: " author - time", underlined black, on a
// warm gradient, with the flat delete button at its right.
class NoticeHeader : public QWidget {
    Q_OBJECT
public:
    NoticeHeader(const QString& text, int uzenetId, QWidget* parent = nullptr);
    QString text() const { return text_; }
    int uzenetId() const { return id_; }
    QPushButton* deleteButton() const;

signals:
    void deleteClicked(int uzenetId);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QString text_;
    int id_;
    GradBtn* delete_;
};

class NoticeBoard : public QFrame {
    Q_OBJECT
public:
    explicit NoticeBoard(QWidget* parent = nullptr);

    struct Entry {
        NoticeHeader* header;
        QTextEdit* text;
    };
    // as shown, top to bottom (newest first)
    const std::vector<Entry>& entries() const { return entries_; }
    GradBtn* addButton() const { return add_; }
    GradBtn* refreshButton() const { return refresh_; }
    QScrollArea* list() const { return scroll_; }
    GradLabel* title() const { return title_; }
    // the height of one line of a message: the font's text height plus a pixel
    int lineHeight() const;

    // reads the board again; false (after the notice) when that failed
    bool reload();
    // "Refresh": reload, then back to the top
    void refresh();
    // "Add": a new message through the message window
    void addMessage();
    // an entry's delete button
    void deleteMessage(int uzenetId);
    void scrollToTop();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void clearEntries();
    void fitEntries();

    GradLabel* title_;
    QScrollArea* scroll_;
    QWidget* content_;
    QVBoxLayout* column_;
    GradBtn* add_;
    GradBtn* refresh_;
    std::vector<Entry> entries_;
};

}  // namespace core
