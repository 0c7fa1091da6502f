// The six interface languages as a user meets them: the Help menu's language
// entries and the welcome panel's buttons switch every caption, the state
// labels and the game's messages, and French comes back whole.
#include "window_fixture.h"

#include "tests/training/play_helpers.h"

#include "rules/geometry.h"
#include "ui/analysis_window.h"
#include "ui/help_window.h"
#include "ui/languages.h"
#include "ui/translations.h"

#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QXmlStreamReader>

#include <array>
#include <map>
#include <set>

namespace kv::testing_window {
namespace {

// The caption table's elements with their French and English texts.
struct Caption {
    const char* element;
    const char* french;
    const char* english;
    const char* window = "TForm1";
};
const Caption kCaptions[] = {
    { "Fichier1", "Fichier", "File" },
    { "Nouveau2", "Nouveau", "New" },
    { "Humaincontrehumain1", "Humain contre humain", "Human against human" },
    { "Ordinateurcontreordinateur1", "Ordinateur contre ordinateur", "Computer against computer" },
    { "Sauver1", "Sauver", "Save as..." },
    { "Imprimer1", "Imprimer", "Print" },
    { "Ouvrir1", "Ouvrir", "Open" },
    { "Problmes1", "Leçons, exercices et problèmes", "Lessons, exercises and problems" },
    { "Installeruneposition1", "Installer une position", "Install a position" },
    { "Crerunfichiertexte1", "Créer un fichier texte", "Make *.txt file" },
    { "Ouvrirunfichiertexte1", "Ouvrir un fichier texte", "Open a *txt/doc file" },
    { "Editerlimagefichierbmp1", "Editer l'image (fichier Bitmap)", "Edit picture (Bitmap file)" },
    { "Quitter1", "Quitter", "Quit" },
    { "Edition1", "Edition", "Edit" },
    { "Reprendrecoups1", "Reprendre coups", "Backward" },
    { "Avancercoups1", "Avancer coups", "Forward" },
    { "Reveniraudbut1", "Revenir au début", "Back to beginning" },
    { "Allerlafin1", "Aller à la fin", "Forward to last move" },
    { "Affichage1", "Affichage", "Board" },
    { "Damier2D1", "Damier 2D", "2D board" },
    { "Damier3D1", "Classique", "Classic" },
    { "Damier3D2", "Nuit", "Night" },
    { "Damier3D3", "Luxe", "De Luxe" },
    { "Damier3D7", "Grand luxe", "De Luxe ++" },
    { "Damier3D9", "Nature morte à la règle du jeu", "Still life with rules of the game" },
    { "Inverserdamier1", "Inverser damier", "Invert board" },
    { "Joueurs1", "Joueurs", "Players" },
    { "Match21", "Nouveau joueur", "New player" },
    { "Effacerunjoueur1", "Effacer un joueur", "Delete a player" },
    { "Inverserlesjoueurs1", "Inverser les joueurs", "Invert players" },
    { "Niveau1", "Niveau", "Level" },
    { "N50coupsen", "30 coups en :", "30 moves in :" },
    { "N8Autre1", "Autre", "Other" },
    { "XSpecial1", "Spécial", "Special" },
    { "Dbutant1", "0 : Néophyte", "0 : Novice" },
    { "Niveau01", "1 : Débutant", "1 : Beginner" },
    { "Niveau02", "2 : Amateur", "2 : Amateur" },
    { "Niveau03", "3 : Promotion", "3 : Promotion" },
    { "Niveau04", "4 : Honneur", "4 : Honour" },
    { "Niveau05", "5 : Excellence", "5 : Excellence" },
    { "Niveau06", "6 : Maître", "6 : Master" },
    { "Niveau07", "7 : Grand Maître", "7 : Grand Master" },
    { "Niveau081", "8 : Grand Maître International", "8 : International Grand Master" },
    { "Ouvertures1", "Paramétrage", "Parameters" },
    { "Bibliothquesactives1", "Bibliothèques actives", "Active libraries" },
    { "Changerbibliothqueouvertures1", "Changer bibliothèque ouverture",
      "Change openings library" },
    { "Analyse2", "Analyse", "Analysis" },
    { "Dbuteruneanalyse1", "Débuter une analyse", "Begin analysis" },
    { "Arrtercettephase1", "Arrêter cette phase", "Stop this stage" },
    { "Terminerlanalyse1", "Terminer l'analyse", "Stop analysis" },
    { "Options1", "Options", "Options" },
    { "Numroterlescase1", "Numéroter les cases", "Number squares" },
    { "Pause1", "Arrêt du calcul", "Stop computing" },
    { "Horlogeszro1", "Horloges à zéro", "Clocks -> 0" },
    { "Rflexionsurtempsadverse1", "Réflexion sur temps adverse", "Computing when you think" },
    { "Arretrflexionparclicsouris1", "Arrêt réflexion par clic souris",
      "Stop computing by a mouse click" },
    { "Indicationdesmouvements1", "Indication des mouvements", "Indicate moves" },
    { "Dcomposerlesprises1", "Décomposer les prises", "Decompose captures" },
    { "Jeuenaveugle1", "Jeu en aveugle", "Blind play" },
    { "Aide1", "Aide", "Help" },
    { "Guide1", "Documentation", "Documentation" },
    { "Apropos1", "A propos", "About" },
    { "Abandon1", "Abandonner", "Resign" },
    { "Abandon2", "Abandonner", "Resign" },
    { "Panel11", "Entraînement", "Training" },
    { "Entrainement", "Entrainement", "Training" },
    { "Humain", "Humain contre humain", "Human against human" },
    { "Liste", "Coups joués", "List of moves" },
    { "Calcul", "Calcul", "Compute" },
    { "Probleme0", "Éditeur", "Editor" },
    { "vider1", "Vider le damier", "Clear board" },
    { "remplir1", "Remplir le damier", "Fill board" },
    { "Joue", "Arrêter le calcul", "Stop computing" },
    { "Label13", "Korvelan propose le match nul", "Korvelan asks for draw" },
    { "Choixcouleur1", "Couleur de Korvelan", "Color for Korvelan" },
    { "RadioGroup2", "Couleur de Korvelan", "Color for Korvelan" },
    { "RamenerMorvanel", "Ramener Korvelan à 2050", "Korvelan back to 2050" },
    { "Ouverturespourlesblancs1", "Ouvertures pour les blancs", "Openings library for white" },
    { "Ouverturespourlesnoirs1", "Ouvertures pour les noirs", "Openings library for black" },
    { "Nom_blancs", "Blancs", "White" },
    { "Nom_noirs", "Noirs", "Black" },
    { "Label14", "Appuyez sur OK pour accepter", "Press OK to accept" },
    { "Label15", "Joueur :", "Player :" },
    { "Label16", "Joueur blanc :", "White player :" },
    { "Label17", "Joueur noir :", "Black player :" },
    { "Label18", "Joueur à effacer :", "Player to delete :" },
    { "Label19", "Nom du joueur :", "Player's name :" },
    { "Label29", "Prise", "You" },
    { "Label30", "majoritaire", "must take" },
    { "Label31", "obligatoire", "max pieces" },
    { "Bipchaquecoup1", "Sons", "Sounds" },
    { "Proposernul", "Proposer nul", "Offer draw" },
    { "Nulrefus", "Nul refusé", "Draw rejected" },
    { "Bipchaquecoup2", "Bip à chaque coup", "Bip when computer moves" },
    { "Commentaires1", "Autres", "Other ones" },
    { "Morvanel_blanc", "Blanc", "White" },
    { "Morvanel_noir", "Noir", "Black" },
    { "Morvanel_blanc1", "Blanc", "White" },
    { "Morvanel_noir1", "Noir", "Black" },
    { "BitBtn18", "Annuler", "Cancel" },
    { "BitBtn19", "Annuler", "Cancel" },
    { "BitBtn21", "Annuler", "Cancel" },
    { "BitBtn23", "Annuler", "Cancel" },
    { "BitBtn25", "Annuler", "Cancel" },
    { "Annule_nouveau", "Annuler", "Cancel" },
    { "Tailledestablesdetransposition1", "Taille des tables de transposition",
      "Transposition tables memory size" },
    { "Button13", "Fin", "Quit" },
    { "Button12", "Editer", "Edit" },
    { "Button11", "Fin analyse", "End analysis" },
    { "Button10", "Suivant", "Next" },
    { "Panel13", "Suivant->", "Next->" },
    { "Panel14", "Revoir coup", "Same pos." },
    { "K1600", "1600 (l'ordinateur vous laisse le double de son temps)",
      "1600 (Computer gives you double of its time)" },
    { "K1700", "1700 (l'ordinateur vous laisse voir sa réflexion)",
      "1700 (You can see computer thinking)" },
    { "K1800", "1800 (l'ordinateur ne vous fait pas de cadeau)",
      "1800 (Computer gives you no advantage)" },
    { "RadioGroup3", "Capital points", "Points" },
    { "Changerlesnoms1", "Changer les noms", "Change names" },
    { "Cancel_joueurs", "Annuler", "Cancel" },
    { "Changerlesparamtres1", "Modifier les paramètres", "Change parameters" },
    { "Sauverlesparamtres1", "Sauver les paramètres", "Save parameters" },
    { "Chargerdesparamtres1", "Charger des paramètres", "Load parameters" },
    { "Patientez", "Patientez", "Wait" },
    { "Button9", "Editer meilleurs coups", "Edit best moves" },
    { "Zut", "Zut ! ce n'est pas cela que je voulais jouer.",
      "Hell ! That's not that I wanted to play." },
    { "Learn", "Apprendre ?", "Learn ?" },
    { "Learn_yes", "Oui", "Yes" },
    { "Learn_no", "Non", "No" },
    { "Apprentissage1", "Apprentissage", "Auto-learning" },
    { "Lancerunesession1", "Lancer une session", "Start a session" },
    { "Arrterlasession1", "Arrêter la session", "Stop the session" },
    { "Rgles1", "Règles", "Rules" },
    { "Match1", "Match", "Match" },
    { "Pause2", "Pause", "Pause" },
    // Elements of the analysis window and the opening editors.
    { "BitBtn4", "Fin analyse", "Quit", "TForm4" },
    { "BitBtn3", "Imprimer analyse", "Print analysis", "TForm4" },
    { "BitBtn2", "Editer analyse", "Edit analysis", "TForm4" },
    { "BitBtn1", "Suivant", "Next", "TForm4" },
    { "Fiche_Ouvertures", "Ouvertures (Blancs)", "Opening (White)", "TForm2" },
    { "Fiche_Ouvertures", "Ouvertures (Noirs)", "Opening (Blacks)", "TForm3" },
    { "BitBtn2", "Annuler", "Cancel", "TForm2" },
    { "BitBtn2", "Annuler", "Cancel", "TForm3" },
    { "BitBtn1", "Enregistrer", "Save", "TForm2" },
    { "BitBtn1", "Enregistrer", "Save", "TForm3" },
    { "BitBtn3", "Construire et enregistrer", "Build and save", "TForm2" },
    { "BitBtn3", "Construire et enregistrer", "Build and save", "TForm3" },
    { "Valide_Ouverture", "Ajouter", "Add", "TForm2" },
    { "Valide_Ouverture", "Ajouter", "Add", "TForm3" },
    { "Effacer", "Effacer", "Delete", "TForm2" },
    { "Effacer", "Effacer", "Delete", "TForm3" },
};

// The window a row of the table belongs to: the main window, or the secondary
// window of that name, whether a child of it or a window of its own.
QWidget* windowOf(QWidget* form, const char* name)
{
    if (qstrcmp(name, "TForm1") == 0) return form;
    QList<QWidget*> candidates = QApplication::topLevelWidgets();
    candidates += form->findChildren<QWidget*>();
    for (QWidget* w : candidates)
        if (w->isWindow() && w->objectName() == name) return w;
    return nullptr;
}

// Rows given in all six languages, by language index.
const std::map<std::string, std::array<const char*, 6>> kSixLanguages {
    { "Fichier1", { "Fichier", "File", "Bestand", "Arquivo", "Archivo", "File" } },
    { "Nouveau2", { "Nouveau", "New", "Nieuw", "Novo", "Nuevo", "Nuova partita" } },
    { "Reprendrecoups1",
      { "Reprendre coups", "Backward", "Terugnemen", "Voltar", "Volver jugadas",
        "Annulla mossa" } },
    { "Niveau1", { "Niveau", "Level", "Niveau", "Nível", "Niveles", "Livello" } },
    { "Liste",
      { "Coups joués", "List of moves", "Zettenlijst", "Lista de lances", "Movimientos jugados",
        "Mosse giocate" } },
    { "Calcul", { "Calcul", "Compute", "Rekenen", "Cálculos", "Cálculos", "Calcolo" } },
    { "Apprentissage1",
      { "Apprentissage", "Auto-learning", "Auto-learn", "Auto-learn", "Aprendizaje",
        "Apprendimento" } },
    { "Panel11",
      { "Entraînement", "Training", "Training", "Treino", "Entrenamiento", "Allenamento" } },
};

const std::array<std::array<const char*, 6>, 2> kDirection { {
    { "Blancs:Bas->Haut", "White:Down->Up", "Wit:Beneden->Boven", "Br.:Embaixo->Acima",
      "Bl.:Abajo->Arriba", "Bianco:Giù->Su" },
    { "Blancs:Haut->Bas", "White:Up->Down", "Wit:Boven->Beneden", "Br.:Acima->Embaixo",
      "Bl.:Arriba->Abajo", "Bianco:Su->Giù" },
} };

const std::array<const char*, 6> kTitles { "Korvelan 3D, le jeu",   "Korvelan 3D, the game",
                                           "Korvelan 3D, het spel", "Korvelan 3D, o jogo",
                                           "Korvelan 3D, el juego", "Korvelan 3D, il gioco" };

// What an element of the caption table shows, whatever kind of control it is;
// null when the window has no such element.
std::optional<QString> shownText(QWidget* window, const char* name)
{
    if (!window) return std::nullopt;
    if (auto* m = window->findChild<QMenu*>(name)) return m->title();
    if (auto* a = window->findChild<QAction*>(name)) return a->text();
    QWidget* w = window->findChild<QWidget*>(name);
    if (!w) return std::nullopt;
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    if (auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget()))
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
            return tabs->tabText(tabs->indexOf(w));
    const auto labels = w->findChildren<QLabel*>();
    if (labels.size() == 1) return labels.front()->text();
    return std::nullopt;
}

// The translations as the files in the repository hold them: context ->
// source -> text, and every problem the files have.
struct TsFile {
    QString language;
    std::map<std::pair<QString, QString>, QString> texts;
    QStringList problems;
};

TsFile readTs(const QString& code)
{
    TsFile ts;
    QFile f(QString(KV_SOURCE_DIR) + "/ui/translations/korvelan_" + code + ".ts");
    if (!f.open(QIODevice::ReadOnly)) {
        ts.problems << "cannot open " + f.fileName();
        return ts;
    }
    QXmlStreamReader xml(&f);
    QString context, source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"TS") ts.language = xml.attributes().value("language").toString();
        else if (xml.name() == u"name") context = xml.readElementText();
        else if (xml.name() == u"source") source = xml.readElementText();
        else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value("type").toString();
            // Plural forms are child elements; their texts are read together.
            const QString text
                = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            if (!type.isEmpty()) ts.problems << type + ": " + source;
            if (text.isEmpty()) ts.problems << "empty: " + source;
            static const QRegularExpression placeholder("%[0-9vmn]");
            for (auto it = placeholder.globalMatch(source); it.hasNext();) {
                const QString p = it.next().captured();
                if (!text.contains(p)) ts.problems << "lost " + p + ": " + source;
            }
            ts.texts[{ context, source }] = text;
        }
    }
    if (xml.hasError()) ts.problems << xml.errorString();
    return ts;
}

