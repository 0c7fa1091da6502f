// The main window's share of the opening libraries: the "Paramétrage" menu,
// loading the active pair at start-up, switching the book on and off,
// changing the active pair for a stored set, and the two editors.
//
// The shipped pair lies in the program directory. The user's active pair and
// stored sets live in the user's data folder, so the program also works
// installed read-only: the active pair is the user's copy, seeded from the
// shipped files, and is always written there.
#include "ui/opening_menu.h"

#include "game/session.h"
#include "ui/main_window.h"
#include "ui/window_parts.h"

#include "openings/library_sets.h"
#include "ui/opening_editor.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace kv {

using namespace window_parts;

namespace {
std::filesystem::path fsPath(const QString& p) { return std::filesystem::path(p.toStdString()); }
} // namespace

OpeningMenu::OpeningMenu(MainWindow& window, GameSession& session)
    : window_(window), session_(session)
{
    QMenu* menu = window_.menuBar()->addMenu(tr("Paramétrage"));
    menu->setObjectName("Ouvertures1");
    bookAction_ = addMenuAction(menu, "Bibliothquesactives1", tr("Bibliothèques actives"));
    bookAction_->setCheckable(true);
    bookAction_->setChecked(session_.bookEnabled());
    connect(bookAction_, &QAction::triggered, this, &OpeningMenu::toggleOpeningBook);
    connect(
        addMenuAction(menu, "Changerbibliothqueouvertures1", tr("Changer bibliothèque ouverture")),
        &QAction::triggered, this, &OpeningMenu::changeOpeningSet);
    menu->addSeparator();
    connect(addMenuAction(menu, "Ouverturespourlesblancs1", tr("Ouvertures pour les blancs")),
            &QAction::triggered, this, &OpeningMenu::editWhiteOpenings);
    connect(addMenuAction(menu, "Ouverturespourlesnoirs1", tr("Ouvertures pour les noirs")),
            &QAction::triggered, this, &OpeningMenu::editBlackOpenings);

    // The editors are windows of their own, not children of the main window:
    // their buttons carry names the main window's panels use too.
    OpeningBook& book = session_.openings();
    whiteEditor_ = new WhiteOpeningEditor(book.white, nullptr);
    blackEditor_ = new BlackOpeningEditor(book.black, nullptr);
    for (OpeningEditor* e :
         { static_cast<OpeningEditor*>(whiteEditor_), static_cast<OpeningEditor*>(blackEditor_) }) {
        e->storeSet = [this](SideToMove side) { return storeOpeningSet(side); };
        e->reload = [this](SideToMove side) { reloadOpeningLibrary(side); };
        e->closeEditors = [this] { closeOpeningEditors(); };
    }
    window_.chooseOpeningSet = [this](bool save, const QString& dir) {
        const QString filter = tr("Fichiers d'ouvertures (*.ovv)");
        return save ? QFileDialog::getSaveFileName(&window_, QString(), dir, filter)
                    : QFileDialog::getOpenFileName(&window_, QString(), dir, filter);
    };
}

OpeningMenu::~OpeningMenu()
{
    delete whiteEditor_;
    delete blackEditor_;
}

void OpeningMenu::openingsError(const QString& text)
{
    auto* box
        = new QMessageBox(QMessageBox::Warning, tr("Erreur"), text, QMessageBox::Ok, &window_);
    box->setObjectName("ErreurOuvertures");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void OpeningMenu::loadOpeningLibraries()
{
    // A library that cannot be read is played as an empty one: the engine
    // then searches from the first move. One message names every such file.
    const QStringList failures = session_.loadOpeningBooks();
    whiteEditor_->showLines();
    blackEditor_->showLines();
    bookAction_->setChecked(true);
    if (!failures.isEmpty())
        openingsError(
            tr("Les ouvertures ne sont pas disponibles, l'ordinateur calculera tous ses coups.")
            + "\n" + failures.join("\n"));
}

void OpeningMenu::toggleOpeningBook()
{
    session_.setBookEnabled(!session_.bookEnabled());
    bookAction_->setChecked(session_.bookEnabled());
}

void OpeningMenu::changeOpeningSet()
{
    const QString chosen = window_.chooseOpeningSet(false, session_.openingSetsFolder());
    if (chosen.isEmpty()) return;
    std::string why;
    QDir().mkpath(session_.openingsUserFolder());
    if (!activateSet(fsPath(chosen), fsPath(session_.openingsUserFolder()), session_.openings(),
                     why)) {
        openingsError(tr("Impossible d'ouvrir ce fichier") + "\n" + QString::fromStdString(why));
        return;
    }
    whiteEditor_->showLines();
    blackEditor_->showLines();
}

void OpeningMenu::showOpeningEditor(SideToMove side)
{
    const QString line
        = QString::fromStdString(Nouvelle_ouv(session_.game().record, session_.game().gamePly));
    whiteEditor_->setNewLine(line);
    blackEditor_->setNewLine(line);
    reloadOpeningLibrary(side); // unsaved edits of this colour are dropped
    OpeningEditor* e = side == White ? static_cast<OpeningEditor*>(whiteEditor_) : blackEditor_;
    e->show();
    e->raise();
    e->activateWindow();
}

void OpeningMenu::editWhiteOpenings() { showOpeningEditor(White); }
void OpeningMenu::editBlackOpenings() { showOpeningEditor(Black); }

void OpeningMenu::reloadOpeningLibrary(SideToMove side)
{
    OpeningLibrary& lib = session_.openings().forSide(side);
    std::string why;
    if (!readLibrary(fsPath(session_.activeLibraryPath(side)), lib, why)) {
        // No active file at all means an empty library; a damaged one is
        // reported and the lines in memory stay.
        if (!QFile::exists(session_.activeLibraryPath(side))) lib.clear();
        else
            openingsError(tr("Impossible d'ouvrir ce fichier") + "\n"
                          + QString::fromStdString(why));
    }
    (side == White ? static_cast<OpeningEditor*>(whiteEditor_) : blackEditor_)->showLines();
}

bool OpeningMenu::storeOpeningSet(SideToMove side)
{
    const QString chosen = window_.chooseOpeningSet(true, session_.openingSetsFolder());
    if (chosen.isEmpty()) return false;
    // The other colour's active library is the shipped one until the user
    // has an active pair of their own.
    session_.activeLibraryPath(side == White ? Black : White);
    // The marker holds the lines of the analysis list, when there is one.
    std::vector<std::string> marker;
    if (auto* analysis = window_.findChild<QListWidget*>("ListBox6"))
        for (int i = 0; i < analysis->count(); ++i)
            marker.push_back(analysis->item(i)->text().toStdString());
    std::string why;
    if (!storeSet(fsPath(chosen), side, session_.openings().forSide(side),
                  fsPath(session_.openingsUserFolder()), marker, why)) {
        openingsError(tr("Impossible d'enregistrer la bibliothèque") + "\n"
                      + QString::fromStdString(why));
        return false;
    }
    return true;
}

void OpeningMenu::closeOpeningEditors()
{
    whiteEditor_->hide();
    blackEditor_->hide();
    window_.boardChanged();
}

} // namespace kv
