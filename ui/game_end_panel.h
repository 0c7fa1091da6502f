// The end-of-game message beside the board, over the tabs, so that the final
// position stays in view: who won and how, "OK" and "Nouvelle partie".
#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QWidget;

namespace kv {

class MainWindow;

class GameEndPanel : public QObject {
    Q_OBJECT
public:
    explicit GameEndPanel(MainWindow& window);

    QWidget* widget() const { return panel_; }
    void setMessage(const QString& text);

public slots:
    void newGameAfterEnd(); // "Nouvelle partie" in the end-of-game message

private:
    MainWindow& window_;
    QWidget* panel_ = nullptr;
    QLabel* resultLabel_ = nullptr;
};

} // namespace kv
