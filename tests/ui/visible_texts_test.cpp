// Every text a user can see, in every window and dialog the program opens,
// in each language: a text still in French outside the French interface
// fails, with the place it stands. The same walk runs once per language on a
// fresh window; what French shows at a place must not show there in another
// language, unless the translation files say the text is the same in both or
// it is a name or a number.
#include "window_fixture.h"

#include "ui/analysis_window.h"
#include "ui/languages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QXmlStreamReader>

#include <map>
#include <set>

namespace kv::testing_window {
namespace {

// Texts by the place they stand: window, widget path and property.
using Texts = std::map<QString, std::set<QString>>;

// Names and marks that are the same in every language.
const QStringList kNames { "Korvelan", "KORVELAN 3D", "Idioma/Langue/Language/Taal",
                           "Anne",     "Bruno",       "Mataro",
                           "Malaga",   "Inferno",     "Guadalquivir",
                           "PDN",      "FEN",         "OK",
                           "Bitmap",   "PNG",         "BMP",
                           "PDF" };

// Commands the walk does not run: leaving, changing the language, and those
// that start play or long work.
const std::set<QString> kNotRun { "Quitter1", "Lancerunesession1", "Ordinateurcontreordinateur1",
                                  "Dbuteruneanalyse1", "Nouveau1" };

// Sources whose translation in a language is the source itself: words the
// translators kept ("Options", "Match", "Niveau").
std::set<QString> keptInLanguage(const QString& code)
{
    std::set<QString> kept;
    QFile f(QString(KV_SOURCE_DIR) + "/ui/translations/korvelan_" + code + ".ts");
    if (!f.open(QIODevice::ReadOnly)) return kept;
    QXmlStreamReader xml(&f);
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"source") source = xml.readElementText();
        else if (xml.name() == u"translation") {
            // A file dialog lists the filters of a source one by one.
            const QStringList from = source.split(";;"),
                              to
                = xml.readElementText(QXmlStreamReader::IncludeChildElements).split(";;");
            if (from.size() != to.size()) continue;
            for (qsizetype i = 0; i < from.size(); ++i)
                if (from[i] == to[i]) kept.insert(from[i]);
        }
    }
    return kept;
}

// A text with no word once the names are taken out: numbers, moves, marks.
bool wordless(QString text)
{
    for (const QString& name : kNames) text.remove(name);
    for (const LanguageEntry& e : kLanguageTable) // each language under its own name
        text.remove(QString::fromUtf8(e.name.data(), int(e.name.size())));
    static const QRegularExpression word("\\p{L}{2,}");
    return !word.match(text).hasMatch();
}

QString plain(const QString& text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// Where `o` stands under `root`: object names, or class and rank for the unnamed.
QString placeOf(const QObject* o, const QObject* root)
{
    QStringList parts;
    for (; o && o != root; o = o->parent()) {
        QString part = o->objectName();
        if (part.isEmpty()) {
            int rank = 0;
            if (o->parent())
                for (const QObject* sibling : o->parent()->children()) {
                    if (sibling == o) break;
                    rank
                        += qstrcmp(sibling->metaObject()->className(), o->metaObject()->className())
                        == 0;
                }
            part = QString("%1[%2]").arg(o->metaObject()->className()).arg(rank);
        }
        parts.prepend(part);
    }
    return parts.join('/');
}

class TextWalk {
public:
    Texts texts;

    void add(const QString& where, const QString& text)
    {
        const QString shown = plain(text).trimmed();
        if (!shown.isEmpty()) texts[where].insert(shown);
    }

    // Everything a window shows: its title, the texts of its visible widgets
    // and the entries of its menus.
    void window(QWidget* root)
    {
        const QString top
            = root->objectName().isEmpty() ? root->metaObject()->className() : root->objectName();
        add(top + "@title", root->windowTitle());
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets.prepend(root);
        for (QWidget* w : widgets) {
            if (w != root && !w->isVisibleTo(root) && !qobject_cast<QMenu*>(w)) continue;
            const QString at = top + "/" + placeOf(w, root);
            add(at + "@tip", w->toolTip());
            if (auto* l = qobject_cast<QLabel*>(w)) add(at, l->text());
            if (auto* b = qobject_cast<QAbstractButton*>(w)) add(at, b->text());
            if (auto* g = qobject_cast<QGroupBox*>(w)) add(at, g->title());
            if (auto* m = qobject_cast<QMenu*>(w)) add(at, m->title());
            if (auto* e = qobject_cast<QLineEdit*>(w)) {
                add(at, e->text());
                add(at + "@placeholder", e->placeholderText());
            }
            if (auto* p = qobject_cast<QProgressBar*>(w)) add(at, p->format());
            if (auto* c = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < c->count(); ++i) add(at, c->itemText(i));
            if (auto* t = qobject_cast<QTabWidget*>(w))
                for (int i = 0; i < t->count(); ++i) {
                    add(at + "@tab", t->tabText(i));
                    add(at + "@tabtip", t->tabToolTip(i));
                }
            if (auto* list = qobject_cast<QListWidget*>(w))
                for (int i = 0; i < list->count(); ++i) add(at, list->item(i)->text());
            if (auto* table = qobject_cast<QTableWidget*>(w)) {
                for (int c = 0; c < table->columnCount(); ++c)
                    if (auto* h = table->horizontalHeaderItem(c)) add(at + "@header", h->text());
                for (int r = 0; r < table->rowCount(); ++r)
                    for (int c = 0; c < table->columnCount(); ++c)
                        if (auto* item = table->item(r, c)) add(at, item->text());
            }
        }
        for (QAction* a : root->findChildren<QAction*>()) {
            const QString at = top + "/" + placeOf(a, root);
            add(at, a->text());
            add(at + "@tip", a->toolTip());
            add(at + "@status", a->statusTip());
        }
    }

    // A dialog the program opens: the parts of Qt's own dialogs that the
    // program sets (title, message, its own buttons, file filters), or all of one of ours.
    void dialog(QWidget* d, const QString& command)
    {
        const QString at = "dialog of " + command;
        if (auto* box = qobject_cast<QMessageBox*>(d)) {
            add(at + "@title", box->windowTitle());
            add(at, box->text());
            add(at + "@more", box->informativeText());
            for (QAbstractButton* b : box->buttons())
                if (!b->objectName().isEmpty()) add(at + "/" + b->objectName(), b->text());
        } else if (auto* files = qobject_cast<QFileDialog*>(d)) {
            add(at + "@title", files->windowTitle());
            for (const QString& f : files->nameFilters()) add(at + "@filter", f);
        } else if (qobject_cast<QPrintDialog*>(d) || qobject_cast<QPrintPreviewDialog*>(d)) {
            add(at + "@title", d->windowTitle());
        } else {
            window(d);
        }
    }
};

// Runs `command`; every modal dialog it opens is read and closed.
void runReadingDialogs(QAction* command, TextWalk& walk)
{
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        walk.dialog(modal, command->objectName());
        if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
        else modal->close();
    });
    closer.start(0);
    command->trigger();
}