class Languages : public Window {
protected:
    void language(int index) { form->applyLanguage(index); }
};

TEST(TranslationFiles, EveryTextTranslatedInEachLanguageWithItsPlaceholders)
{
    const TsFile en = readTs("en");
    EXPECT_GT(en.texts.size(), 100u);
    for (const LanguageEntry& e : kLanguageTable) {
        if (e.index == French) continue;
        const QString code = QString::fromLatin1(e.code.data(), int(e.code.size()));
        const TsFile ts = readTs(code);
        EXPECT_EQ(ts.language, code);
        EXPECT_TRUE(ts.problems.isEmpty())
            << code.toStdString() << ": " << ts.problems.join("\n").toStdString();
        // The five files translate the same texts.
        std::set<std::pair<QString, QString>> a, b;
        for (const auto& [key, text] : en.texts) a.insert(key);
        for (const auto& [key, text] : ts.texts) b.insert(key);
        EXPECT_EQ(a, b) << code.toStdString();
    }
}

// Each language has its guide and rules pages, whose links lead to pages that
// exist, with as many board diagrams as the French pages.
TEST(HelpPages, EachLanguageHasItsGuideAndRules)
{
    const QString dir = QString(KV_SOURCE_DIR) + "/help/";
    auto read = [&](std::string_view base) {
        QFile f(dir + QString::fromLatin1(base.data(), int(base.size())) + ".html");
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    static const QRegularExpression link("href=\"([^\"#]+\\.html)");
    for (const LanguageEntry& e : kLanguageTable) {
        for (auto [base, french] : { std::pair { e.guide, kLanguageTable[French].guide },
                                     std::pair { e.rules, kLanguageTable[French].rules } }) {
            const QString page = read(base);
            ASSERT_FALSE(page.isEmpty()) << base;
            EXPECT_TRUE(page.contains("<meta charset=\"utf-8\">")) << base;
            for (auto it = link.globalMatch(page); it.hasNext();) {
                const QString target = it.next().captured(1);
                EXPECT_TRUE(QFile::exists(dir + target)) << base << " -> " << target.toStdString();
            }
            const QString original = read(french);
            if (!original.isEmpty()) {
                EXPECT_EQ(page.count("<!--diagram"), original.count("<!--diagram")) << base;
            }
        }
    }
}

TEST_F(Languages, HelpOpensInTheLanguageAndAnOpenPageFollowsIt)
{
    language(Italian);
    trigger("Guide1");
    auto* help = form->findChild<HelpWindow*>("Aide");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentPage(), "Korvelan_it");
    language(Dutch);
    EXPECT_EQ(help->currentPage(), "Korvelan_nl");
    EXPECT_TRUE(help->browser()->toHtml().contains("Handleiding"));
    form->findChild<QPushButton*>("HelpRules")->click();
    EXPECT_EQ(help->currentPage(), "Rkorvelan_nl");
    help->hide();
    language(Spanish); // a closed window stays closed
    EXPECT_FALSE(help->isVisible());
    trigger("Rgles1");
    EXPECT_EQ(help->currentPage(), "Rkorvelan_es");
}

