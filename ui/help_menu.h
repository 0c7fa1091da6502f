// The Help menu: the guide and the rules in the help window, in the user's
// language, and the About panel laid over the board. The language sub-menu
// is added to it by the window's languages.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace kv {

class GameSession;
class HelpWindow;
class MainWindow;

class HelpMenu : public QObject {
    Q_OBJECT
public:
    // Adds the menu at the end of the window's menu bar.
    HelpMenu(MainWindow& window, GameSession& session);

    HelpWindow* helpWindow() const { return help_; }
    void setLanguage(int index); // an open help page follows

public slots:
    void showGuide();
    void showRules();
    void showAbout();
    void closeAbout();

private:
    void showHelp(const QString& baseName);

    MainWindow& window_;
    GameSession& session_;
    HelpWindow* help_ = nullptr;
    QWidget* about_ = nullptr;
};

} // namespace kv
