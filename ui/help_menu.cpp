#include "ui/help_menu.h"

#include "game/session.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/window_parts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace kv {

using namespace window_parts;

HelpMenu::HelpMenu(MainWindow& window, GameSession& session) : window_(window), session_(session)
{
    QMenu* aide = window.menuBar()->addMenu(tr("Aide"));
    aide->setObjectName("Aide1");
    QAction* guide = addMenuAction(aide, "Guide1", tr("Documentation"));
    guide->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1)); // F1 takes moves back
    connect(guide, &QAction::triggered, this, &HelpMenu::showGuide);
    connect(addMenuAction(aide, "Rgles1", tr("Règles")), &QAction::triggered, this,
            &HelpMenu::showRules);
    aide->addSeparator();
    connect(addMenuAction(aide, "Apropos1", tr("A propos")), &QAction::triggered, this,
            &HelpMenu::showAbout);

    about_ = overlay(window.centralWidget(), "Apropos", QRect(89, 110, 360, 300));
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
    connect(close, &QPushButton::clicked, this, &HelpMenu::closeAbout);
    v->addWidget(close, 0, Qt::AlignCenter);
}

void HelpMenu::setLanguage(int index)
{
    if (help_) help_->setLanguage(index);
}

void HelpMenu::showHelp(const QString& baseName)
{
    if (!help_) help_ = new HelpWindow(session_.programDir(), &window_);
    help_->setLanguage(window_.languageIndex());
    help_->showPage(baseName);
}

void HelpMenu::showGuide() { showHelp(HelpWindow::guideFor(window_.languageIndex())); }
void HelpMenu::showRules() { showHelp(HelpWindow::rulesFor(window_.languageIndex())); }

void HelpMenu::showAbout()
{
    about_->show();
    about_->raise();
}

void HelpMenu::closeAbout()
{
    about_->hide();
    window_.boardChanged();
}

} // namespace kv