TEST_F(Languages, EveryCaptionInEachLanguageThenFrenchAgain)
{
    std::array<TsFile, 6> files;
    for (const LanguageEntry& e : kLanguageTable)
        if (e.index != French)
            files[e.index] = readTs(QString::fromLatin1(e.code.data(), int(e.code.size())));
    auto sourceContext = [&](const QString& french) {
        for (const auto& [key, text] : files[English].texts)
            if (key.second == french) return key;
        return std::pair<QString, QString>();
    };
    for (const char* window : { "TForm2", "TForm3", "TForm4" })
        EXPECT_NE(windowOf(form.get(), window), nullptr) << window;
    int found = 0;
    for (int lang : { English, Dutch, Portuguese, Spanish, Italian, French }) {
        language(lang);
        EXPECT_EQ(form->windowTitle(), QString::fromUtf8(kTitles[lang]));
        for (const Caption& c : kCaptions) {
            const std::optional<QString> shown
                = shownText(windowOf(form.get(), c.window), c.element);
            if (!shown) continue; // not built in this window
            ++found;
            SCOPED_TRACE(std::string(c.window) + "." + c.element + " in language "
                         + std::to_string(lang));
            const auto six = kSixLanguages.find(c.element);
            if (six != kSixLanguages.end()) EXPECT_EQ(shown->toStdString(), six->second[lang]);
            else if (lang == French) EXPECT_EQ(shown->toStdString(), c.french);
            else if (lang == English) EXPECT_EQ(shown->toStdString(), c.english);
            else {
                const auto key = sourceContext(QString::fromUtf8(c.french));
                ASSERT_FALSE(key.first.isEmpty()) << "no translation of " << c.french;
                EXPECT_EQ(shown->toStdString(), files[lang].texts[key].toStdString());
            }
        }
    }
    EXPECT_GT(found, 6 * 60);
}

