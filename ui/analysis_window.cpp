#include "ui/analysis_window.h"

#include "game/controller.h"
#include "ui/evaluation_graph.h"
#include "ui/game_printing.h"

#include <QCoreApplication>
#include <QDate>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {

AnalysisWindow::AnalysisWindow(GameController& controller, QWidget* parent)
    : QWidget(parent, Qt::Window), controller_(controller)
{
    setObjectName("TForm4");
    setWindowTitle(tr("Analyse"));
    resize(620, 520);
    auto* v = new QVBoxLayout(this);
    graph_ = new EvaluationGraph(this);
    graph_->setMinimumHeight(140);
    graph_->onPlyClicked = [this](int ply) { controller_.showAnalysedPly(ply); };
    v->addWidget(graph_);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("Progression");
    progress_->setFormat(tr("Analyse en cours : %v / %m positions"));
    v->addWidget(progress_);
    list_ = new QListWidget(this);
    list_->setObjectName("ListBox3");
    list_->setFont(QFont("monospace", 9));
    v->addWidget(list_, 1);
    // A click on a move's line shows its position, as a click on the graph does;
    // the legend and header below the moves lead nowhere.
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = list_->row(item);
        if (controller_.hasAnalysis() && row >= 0
            && row < static_cast<int>(controller_.analysis().entries().size()))
            controller_.showAnalysisLine(row);
    });
    auto* buttons = new QHBoxLayout;
    struct Button {
        const char* name;
        QString text;
        void (AnalysisWindow::*slot)();
    };
    const Button defs[] = {
        { "BitBtn1", tr("Suivant"), &AnalysisWindow::endPositionSearch },
        { "BitBtn2", tr("Editer analyse"), &AnalysisWindow::editAnalysis },
        { "BitBtn3", tr("Imprimer analyse"), &AnalysisWindow::printAnalysis },
        { "BitBtn4", tr("Fin analyse"), &AnalysisWindow::endAnalysis },
    };
    for (const Button& d : defs) {
        auto* b = new QPushButton(d.text, this);
        b->setObjectName(d.name);
        connect(b, &QPushButton::clicked, this, d.slot);
        buttons->addWidget(b);
        if (d.slot == &AnalysisWindow::endPositionSearch) suivant_ = b;
    }
    v->addLayout(buttons);
}

void AnalysisWindow::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::LanguageChange) refresh();
    QWidget::changeEvent(e);
}

void AnalysisWindow::refresh()
{
    if (!controller_.hasAnalysis()) return;
    const GameAnalysis& a = controller_.analysis();
    list_->clear();
    for (const std::string& l : a.windowLines()) {
        auto* item = new QListWidgetItem(QString::fromStdString(l), list_);
        if (l.front() == '*') item->setForeground(QColor(0xb0, 0x18, 0x18));
    }

    std::vector<EvaluationGraph::Point> points(a.topPly() + 1);
    for (int ply = 0; ply <= a.topPly(); ++ply) points[ply].whiteScore = a.whiteScore(ply);
    for (const AnalysisEntry& e : a.entries())
        if (e.marked && e.move.ply + 1 < static_cast<int>(points.size()))
            points[e.move.ply + 1].marked = true;
    graph_->setPoints(std::move(points), controller_.game().gamePly);

    progress_->setMaximum(a.totalSteps());
    progress_->setValue(a.stepsDone());
    progress_->setVisible(controller_.analysing());
    suivant_->setEnabled(controller_.analysing());
}

QStringList AnalysisWindow::lines() const
{
    QStringList out;
    for (int i = 0; i < list_->count(); ++i) out << list_->item(i)->text();
    return out;
}

bool AnalysisWindow::saveLines(const QString& path, QString* error) const
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text)) {
        if (error) *error = f.errorString();
        return false;
    }
    for (const QString& l : lines()) f.write((l + "\n").toUtf8());
    if (!f.commit()) {
        if (error) *error = f.errorString();
        return false;
    }
    return true;
}

void AnalysisWindow::endPositionSearch() { controller_.pauseAnalysis(); }

void AnalysisWindow::endAnalysis()
{
    controller_.finishAnalysis();
    hide();
}

void AnalysisWindow::editAnalysis()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Editer analyse"), QString(),
                                                      tr("Texte (*.txt);;Tous les fichiers (*)"));
    if (path.isEmpty()) return;
    if (!saveLines(path))
        QMessageBox::critical(this, tr("Erreur"), tr("Impossible d'ouvrir ce fichier"));
}

void AnalysisWindow::printAnalysis()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!printSheet(printer, analysisSheet(QDate::currentDate())))
        QMessageBox::critical(this, tr("Erreur"), tr("Impossible d'imprimer"));
}

PrintSheet AnalysisWindow::analysisSheet(const QDate& date) const
{
    PrintSheet sheet = gameSheet(controller_, date, static_cast<int>(controller_.analysisLanguage));
    // The game's last position, wherever the analysis has left the board.
    const GameState& game = controller_.game();
    sheet.position = game.positionAt(std::clamp<int>(game.recordedPlies, 0, kLastPlyEntry));
    sheet.positionTitle = QCoreApplication::translate("kv::Printout", "Position finale");
    sheet.lines.clear();
    for (const QString& l : lines()) sheet.lines.push_back(l.toStdString());
    sheet.lineStep = 1;
    return sheet;
}

} // namespace kv
