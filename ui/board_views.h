// The board views of the main window: the View menu with the flat board and
// the eight 3D themes, the welcome panel's view buttons, the 3D board with
// its clock panels, and the layout that lets the board grow with the window.
#pragma once

#include "game/board_picture.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <map>

class QAction;
class QFrame;
class QLabel;
class QMenu;

namespace kv {

class Board3DWidget;
class GameSession;
class MainWindow;

class BoardViews : public QObject {
    Q_OBJECT
public:
    BoardViews(MainWindow& window, GameSession& session);

    // The View menu's entries, added to `menu` while the menus are built.
    void addViewMenu(QMenu* menu);
    // The 3D board, its clock panels and the welcome panel's view buttons,
    // once the window's other widgets are laid out.
    void build();

    Board3DWidget* board3d() const { return board3d_; }
    int theme() const { return theme_; } // 0 while the flat board is shown
    // The welcome panel's offer to go straight back to the last game on the
    // view it was played on (0 the flat board, 1..8 a theme).
    void offerLastView(int theme);
    // Places the boards and the widgets around them for the window's size.
    void layoutBoards();
    // The 3D clock panels show what the flat board's panels show.
    void syncTwins();

public slots:
    void showFlatBoard();
    void showClassicTheme();
    void showNightTheme();
    void showLuxuryTheme();
    void showCopacabanaTheme();
    void showIpanemaTheme();
    void showInfernoTheme();
    void showGrandLuxuryTheme();
    void showBahiaTheme();

private:
    bool showTheme(int theme);
    void hideTheme(int theme, const QString& why);
    void startWithTheme(int theme);
    QAction* action(const char* name) const;

    MainWindow& window_;
    GameSession& session_;
    Board3DWidget* board3d_ = nullptr;
    int theme_ = 0;
    struct Twin {
        QFrame* frame = nullptr;
        QLabel *name = nullptr, *minutes = nullptr, *seconds = nullptr, *count = nullptr;
    };
    Twin twinBlack_, twinWhite_;         // Horlogenoir3d, Horlogeblanc3d
    std::map<QWidget*, QRect> placedAt_; // where each widget of the window was laid out first
    // The flat board's player panels and the labels the 3D clock panels copy.
    QFrame *topPanel_ = nullptr, *bottomPanel_ = nullptr;
    QLabel *blackMinutes_ = nullptr, *blackSeconds_ = nullptr, *whiteMinutes_ = nullptr,
           *whiteSeconds_ = nullptr;
    QLabel *blackCount_ = nullptr, *whiteCount_ = nullptr;
};

} // namespace kv