TEST_F(Languages, MenuEntriesCheckOneLanguageAndKeepItsIndex)
{
    for (const LanguageEntry& e : kLanguageTable) {
        trigger(e.menuAction.data());
        EXPECT_EQ(form->languageIndex(), e.index);
        for (const LanguageEntry& other : kLanguageTable)
            EXPECT_EQ(action(other.menuAction.data())->isChecked(), other.index == e.index)
                << other.menuAction;
    }
    // The entries are listed as the Help menu lists them, each in its own language.
    auto* menu = form->findChild<QMenu*>("Langue1");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "Idioma/Langue/Language/Taal");
    QStringList names;
    for (QAction* a : menu->actions()) names << a->text();
    EXPECT_EQ(
        names,
        QStringList({ "Português", "Français", "English", "Nederlands", "Español", "Italiano" }));
}

TEST_F(Languages, DirectionLabelFollowsTheBoardInEveryLanguage)
{
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        language(lang);
        for (int turned : { 0, 1 }) {
            if (g().orientation != turned) trigger("Inverserdamier1");
            EXPECT_EQ(text("Bas_Haut"), QString::fromUtf8(kDirection[turned][lang])) << lang;
        }
        // Turning the board in this language shows the other text of this language.
        trigger("Inverserdamier1");
        EXPECT_EQ(text("Bas_Haut"), QString::fromUtf8(kDirection[g().orientation][lang])) << lang;
    }
}

