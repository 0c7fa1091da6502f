// The interface languages of the main window: the language sub-menu of the
// Help menu, the welcome panel's language buttons, the language commands, and
// what the window sets again when the language changes.
#include "ui/main_window.h"
#include "ui/window_parts.h"

#include "ui/custom_level_panel.h"
#include "ui/game_end_panel.h"
#include "ui/help_menu.h"
#include "ui/languages.h"
#include "ui/players_panel.h"
#include "ui/training_panel.h"
#include "ui/translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace kv {

using namespace window_parts;

namespace {

QString latin(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

} // namespace

void MainWindow::buildLanguages()
{
    translations_ = std::make_unique<Translations>();

    // The Help menu, unless the window already has one.
    QMenu* aide = menuBar()->findChild<QMenu*>("Aide1");
    if (!aide) {
        aide = menuBar()->addMenu(tr("Aide"));
        aide->setObjectName("Aide1");
    }
    // Each language under its own name, so a user who reads none of the
    // others still finds theirs.
    QMenu* langues = aide->addMenu("Idioma/Langue/Language/Taal");
    langues->setObjectName("Langue1");
    languageGroup_ = new QActionGroup(this);
    languageGroup_->setExclusive(true);
    for (Language l : kLanguageMenuOrder) {
        const LanguageEntry& e = languageEntry(l);
        QAction* a = langues->addAction(latin(e.name));
        a->setObjectName(latin(e.menuAction));
        a->setCheckable(true);
        a->setChecked(l == French);
        languageGroup_->addAction(a);
        actions_[a->objectName()] = a;
        connect(a, &QAction::triggered, this, [this, l] { applyLanguage(l); });
    }

    // The welcome panel's buttons, in the row kept for them or under the title.
    if (!welcome_) return;
    QWidget* row = welcome_->findChild<QWidget*>("Langues");
    if (!row) {
        row = new QWidget(welcome_);
        row->setObjectName("Langues");
        auto* h = new QHBoxLayout(row);
        h->addStretch();
        h->addStretch();
        if (auto* v = qobject_cast<QBoxLayout*>(welcome_->layout())) {
            const int title = v->indexOf(welcome_->findChild<QWidget*>("Conseil"));
            v->insertWidget(title >= 0 ? title + 1 : 0, row);
        }
    }
    auto* h = qobject_cast<QBoxLayout*>(row->layout());
    int at = h && h->count() > 0 ? 1 : 0; // between the stretches, when the row has them
    for (const LanguageEntry& e : kLanguageTable) {
        auto* b = makeButton(row, e.button.data(), latin(e.name));
        const Language l = e.index;
        connect(b, &QPushButton::clicked, this, [this, l] { applyLanguage(l); });
        if (h) h->insertWidget(at++, b);
    }
}

int MainWindow::languageIndex() const { return translations_->index(); }

void MainWindow::applyLanguage(int index)
{
    if (!translations_->apply(index)) return;
    if (QAction* a = actions_[latin(languageEntry(index).menuAction)]) a->setChecked(true);
    themesRenamed_ = true;
    // Every open window follows now, not at the next turn of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

void MainWindow::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::LanguageChange && translations_) retranslateUi();
    QMainWindow::changeEvent(e);
}

// The window's fixed texts have been set again by Translations; what remains
// are the texts made from the game's state and the themes' proper names.
void MainWindow::retranslateUi()
{
    if (themesRenamed_) {
        for (const ThemeRename& r : kRenamedThemes) {
            if (auto* a = findChild<QAction*>(latin(r.action))) a->setText(latin(r.name));
            const QString button = "Bouton" + latin(r.action);
            if (auto* b = findChild<QAbstractButton*>(button)) b->setText(latin(r.name));
        }
        if (auto* title = findChild<QLabel*>("Titre")) title->setText(latin(kRenamedTitle));
        // Listed as the plain "Damier 2D", as on the welcome panel.
        if (auto* flat = findChild<QAction*>("Damier2D1")) flat->setText(tr("Damier 2D"));
    }
    setupChanged(); // the set-up captions and evaluations, and refreshStatus

    if (statisticsList_->count() > 0 && shownInfo_) showSearchInfo(*shownInfo_);
    helpMenu_->setLanguage(languageIndex()); // an open help page follows
    // The analysis lines are written again in the new language.
    controller_->setAnalysisLanguage(static_cast<AnalysisLanguage>(languageIndex()));
    training_->rewriteAnalysis();
    if (!controller_->endMessage().isEmpty()) gameEnd_->setMessage(controller_->endMessage());
    customLevel_->retranslate();
    players_->retranslate(); // the nameless player's name in the lists
}

} // namespace kv
