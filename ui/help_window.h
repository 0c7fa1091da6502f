// The help window: the program's help pages, HTML files of the program
// directory ("Korvelan.html", "Rkorvelan_f.html"...), shown in a browser with
// its own links. Board diagrams are written in the pages as
// <!--diagram FEN | caption--> and drawn here from the position, and
// <!--keys--> becomes the table of the owning window's keys as its menus
// offer them now, so neither can fall out of date. Pictures of the window
// are drawn by the build from the real window (tools/screenshots).
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace kv {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow(const QString& folder, QWidget* parent = nullptr);

    // The base names of the guide and the rules for a language index; a
    // language whose page is missing falls back to French.
    static QString guideFor(int language);
    static QString rulesFor(int language);

    // Shows "<base>.html" (or the French page when it is missing).
    void showPage(const QString& baseName);
    // The language of the guide and rules buttons; a guide or rules page on
    // show is replaced by the same page in that language.
    void setLanguage(int language);
    QTextBrowser* browser() const { return browser_; }
    const QString& currentPage() const { return current_; }

    // The page text with every diagram marker replaced by its board.
    static QString expandDiagrams(const QString& html);

private:
    QString pagePath(const QString& baseName) const;
    // The commands of the owning main window that have a key, menu by menu.
    QString keysTable() const;
    void openLink(const QUrl& url);

    QString folder_;
    QString current_;
    int language_ = 0;
    QTextBrowser* browser_ = nullptr;
};

} // namespace kv