TEST_F(Languages, StateLabelsAndEndMessageFollowTheLanguage)
{
    c().endGame(1);
    EXPECT_EQ(text("qui_gagne"), "Match nul !");
    language(English);
    EXPECT_EQ(text("qui_gagne"), "Draw!");
    EXPECT_EQ(text("Couleurordi"), "Computer black");
    EXPECT_EQ(text("Trait"), "Game over");
    language(Italian);
    EXPECT_EQ(text("Couleurordi"), "Calcolatore nero");
    EXPECT_EQ(text("qui_gagne"), "Patta!");
    EXPECT_TRUE(text("Etat_partie").endsWith("Patta!")) << text("Etat_partie").toStdString();
    language(French);
    EXPECT_EQ(text("qui_gagne"), "Match nul !");
    EXPECT_EQ(text("Couleurordi"), "Ordinateur noir");
}

TEST_F(Languages, EngineStatisticsAndAnalysisLinesFollowTheLanguage)
{
    SearchInfo info { 7, 1000, true, 0, 0, 1, {} };
    info.principalVariation.resize(2);
    info.principalVariation[0].from = internalSquare(22),
    info.principalVariation[0].to = internalSquare(18);
    info.principalVariation[1].from = internalSquare(11),
    info.principalVariation[1].to = internalSquare(15);
    form->searchInfo(info);
    test::playAll(g(), { "10-14", "24-20" });
    trigger("Dbuteruneanalyse1");
    ASSERT_TRUE(runUntil([&] { return !c().analysing(); }));
    auto* list2 = form->findChild<QListWidget*>("ListBox2");
    auto* list6 = form->findChild<QListWidget*>("ListBox6");
    ASSERT_GT(list6->count(), 0);
    language(Dutch);
    EXPECT_EQ(list6->item(0)->text().mid(3, 6), "Wit  :") << list6->item(0)->text().toStdString();
    EXPECT_TRUE(form->analysisWindow()->lines().back().startsWith("(de laatste"));
    language(Portuguese);
    EXPECT_EQ(list6->item(0)->text().mid(3, 8), "Brancas:");
    form->searchInfo(info);
    EXPECT_EQ(list2->item(0)->text(), "Profundidade :     7");
    EXPECT_EQ(list2->item(3)->text(), "Nós/s : //");
    EXPECT_EQ(list2->item(6)->text(), "22 - 18 , 11 - 15");
}