// The walk of one language: the welcome panel, the window, its panels, then
// every command of the menus with the windows and dialogs they open.
Texts walkLanguage(int language)
{
    TextWalk walk;
    TestWindow form(KV_PROGRAM_DIR);
    form.setExternalLoop(true);
    form.show();
    form.applyLanguage(language);
    walk.window(&form);
    // Started in French, then switched: what was written in French follows.
    form.applyLanguage(French);
    form.findChild<QAbstractButton*>("BoutonDamier2D")->click();
    form.applyLanguage(language);
    walk.window(&form);
    for (const char* name :
         { "Nouvelle_partie", "Panel9", "Nouveau_joueur", "Efface_j", "Match_nul" }) {
        QWidget* panel = form.findChild<QWidget*>(name);
        if (!panel) continue;
        panel->show();
        auto* tabs = qobject_cast<QTabWidget*>(panel);
        for (int page = 0; page < (tabs ? tabs->count() : 1); ++page) {
            if (tabs) tabs->setCurrentIndex(page);
            walk.window(&form);
        }
        panel->hide();
    }
    QList<QAction*> commands;
    for (QMenu* menu : form.menuBar()->findChildren<QMenu*>()) {
        if (menu->objectName() == "Langue1") continue;
        for (QAction* a : menu->actions())
            if (!a->menu() && !a->isSeparator() && !a->objectName().isEmpty()
                && !kNotRun.count(a->objectName()) && !commands.contains(a))
                commands << a;
    }
    for (QAction* a : commands) {
        if (!a->isEnabled()) continue;
        runReadingDialogs(a, walk);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) walk.window(w);
    }
    // The analysis window, which only an analysis opens.
    form.analysisWindow()->show();
    walk.window(form.analysisWindow());
    // Pictures of every window for a person to look at: KV_GRAB_DIR=/some/dir.
    const QString grabs = qEnvironmentVariable("KV_GRAB_DIR");
    if (!grabs.isEmpty())
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                w->grab().save(QString("%1/korvelan_window_%2_%3.png")
                                   .arg(grabs,
                                        QString::fromLatin1(languageEntry(language).code.data(), 2),
                                        w->objectName()));
    return walk.texts;
}

TEST(VisibleTexts, NoTextOfAnyWindowStaysFrenchInTheOtherLanguages)
{
    const Texts french = walkLanguage(French);
    EXPECT_GT(french.size(), 300u);
    for (const LanguageEntry& e : kLanguageTable) {
        if (e.index == French) continue;
        const QString code = QString::fromLatin1(e.code.data(), int(e.code.size()));
        const std::set<QString> kept = keptInLanguage(code);
        QStringList left;
        for (const auto& [where, texts] : walkLanguage(e.index)) {
            const auto same = french.find(where);
            if (same == french.end()) continue;
            for (const QString& text : texts)
                if (same->second.count(text) && !kept.count(text) && !wordless(text))
                    left << where + ": \"" + text + "\"";
        }
        EXPECT_TRUE(left.isEmpty())
            << code.toStdString() << ", " << left.size() << " texts left in French:\n"
            << left.join('\n').toStdString();
    }
}

} // namespace
} // namespace kv::testing_window
