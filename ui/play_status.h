// The play status beside the board: while the computer chooses its move it says
// so, with the depth reached; once a game has a result it says the game is
// over and how it ended, until a new game or a step back in the record; while
// the clocks are paused it says so.
#pragma once

#include <QObject>

class QLabel;
class QWidget;

namespace kv {

class GameController;

class PlayStatusLine : public QObject {
    Q_OBJECT
public:
    PlayStatusLine(QWidget* parent, const GameController& controller);

    // The depth of the search under way, 0 before its first iteration.
    void setDepth(int depth) { depthReached_ = depth; }
    // Says what the game and the engine are doing now, or hides.
    void refresh();

private:
    const GameController& controller_;
    QLabel* playStatus_ = nullptr;
    int depthReached_ = 0;
};

} // namespace kv