TEST_F(Languages, SwitchingWhileTheEngineSearchesLeavesTheSearchAlone)
{
    test::playAll(g(), { "10-14", "24-20", "12-16" });
    LevelSetting unlimited = c().level();
    unlimited.levelTime = 32000; // each position is searched until "Suivant"
    c().setLevel(unlimited);
    trigger("Dbuteruneanalyse1");
    // Every language in turn from inside the search, then "Suivant" ends each position.
    const int order[] = { English, Italian, Dutch, Spanish, Portuguese, English };
    int switched = 0, whileThinking = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (switched < 6) {
            whileThinking += c().busy();
            form->applyLanguage(order[switched++]);
        } else {
            button("BitBtn1")->click();
        }
    });
    tick.start(20);
    ASSERT_TRUE(runUntil([&] { return !c().analysing(); }, 50));
    tick.stop();
    EXPECT_GE(whileThinking, 5);
    EXPECT_EQ(form->windowTitle(), "Korvelan 3D, the game");
    auto* list6 = form->findChild<QListWidget*>("ListBox6");
    ASSERT_EQ(list6->count(), 3);
    EXPECT_EQ(list6->item(0)->text().mid(3, 7), "White :");
    EXPECT_EQ(action("Dbuteruneanalyse1")->text(), "Begin analysis");
}

