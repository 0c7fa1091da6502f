// The Options menu entries beyond the game options: the parameter editor and
// its files, the transposition table sizes; the Help menu and the About panel.
#include "ui/main_window.h"
#include "ui/window_parts.h"

#include "ui/board_widget.h"
#include "ui/help_window.h"
#include "ui/parameter_editor.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

using namespace window_parts;

namespace {
// The handler names of the size entries, in the order of kTableSizes.
constexpr std::array<const char*, kTableSizes.size()> kTableSizeHandlers {
    "N0Mo1", "N07Mo1", "N15Mo1", "N3Mo1", "N5Mo1", "N10Mo1", "N15Mo2", "N30Mo1",
};
// Their captions, whose unit and decimal mark each language writes its own way.
constexpr std::array<const char*, kTableSizes.size()> kTableSizeCaptions {
    QT_TRANSLATE_NOOP("kv::MainWindow", "0 Mo"),   QT_TRANSLATE_NOOP("kv::MainWindow", "0,7 Mo"),
    QT_TRANSLATE_NOOP("kv::MainWindow", "1,5 Mo"), QT_TRANSLATE_NOOP("kv::MainWindow", "3 Mo"),
    QT_TRANSLATE_NOOP("kv::MainWindow", "5 Mo"),   QT_TRANSLATE_NOOP("kv::MainWindow", "10 Mo"),
    QT_TRANSLATE_NOOP("kv::MainWindow", "15 Mo"),  QT_TRANSLATE_NOOP("kv::MainWindow", "25 Mo"),
};

const TableSize& tableSizeFor(int sizeFactor)
{
    const int f = sizeFactor == 0 ? kDefaultSizeFactor : sizeFactor;
    for (const TableSize& t : kTableSizes)
        if (t.sizeFactor == f) return t;
    return kTableSizes[2]; // "1,5Mo"
}
} // namespace

void MainWindow::buildOptionsExtras(QMenu* options)
{
    options->addSeparator();
    addAction(options, "Changerlesparamtres1", tr("Modifier les paramètres"),
              &MainWindow::editParameters);
    addAction(options, "Sauverlesparamtres1", tr("Sauver les paramètres"),
              &MainWindow::saveParameterFile);
    addAction(options, "Chargerdesparamtres1", tr("Charger des paramètres"),
              &MainWindow::loadParameterFile);

    QMenu* sizes = options->addMenu(tr("Taille des tables de transposition"));
    sizes->setObjectName("Tailledestablesdetransposition1");
    tableSizeGroup_ = new QActionGroup(this);
    for (std::size_t i = 0; i < kTableSizes.size(); ++i) {
        const TableSize& t = kTableSizes[i];
        QAction* a = addAction(sizes, kTableSizeHandlers[i], tr(kTableSizeCaptions[i]), nullptr);
        a->setCheckable(true);
        a->setChecked(t.sizeFactor == kDefaultSizeFactor);
        tableSizeGroup_->addAction(a);
        const int factor = t.sizeFactor;
        connect(a, &QAction::triggered, this, [this, factor] { setTableSize(factor, true); });
    }
}

void MainWindow::setTableSize(int sizeFactor, bool resize)
{
    const TableSize& t = tableSizeFor(sizeFactor);
    for (std::size_t i = 0; i < kTableSizes.size(); ++i)
        actions_[kTableSizeHandlers[i]]->setChecked(&kTableSizes[i] == &t);
    const int factor = t.sizeFactor, offset = t.depthOffset;
    session_.setTableSize(factor, offset, resize);
}

void MainWindow::toggleAlphabeticalNumbers()
{
    // An option of its own with nothing that reads it: the check mark only.
}

// ------------------------------------------------------------------ parameters

void MainWindow::setParameters(const ParameterSet& set) { session_.setParameters(set); }

void MainWindow::editParameters() { parameterEditor_->edit(session_.parameters()); }

void MainWindow::saveParameterFile()
{
    const QString path
        = chooseFile({ true, tr("Sauver les paramètres"), session_.parametersFolder(),
                       tr("Paramètres (*.par)"), "par" });
    if (path.isEmpty()) return;
    saveParameters(session_.parameters(), path.toStdString(),
                   [this](const std::string&) { showError(tr("Impossible d'ouvrir ce fichier")); });
}

void MainWindow::loadParameterFile()
{
    const QString path
        = chooseFile({ false, tr("Charger des paramètres"), session_.parametersFolder(),
                       tr("Paramètres (*.par)"), "par" });
    if (path.isEmpty()) return;
    ParameterSet set = session_.parameters();
    if (loadParameters(set, path.toStdString(), [this](const std::string&) {
            showError(tr("Impossible d'ouvrir ce fichier"));
        }))
        setParameters(set);
}

// ------------------------------------------------------------------ help and About

void MainWindow::buildHelpMenu()
{
    QMenu* aide = menuBar()->addMenu(tr("Aide"));
    aide->setObjectName("Aide1");
    // F1 takes moves back; help has the key beside it.
    addAction(aide, "Guide1", tr("Documentation"), &MainWindow::showGuide,
              QKeySequence(Qt::SHIFT | Qt::Key_F1));
    addAction(aide, "Rgles1", tr("Règles"), &MainWindow::showRules);
    aide->addSeparator();
    addAction(aide, "Apropos1", tr("A propos"), &MainWindow::showAbout);

    about_ = overlay(centralWidget(), "Apropos", QRect(89, 110, 360, 300));
    auto* v = new QVBoxLayout(about_);
    auto* title = makeLabel(about_, "Label_apropos", tr("Korvelan 3D Analyse"));
    title->setStyleSheet("font-size: 22px; font-weight: bold;");
    v->addWidget(title, 0, Qt::AlignCenter);
    v->addWidget(makeLabel(about_, "Version_apropos", tr("Version 7.00")), 0, Qt::AlignCenter);
    auto* text = makeLabel(
        about_, "Texte_apropos",
        tr("Jeu de dames sur 64 cases : prise obligatoire et majoritaire, dames volantes, "
           "les pions ne prennent qu'en avant.\n\n"
           "Un moteur de recherche alpha-bêta avec table de transposition, bibliothèques "
           "d'ouvertures, tables de finales et positions apprises.\n\n"
           "Écrit par l'équipe Korvelan."));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    v->addWidget(text);
    auto* close = makeButton(about_, "BitBtn6", tr("OK"));
    connect(close, &QPushButton::clicked, this, &MainWindow::closeAbout);
    v->addWidget(close, 0, Qt::AlignCenter);
}

void MainWindow::showHelp(const QString& baseName)
{
    if (!help_) help_ = new HelpWindow(session_.programDir(), this);
    help_->setLanguage(languageIndex());
    help_->showPage(baseName);
}

void MainWindow::showGuide() { showHelp(HelpWindow::guideFor(languageIndex())); }
void MainWindow::showRules() { showHelp(HelpWindow::rulesFor(languageIndex())); }

void MainWindow::showAbout()
{
    about_->show();
    about_->raise();
}

void MainWindow::closeAbout()
{
    about_->hide();
    boardChanged();
}

} // namespace kv
