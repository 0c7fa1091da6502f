// AnalysisWindow, the analysis window: the lines of the analysis with the legend and
// header, an evaluation graph of the game, a progress bar while the walk
// runs, and the buttons "Suivant", "Editer analyse", "Imprimer analyse" and
// "Fin analyse". It shows what the controller's analysis holds and sends the
// user's commands back to the controller.
#pragma once

#include <QWidget>

class QDate;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace kv {

class EvaluationGraph;
class GameController;
struct PrintSheet;

class AnalysisWindow : public QWidget {
    Q_OBJECT
public:
    AnalysisWindow(GameController& controller, QWidget* parent = nullptr);

    // Reloads lines, graph and progress from the controller's analysis.
    void refresh();
    // Writes every line of the analysis window to `path`; false with a reason.
    bool saveLines(const QString& path, QString* error = nullptr) const;
    QStringList lines() const;
    // The analysis as "Imprimer analyse" prints it: the game's sheet with
    // the game's last position and the analysis lines as its body.
    PrintSheet analysisSheet(const QDate& date) const;
    EvaluationGraph* graph() const { return graph_; }

public slots:
    void endPositionSearch(); // "Suivant": ends the search of the current position
    void editAnalysis();      // "Editer analyse"
    void printAnalysis();     // "Imprimer analyse"
    void endAnalysis();       // "Fin analyse"

protected:
    // The analysis lines follow the interface language; fixed texts are set by Translations.
    void changeEvent(QEvent* e) override;

private:
    GameController& controller_;
    QListWidget* list_ = nullptr;
    EvaluationGraph* graph_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* suivant_ = nullptr;
};

} // namespace kv