// The player who gave no name is "Inconnu" in the record and the registry,
// and shows in the interface language wherever the window names players.
TEST_F(Languages, TheNamelessPlayerIsShownInTheLanguageAndKeptAsInconnu)
{
    language(English);
    trigger("Nouveau2");
    auto* list = form->findChild<QListWidget*>("ListBox8");
    const QList<QListWidgetItem*> unknown = list->findItems("Unknown", Qt::MatchExactly);
    ASSERT_EQ(unknown.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(unknown.front()).center());
    EXPECT_EQ(form->findChild<QLineEdit*>("Joueur0")->text(), "Unknown");
    button("BitBtn15")->click();
    EXPECT_EQ(g().whiteName, "Inconnu");
    EXPECT_TRUE(text("Nom_blanc").startsWith("Unknown")) << text("Nom_blanc").toStdString();
    language(Italian);
    EXPECT_TRUE(text("Nom_blanc").startsWith("Sconosciuto")) << text("Nom_blanc").toStdString();
    // A new game with the name field left empty plays the nameless player too.
    trigger("Nouveau2");
    form->findChild<QLineEdit*>("Joueur0")->clear();
    button("BitBtn15")->click();
    EXPECT_EQ(g().whiteName, "Inconnu");
}

TEST_F(Languages, LevelMenuFollowsTheLanguage)
{
    language(Spanish);
    EXPECT_EQ(action("Niveau05")->text(), "5 : Excelencia");
    EXPECT_EQ(action("niveau1")->text(), "1: 30 jugadas en 3 min");
    language(French);
    EXPECT_EQ(action("niveau1")->text(), "1 : 30 coups en 3 mn");
}

// Labels, buttons and tabs hold their whole text in every language: in the
// window, in a finished game, and on the panels laid over the board.
QStringList cutTexts(QWidget* root)
{
    QStringList cut;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root) || w->width() == 0) continue;
        auto* l = qobject_cast<QLabel*>(w);
        auto* b = qobject_cast<QAbstractButton*>(w);
        const bool hasText = (l && !l->wordWrap() && !l->text().isEmpty() && l->pixmap().isNull())
            || (b && !b->text().isEmpty() && !qobject_cast<QToolButton*>(w));
        if (hasText && w->sizeHint().width() > w->width() + 2) {
            cut << w->objectName() + " \"" + (l ? l->text() : b->text()) + "\" "
                    + QString::number(w->sizeHint().width()) + ">" + QString::number(w->width());
        }
    }
    // Tabs show their whole names, without scroll arrows.
    for (QTabWidget* tabs : root->findChildren<QTabWidget*>()) {
        if (!tabs->isVisibleTo(root)) continue;
        QTabBar* bar = tabs->tabBar();
        const QRect last = bar->tabRect(bar->count() - 1);
        if (last.right() > bar->width())
            cut << tabs->objectName() + " tabs " + QString::number(last.right()) + ">"
                    + QString::number(bar->width());
    }
    return cut;
}

