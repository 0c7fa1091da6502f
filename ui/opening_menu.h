// The opening libraries in the main window: the "Paramétrage" menu, loading
// the active pair at start-up, switching the book on and off, changing the
// active pair for a stored set, and the two editors.
#pragma once

#include "rules/board.h"

#include <QObject>
#include <QString>

class QAction;

namespace kv {

class BlackOpeningEditor;
class GameSession;
class MainWindow;
class WhiteOpeningEditor;

class OpeningMenu : public QObject {
    Q_OBJECT
public:
    // Adds the menu to the window's menu bar and builds the editors.
    OpeningMenu(MainWindow& window, GameSession& session);
    ~OpeningMenu() override;

    WhiteOpeningEditor* whiteEditor() const { return whiteEditor_; }
    BlackOpeningEditor* blackEditor() const { return blackEditor_; }
    // Reads the active pair; a library that cannot be read is played empty.
    void loadOpeningLibraries();

public slots:
    void toggleOpeningBook();
    void changeOpeningSet();
    void editWhiteOpenings();
    void editBlackOpenings();

private:
    void showOpeningEditor(SideToMove side);
    void reloadOpeningLibrary(SideToMove side);
    bool storeOpeningSet(SideToMove side);
    void closeOpeningEditors();
    void openingsError(const QString& text);

    MainWindow& window_;
    GameSession& session_;
    QAction* bookAction_ = nullptr;
    WhiteOpeningEditor* whiteEditor_ = nullptr;
    BlackOpeningEditor* blackEditor_ = nullptr;
};

} // namespace kv
