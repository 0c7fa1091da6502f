// The main window's share of the opening libraries: the "Paramétrage" menu,
// loading the active pair at start-up, switching the book on and off,
// changing the active pair for a stored set, and the two editors.
//
// The shipped pair lies in the program directory. The user's active pair and
// stored sets live in the user's data folder, so the program also works
// installed read-only: the active pair is the user's copy, seeded from the
// shipped files, and is always written there.
#include "ui/Unit1.h"

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

namespace {
std::filesystem::path fsPath(const QString& p) { return std::filesystem::path(p.toStdString()); }
} // namespace

void TForm1::buildOpeningsMenu()
{
    parametrage_ = menuBar()->addMenu(tr("Paramétrage"));
    parametrage_->setObjectName("Ouvertures1");
    QAction* active = addAction(parametrage_, "Bibliothquesactives1", tr("Bibliothèques actives"),
                                &TForm1::Bibliothquesactives1Click);
    active->setCheckable(true);
    active->setChecked(session_.bookEnabled());
    addAction(parametrage_, "Changerbibliothqueouvertures1", tr("Changer bibliothèque ouverture"),
              &TForm1::Changerbibliothqueouvertures1Click);
    parametrage_->addSeparator();
    addAction(parametrage_, "Ouverturespourlesblancs1", tr("Ouvertures pour les blancs"),
              &TForm1::Ouverturespourlesblancs1Click);
    addAction(parametrage_, "Ouverturespourlesnoirs1", tr("Ouvertures pour les noirs"),
              &TForm1::Ouverturespourlesnoirs1Click);

    // The editors are windows of their own, not children of this one: their
    // buttons carry names the main window's panels use too.
    OpeningBook& book = controller_->openings;
    form2_ = new TForm2(book.white, nullptr);
    form3_ = new TForm3(book.black, nullptr);
    for (OpeningEditor* e : { static_cast<OpeningEditor*>(form2_), static_cast<OpeningEditor*>(form3_) }) {
        connect(this, &QObject::destroyed, e, [e] { delete e; });
        e->storeSet = [this](SideToMove side) { return storeOpeningSet(side); };
        e->reload = [this](SideToMove side) { reloadOpeningLibrary(side); };
        e->closeEditors = [this] { closeOpeningEditors(); };
    }
    chooseOpeningSet = [this](bool save, const QString& dir) {
        const QString filter = tr("Fichiers d'ouvertures (*.ovv)");
        return save ? QFileDialog::getSaveFileName(this, QString(), dir, filter)
                    : QFileDialog::getOpenFileName(this, QString(), dir, filter);
    };
}

QString TForm1::openingsUserDir() const { return session_.openingsUserFolder(); }

QString TForm1::activeLibraryPath(SideToMove side) const
{
    return session_.activeLibraryPath(side);
}

void TForm1::openingsError(const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Warning, tr("Erreur"), text, QMessageBox::Ok, this);
    box->setObjectName("ErreurOuvertures");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void TForm1::loadOpeningLibraries()
{
    // A library that cannot be read is played as an empty one: the engine
    // then searches from the first move. One message names every such file.
    const QStringList failures = session_.loadOpeningBooks();
    form2_->showLines();
    form3_->showLines();
    actions_["Bibliothquesactives1"]->setChecked(true);
    if (!failures.isEmpty())
        openingsError(tr("Les ouvertures ne sont pas disponibles, l'ordinateur calculera tous ses coups.") + "\n" +
                      failures.join("\n"));
}

void TForm1::Bibliothquesactives1Click()
{
    session_.setBookEnabled(!session_.bookEnabled());
    actions_["Bibliothquesactives1"]->setChecked(session_.bookEnabled());
}

void TForm1::Changerbibliothqueouvertures1Click()
{
    const QString chosen = chooseOpeningSet(false, session_.openingSetsFolder());
    if (chosen.isEmpty()) return;
    std::string why;
    QDir().mkpath(openingsUserDir());
    if (!activateSet(fsPath(chosen), fsPath(openingsUserDir()), controller_->openings, why)) {
        openingsError(tr("Impossible d'ouvrir ce fichier") + "\n" + QString::fromStdString(why));
        return;
    }
    form2_->showLines();
    form3_->showLines();
}

void TForm1::showOpeningEditor(SideToMove side)
{
    const QString line = QString::fromStdString(Nouvelle_ouv(game_.record, game_.gamePly));
    form2_->setNewLine(line);
    form3_->setNewLine(line);
    reloadOpeningLibrary(side); // unsaved edits of this colour are dropped
    OpeningEditor* e = side == White ? static_cast<OpeningEditor*>(form2_) : form3_;
    e->show();
    e->raise();
    e->activateWindow();
}

void TForm1::Ouverturespourlesblancs1Click() { showOpeningEditor(White); }
void TForm1::Ouverturespourlesnoirs1Click() { showOpeningEditor(Black); }

void TForm1::reloadOpeningLibrary(SideToMove side)
{
    OpeningLibrary& lib = controller_->openings.forSide(side);
    std::string why;
    if (!readLibrary(fsPath(activeLibraryPath(side)), lib, why)) {
        // No active file at all means an empty library; a damaged one is
        // reported and the lines in memory stay.
        if (!QFile::exists(activeLibraryPath(side)))
            lib.clear();
        else
            openingsError(tr("Impossible d'ouvrir ce fichier") + "\n" + QString::fromStdString(why));
    }
    (side == White ? static_cast<OpeningEditor*>(form2_) : form3_)->showLines();
}

bool TForm1::storeOpeningSet(SideToMove side)
{
    const QString chosen = chooseOpeningSet(true, session_.openingSetsFolder());
    if (chosen.isEmpty()) return false;
    // The other colour's active library is the shipped one until the user
    // has an active pair of their own.
    activeLibraryPath(side == White ? Black : White);
    // The marker holds the lines of the analysis list, when there is one.
    std::vector<std::string> marker;
    if (auto* analysis = findChild<QListWidget*>("ListBox6"))
        for (int i = 0; i < analysis->count(); ++i) marker.push_back(analysis->item(i)->text().toStdString());
    std::string why;
    if (!storeSet(fsPath(chosen), side, controller_->openings.forSide(side), fsPath(openingsUserDir()), marker, why)) {
        openingsError(tr("Impossible d'enregistrer la bibliothèque") + "\n" + QString::fromStdString(why));
        return false;
    }
    return true;
}

void TForm1::closeOpeningEditors()
{
    form2_->hide();
    form3_->hide();
    boardChanged();
}

} // namespace kv
