// The custom level ("Autre"): the minutes for 30 moves, checked before the
// level changes; a refused number keeps the panel open and says what it takes.
#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace kv {

class GameSession;
class MainWindow;

class CustomLevelPanel : public QObject {
    Q_OBJECT
public:
    CustomLevelPanel(MainWindow& window, GameSession& session);

    QWidget* widget() const { return panel_; }
    // The minutes as typed; setMinutes shows those of a level.
    QString typedMinutes() const;
    void setMinutes(int minutes);
    void retranslate(); // the refusal, when it is shown

public slots:
    void askCustomLevel();
    void acceptCustomLevel();
    void cancelCustomLevel();

private:
    MainWindow& window_;
    GameSession& session_;
    QWidget* panel_ = nullptr;
    QLineEdit* customMinutesEdit_ = nullptr;
    QLabel* customLevelError_ = nullptr; // what "Autre" accepts, after a refusal
};

} // namespace kv