TEST_F(Languages, TextsFitTheirWidgets)
{
    const char* panels[]
        = { "Nouvelle_partie", "Panel9", "Nouveau_joueur", "Efface_j", "Match_nul" };
    for (int pass = 0; pass < 2 * kLanguageCount; ++pass) {
        const int lang = pass % kLanguageCount;
        if (pass == kLanguageCount) c().endGame(1); // the finished game's labels too
        language(lang);
        QStringList cut = cutTexts(form.get());
        grab(("language_" + std::to_string(pass)).c_str());
        for (const char* name : panels) {
            QWidget* panel = widget(name);
            if (!panel) continue;
            panel->show();
            panel->raise();
            auto* tabs = qobject_cast<QTabWidget*>(panel);
            for (int page = 0; page < (tabs ? tabs->count() : 1); ++page) {
                if (tabs) tabs->setCurrentIndex(page);
                for (const QString& c : cutTexts(form.get())) cut << QString(name) + ": " + c;
                grab((std::string(name) + "_" + std::to_string(lang) + "_" + std::to_string(page))
                         .c_str());
            }
            panel->hide();
        }
        EXPECT_TRUE(cut.isEmpty()) << lang << ": " << cut.join("; ").toStdString();
    }
}

TEST_F(Languages, PositionEditorFitsInEveryLanguage)
{
    trigger("Installeruneposition1");
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        language(lang);
        const QStringList cut = cutTexts(form.get());
        EXPECT_TRUE(cut.isEmpty()) << lang << ": " << cut.join("; ").toStdString();
        grab(("setup_" + std::to_string(lang)).c_str());
    }
}

TEST(LanguagesWelcome, ButtonsSwitchAndRenameTheThemes)
{
    TestWindow form(KV_PROGRAM_DIR);
    form.setExternalLoop(true);
    form.show();
    const std::array<QString, 4> renamed { "Mataro", "Malaga", "Inferno", "Guadalquivir" };
    for (const LanguageEntry& e : kLanguageTable) {
        auto* b = form.findChild<QPushButton*>(
            QString::fromLatin1(e.button.data(), int(e.button.size())));
        ASSERT_NE(b, nullptr) << e.button;
        EXPECT_EQ(b->text(), QString::fromUtf8(e.name.data(), int(e.name.size())));
        b->click();
        EXPECT_EQ(form.languageIndex(), e.index);
        EXPECT_EQ(form.windowTitle(), QString::fromUtf8(kTitles[e.index]));
        EXPECT_EQ(form.findChild<QLabel*>("Titre")->text(), "KORVELAN 3D");
        QCoreApplication::sendPostedEvents(
            nullptr, QEvent::LayoutRequest); // the layouts take the new widths
        EXPECT_TRUE(cutTexts(&form).isEmpty())
            << e.code << ": " << cutTexts(&form).join("; ").toStdString();
        if (qEnvironmentVariableIsSet("KV_GRAB_DIR")) {
            form.grab().save(qEnvironmentVariable("KV_GRAB_DIR") + "/korvelan_welcome_"
                             + QString::fromLatin1(e.code.data(), int(e.code.size())) + ".png");
        }
        for (std::size_t i = 0; i < kRenamedThemes.size(); ++i) {
            const QString action = QString::fromLatin1(kRenamedThemes[i].action.data());
            EXPECT_EQ(form.findChild<QAction*>(action)->text(), renamed[i]);
            if (auto* button = form.findChild<QAbstractButton*>("Bouton" + action)) {
                EXPECT_EQ(button->text(), renamed[i]);
            }
        }
    }
    // The welcome panel's own texts follow too.
    form.findChild<QPushButton*>("Button6")->click();
    EXPECT_EQ(form.findChild<QPushButton*>("BoutonDamier2D")->text(), "2D board");
    EXPECT_EQ(form.findChild<QAbstractButton*>("BoutonDamier3D1")->text(), "Classic");
    form.findChild<QPushButton*>("Button5")->click();
    EXPECT_EQ(form.findChild<QPushButton*>("BoutonDamier2D")->text(), "Damier 2D");
}

} // namespace
} // namespace kv::testing_window
