// The evaluation graph of an analysed game: the search's score of every
// analysed position from white's side, the moves marked by the analysis
// highlighted, and a click that names the position under the pointer.
#pragma once

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace kv {

class EvaluationGraph : public QWidget {
    Q_OBJECT
public:
    struct Point {
        std::optional<int> whiteScore; // search units; nothing for a ply not analysed
        bool marked = false;           // the move that led here was marked
    };

    explicit EvaluationGraph(QWidget* parent = nullptr);
    void setPoints(std::vector<Point> points, int currentPly);
    const std::vector<Point>& points() const { return points_; }
    int currentPly() const { return currentPly_; } // where the cursor stands
    // The ply whose column holds x (widget coordinates).
    int plyAt(int x) const;
    // The x of a ply's column centre.
    int xOf(int ply) const;

    std::function<void(int ply)> onPlyClicked;

    // Scores beyond this (search units: five men) are drawn at the edge.
    static constexpr int kScale = 1000;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    int yOf(int score) const;
    std::vector<Point> points_;
    int currentPly_ = -1;
};

} // namespace kv
