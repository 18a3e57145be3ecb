#pragma once
// The main window Tf_main: the toolbar ("  Samples", "  Basic data", " Options",
// "Exit"), the notice board and the footer with the version and the user.
//
// The menu items open the windows other modules register through openers.h,
// under their class names. An opener does what the item means: the lists open in
// browse mode where the item sets it; "Tmeres_modszer" is restricted to the
// measurement kind 332 (mineralogical investigations); "TIsotops" opens with both
// its filters "Stable" and "Radiogen" ticked. An item whose window has no opener
// yet is disabled.
//
// Closing the window, whatever started it, records the logout time; it then
// returns to the login window when "Logout" started the close, and otherwise
// ends the program.

#include <QMainWindow>
#include <QString>
#include <vector>

class QLabel;
class QMenu;
class QToolButton;

namespace core {

class NoticeBoard;

class Tf_main : public QMainWindow {
    Q_OBJECT
public:
    explicit Tf_main(QWidget* parent = nullptr);

    // what a menu item opens: the window's class name and the rights letters its
    // item checks (empty: no check)
    struct Item {
        QString text;
        QString window;
        QString rights;
    };
    static const std::vector<Item>& basicDataItems();  // in menu order
    static QString maintainerName();

    // footer "user: " + full name (written by the login)
    void setUserText(const QString& text);

    QToolButton* samplesButton() const { return samples_; }
    QToolButton* basicDataButton() const { return basicData_; }
    QToolButton* optionsButton() const { return options_; }
    QToolButton* exitButton() const { return exit_; }
    QMenu* basicDataMenu() const { return basicDataMenu_; }
    QMenu* optionsMenu() const { return optionsMenu_; }
    QMenu* exitMenu() const { return exitMenu_; }
    // an item of a menu (or its sub-menus) by its text; nullptr when none
    QAction* action(QMenu* menu, const QString& text) const;
    NoticeBoard* board() const { return board_; }
    QLabel* versionCaption() const { return versionCaption_; }
    QLabel* versionLabel() const { return version_; }
    QLabel* userLabel() const { return user_; }
    QLabel* productLabel() const { return product_; }
    bool logoutPending() const { return logoutPending_; }
    bool activated() const { return activated_; }

    // the item of this window: rights check, then its opener
    void openItem(const Item& item);
    void logout();
    void exitProgram();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;

private:
    QToolButton* toolButton(const QString& text, const QPixmap& picture);
    void buildMenus();
    // enables the items whose windows have openers by now
    void updateItems();
    void firstActivation();

    QToolButton* samples_;
    QToolButton* basicData_;
    QToolButton* options_;
    QToolButton* exit_;
    QMenu* basicDataMenu_;
    QMenu* optionsMenu_;
    QMenu* exitMenu_;
    QAction* frissito_ = nullptr;
    std::vector<std::pair<QAction*, QString>> opened_;  // item, window name
    NoticeBoard* board_;
    QLabel* product_;
    QLabel* versionCaption_;
    QLabel* version_;
    QLabel* user_;
    bool logoutPending_ = false;
    bool activated_ = false;
};

}  // namespace core
