#include "ui/help_window.h"

#include "rules/geometry.h"
#include "rules/notation.h"
#include "ui/languages.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <array>
#include <functional>

namespace kv {

namespace {
QString baseName(std::string_view name)
{
    return QString::fromLatin1(name.data(), static_cast<int>(name.size()));
}

QString pieceGlyph(std::uint8_t code)
{
    switch (code) {
    case WhiteMan: return QStringLiteral("<font color=\"#ffffff\" size=\"5\">&#9679;</font>");
    case WhiteKing: return QStringLiteral("<font color=\"#ffffff\" size=\"5\"><b>D</b></font>");
    case BlackMan: return QStringLiteral("<font color=\"#000000\" size=\"5\">&#9679;</font>");
    case BlackKing: return QStringLiteral("<font color=\"#000000\" size=\"5\"><b>D</b></font>");
    default: return {};
    }
}

// An 8 x 8 table: light squares plain, dark squares with their number in the
// corner and the piece on them, white at the bottom as the board shows it.
QString diagramTable(const Position& p, const QString& caption)
{
    QString html
        = "<table cellspacing=\"0\" cellpadding=\"0\" border=\"1\" style=\"border-color:#5a3a22\">";
    for (int row = 0; row < 8; ++row) {
        html += "<tr>";
        for (int column = 0; column < 8; ++column) {
            const auto s = static_cast<Square>(detail::squareAt(row, column));
            if (s == 0) {
                html += "<td width=\"34\" height=\"34\" bgcolor=\"#f0dcb4\"></td>";
                continue;
            }
            html += QString("<td width=\"34\" height=\"34\" bgcolor=\"#8a5a36\" align=\"center\" "
                            "valign=\"middle\">"
                            "<font size=\"1\" color=\"#e0c8a0\">%1</font><br>%2</td>")
                        .arg(userNumber(s))
                        .arg(pieceGlyph(p.board[s]));
        }
        html += "</tr>";
    }
    html += "</table>";
    if (!caption.isEmpty()) html += "<p><i>" + caption.toHtmlEscaped() + "</i></p>";
    return html;
}
} // namespace

HelpWindow::HelpWindow(const QString& folder, QWidget* parent) : QDialog(parent), folder_(folder)
{
    setObjectName("Aide");
    setWindowTitle(tr("Aide de Korvelan"));
    resize(720, 640);
    auto* v = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("HelpBrowser");
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::openLink);
    auto* back = new QPushButton(tr("Précédent"), this);
    back->setObjectName("HelpBack");
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    auto* guide = new QPushButton(tr("Guide"), this);
    guide->setObjectName("HelpGuide");
    connect(guide, &QPushButton::clicked, this, [this] { showPage(guideFor(language_)); });
    auto* rules = new QPushButton(tr("Règles"), this);
    rules->setObjectName("HelpRules");
    connect(rules, &QPushButton::clicked, this, [this] { showPage(rulesFor(language_)); });
    auto* close = new QPushButton(tr("Fermer"), this);
    close->setObjectName("HelpClose");
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    bar->addWidget(back);
    bar->addWidget(guide);
    bar->addWidget(rules);
    bar->addStretch();
    bar->addWidget(close);
    v->addLayout(bar);
    v->addWidget(browser_);
}

void HelpWindow::setLanguage(int language)
{
    language_ = language;
    if (current_.isEmpty() || !isVisible()) return;
    for (int l = 0; l < kLanguageCount; ++l) {
        if (current_ == guideFor(l)) return showPage(guideFor(language));
        if (current_ == rulesFor(l)) return showPage(rulesFor(language));
    }
}

QString HelpWindow::guideFor(int language) { return baseName(languageEntry(language).guide); }
QString HelpWindow::rulesFor(int language) { return baseName(languageEntry(language).rules); }

QString HelpWindow::pagePath(const QString& baseName) const
{
    const QString path = folder_ + "/" + baseName + ".html";
    if (QFileInfo::exists(path)) return path;
    // The French pages are the source of the others.
    return folder_ + "/" + (baseName.startsWith('R') ? rulesFor(French) : guideFor(French))
        + ".html";
}

QString HelpWindow::expandDiagrams(const QString& html)
{
    static const QRegularExpression marker(R"(<!--\s*diagram\s+([^|>]*?)\s*(?:\|\s*(.*?))?\s*-->)",
                                           QRegularExpression::DotMatchesEverythingOption);
    QString out;
    qsizetype last = 0;
    for (auto it = marker.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += html.mid(last, m.capturedStart() - last);
        std::string why;
        const auto pos = parseFen(m.captured(1).toStdString(), &why);
        out += pos ? diagramTable(*pos, m.captured(2))
                   : QString("<p><b>%1</b></p>").arg(QString::fromStdString(why).toHtmlEscaped());
        last = m.capturedEnd();
    }
    out += html.mid(last);
    return out;
}

void HelpWindow::showPage(const QString& baseName)
{
    const QString path = pagePath(baseName);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        current_.clear();
        browser_->setHtml("<h2>" + tr("Aide introuvable").toHtmlEscaped() + "</h2><p>"
                          + path.toHtmlEscaped() + "</p>");
    } else {
        current_ = QFileInfo(path).completeBaseName();
        browser_->setSearchPaths({ folder_ });
        QString page = expandDiagrams(QString::fromUtf8(f.readAll()));
        page.replace("<!--keys-->", keysTable());
        browser_->setHtml(page);
    }
    show();
    raise();
}

QString HelpWindow::keysTable() const
{
    auto* owner = qobject_cast<QMainWindow*>(parentWidget());
    if (!owner) return {};
    QString rows;
    // Depth first through the menus, in the order the menu bar shows them.
    std::function<void(const QMenu*, const QString&)> visit = [&](const QMenu* menu,
                                                                  const QString& path) {
        const QString here = path + QString(menu->title()).remove('&');
        for (const QAction* a : menu->actions()) {
            if (a->menu()) visit(a->menu(), here + " › ");
            else if (!a->shortcut().isEmpty())
                rows += QString("<tr><td><b>%1</b></td><td>%2</td></tr>")
                            .arg(a->shortcut().toString(QKeySequence::NativeText).toHtmlEscaped(),
                                 (here + " › " + QString(a->text()).remove('&')).toHtmlEscaped());
        }
    };
    for (const QAction* top : owner->menuBar()->actions())
        if (top->menu()) visit(top->menu(), QString());
    return "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">" + rows + "</table>";
}

void HelpWindow::openLink(const QUrl& url)
{
    if (url.scheme().startsWith("http")) {
        QDesktopServices::openUrl(url);
        return;
    }
    const QString file = url.fileName();
    if (file.endsWith(".html")) showPage(file.chopped(5));
    if (!url.fragment().isEmpty()) browser_->scrollToAnchor(url.fragment());
}

} // namespace kv
