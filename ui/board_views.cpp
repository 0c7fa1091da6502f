// The board views: the View menu with the flat board and the eight 3D
// themes, the welcome panel's view buttons, the 3D board with its clock
// panels, and the layout that lets the board grow with the window.
#include "ui/board_views.h"
#include "ui/player_names.h"

#include "game/session.h"
#include "ui/main_window.h"
#include "ui/window_parts.h"

#include "ui/anchors3d.h"
#include "ui/board3d_widget.h"
#include "ui/board_widget.h"

#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

#include <cmath>

namespace kv {

using namespace window_parts;

namespace {

struct ThemeEntry {
    const char* action; // the View menu entry
    const char* caption;
    void (BoardViews::*handler)();
};

// Themes 1..8 in order, each with its own piece set of the same number.
const ThemeEntry kThemes[8] = {
    { "Damier3D1", QT_TRANSLATE_NOOP("kv::BoardViews", "Classique"),
      &BoardViews::showClassicTheme },
    { "Damier3D2", QT_TRANSLATE_NOOP("kv::BoardViews", "Nuit"), &BoardViews::showNightTheme },
    { "Damier3D3", QT_TRANSLATE_NOOP("kv::BoardViews", "Luxe"), &BoardViews::showLuxuryTheme },
    { "Damier3D4", QT_TRANSLATE_NOOP("kv::BoardViews", "Copacabana"),
      &BoardViews::showCopacabanaTheme },
    { "Damier3D5", QT_TRANSLATE_NOOP("kv::BoardViews", "Ipanema"), &BoardViews::showIpanemaTheme },
    { "Damier3D6", QT_TRANSLATE_NOOP("kv::BoardViews", "Inferno"), &BoardViews::showInfernoTheme },
    { "Damier3D7", QT_TRANSLATE_NOOP("kv::BoardViews", "Grand luxe"),
      &BoardViews::showGrandLuxuryTheme },
    { "Damier3D8", QT_TRANSLATE_NOOP("kv::BoardViews", "Salvador da Bahia"),
      &BoardViews::showBahiaTheme },
};

QString welcomeButtonName(int theme) { return QString("BoutonDamier3D%1").arg(theme); }

// The board and the column beside it: a widget of the column keeps its
// distance from the board's right edge.
constexpr int kColumnGap = kColumnX - 528;
constexpr int kColumnSpace = kColumnWidth + 8;
// The foot of the tabs as first laid out.
constexpr int kTabBottom = kTabY + kTabHeight;
// The smallest board beside the column: the window then fits 800 points.
constexpr int kSmallestBoard = 470;

// Calls a function whenever the watched widget changes size.
class ResizeWatcher : public QObject {
public:
    ResizeWatcher(QObject* parent, std::function<void()> onResize)
        : QObject(parent), onResize_(std::move(onResize))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Resize) onResize_();
        return false;
    }

private:
    std::function<void()> onResize_;
};

} // namespace

// ------------------------------------------------------------------ building

BoardViews::BoardViews(MainWindow& window, GameSession& session)
    : window_(window), session_(session)
{
}

QAction* BoardViews::action(const char* name) const { return window_.findChild<QAction*>(name); }

void BoardViews::addViewMenu(QMenu* menu)
{
    QAction* d2 = addMenuAction(menu, "Damier2D1", tr("Damier 2D jaune"));
    d2->setCheckable(true);
    d2->setChecked(true);
    connect(d2, &QAction::triggered, this, &BoardViews::showFlatBoard);
    for (const ThemeEntry& t : kThemes) {
        QAction* a = addMenuAction(menu, t.action, tr(t.caption));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, t.handler);
    }
    // Listed with the themes, and does nothing.
    addMenuAction(menu, "Damier3D9", tr("Nature morte à la règle du jeu"))->setEnabled(false);
}

void BoardViews::build()
{
    QWidget* central = window_.centralWidget();
    topPanel_ = window_.findChild<QFrame*>("Panel6");
    bottomPanel_ = window_.findChild<QFrame*>("Panel7");
    blackMinutes_ = window_.findChild<QLabel*>("minnoir");
    blackSeconds_ = window_.findChild<QLabel*>("secnoir");
    whiteMinutes_ = window_.findChild<QLabel*>("minblanc");
    whiteSeconds_ = window_.findChild<QLabel*>("secblanc");
    blackCount_ = window_.findChild<QLabel*>("Nbnoirs");
    whiteCount_ = window_.findChild<QLabel*>("Nbblancs");
    board3d_ = new Board3DWidget(session_.controller().picture(), central);
    board3d_->hide();
    board3d_->onClick
        = [this](Cell c, std::uint64_t t) { session_.controller().boardClicked(c, t); };
    board3d_->onRelease = [this](std::uint64_t t) { session_.controller().boardReleased(t); };

    // The clock panels of the 3D board, in the picture's free corners.
    auto twin = [&](const char* frameName, const char* nameLabel, const char* minName,
                    const char* secName, const char* countName) {
        Twin t;
        t.frame = new QFrame(board3d_);
        t.frame->setObjectName(frameName);
        auto* grid = new QGridLayout(t.frame);
        grid->setContentsMargins(8, 4, 8, 4);
        grid->setVerticalSpacing(0);
        t.name = makeLabel(t.frame, nameLabel, QString());
        t.minutes = makeLabel(t.frame, minName, "0");
        t.seconds = makeLabel(t.frame, secName, "00");
        t.count = makeLabel(t.frame, countName, QString());
        auto* clock = new QHBoxLayout;
        clock->setSpacing(0);
        clock->addWidget(t.minutes);
        clock->addWidget(new QLabel(":", t.frame));
        clock->addWidget(t.seconds);
        clock->addStretch();
        grid->addWidget(t.name, 0, 0);
        grid->addLayout(clock, 1, 0);
        grid->addWidget(t.count, 2, 0);
        return t;
    };
    twinBlack_ = twin("Horlogenoir3d", "N3D", "minnoir3d", "secnoir3d", "Nbnoirs3d");
    twinWhite_ = twin("Horlogeblanc3d", "B3D", "minblanc3d", "secblanc3d", "Nbblancs3d");

    // The welcome panel's 3D buttons, each with a small view of its board,
    // in two rows under the row of "Damier 2D".
    auto* welcome = window_.findChild<QWidget*>("Bienvenue");
    auto* start = window_.findChild<QPushButton*>("BoutonDamier2D");
    if (welcome && start && qobject_cast<QBoxLayout*>(welcome->layout())) {
        auto* column = qobject_cast<QBoxLayout*>(welcome->layout());
        QWidget* row = start;
        while (row->parentWidget() && row->parentWidget() != welcome) row = row->parentWidget();
        auto* themes = new QWidget(welcome);
        themes->setObjectName("Vues3D");
        themes->setStyleSheet(
            "QToolButton { color: #f4e3c1; background: rgba(255, 255, 255, 18);"
            " border: 1px solid #6a5038; border-radius: 6px; padding: 6px; font-size: 13px; }"
            "QToolButton:hover { background: rgba(255, 255, 255, 40); border-color: #d9b36c; }");
        auto* grid = new QGridLayout(themes);
        grid->setContentsMargins(0, 8, 0, 0);
        grid->setColumnStretch(0, 1);
        grid->setColumnStretch(5, 1);
        for (int n = 1; n <= 8; ++n) {
            auto* b = new QToolButton(themes);
            b->setObjectName(welcomeButtonName(n));
            b->setText(tr(kThemes[n - 1].caption));
            b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            const QImage board(session_.themeBoardImage(n, true));
            if (!board.isNull())
                b->setIcon(QPixmap::fromImage(
                    board.scaled(120, 80, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
            // Small enough that both rows with their names fit the smallest window;
            // a fixed height keeps the name from being squeezed under the picture.
            b->setIconSize(QSize(120, 80));
            b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
            connect(b, &QToolButton::clicked, this, [this, n] { startWithTheme(n); });
            grid->addWidget(b, (n - 1) / 4, 1 + (n - 1) % 4);
        }
        column->insertWidget(column->indexOf(row) + 1, themes);

        // Straight back to the last game, offered once the last view is known,
        // beside "Damier 2D" so that the panel keeps its height.
        auto* resume = new QPushButton(tr("Reprendre la dernière partie"), row);
        resume->setObjectName("BoutonReprendre");
        resume->setIconSize(QSize(54, 36));
        resume->setStyleSheet("QPushButton { font-size: 16px; padding: 8px 16px; }");
        resume->hide();
        if (auto* line = qobject_cast<QBoxLayout*>(row->layout()))
            line->insertWidget(line->indexOf(start), resume);
    }

    // A theme whose picture is not there is not offered.
    for (int n = 1; n <= 8; ++n) {
        if (!QFileInfo::exists(session_.themeBoardImage(n, false))) {
            action(kThemes[n - 1].action)->setVisible(false);
            if (auto* b = window_.findChild<QAbstractButton*>(welcomeButtonName(n))) b->hide();
        }
    }

    // The boards grow with the window from the smallest room the column
    // leaves them; the status bar is there from the start, so that a message
    // never makes the window grow or the board shrink.
    central->setMinimumSize(kSmallestBoard + kColumnGap + kColumnSpace, 520);
    window_.statusBar()->setSizeGripEnabled(false);
    // Until the window is placed, it holds the flat board at its own size.
    window_.resize(
        QSize(528 + kColumnGap + kColumnSpace, 520)
        + QSize(0,
                window_.menuBar()->sizeHint().height() + window_.statusBar()->sizeHint().height()));
    central->installEventFilter(new ResizeWatcher(this, [this] { layoutBoards(); }));
    layoutBoards();
    syncTwins();
}

void BoardViews::offerLastView(int theme)
{
    auto* resume = window_.findChild<QPushButton*>("BoutonReprendre");
    if (!resume || theme < 0 || theme > 8) return;
    if (theme > 0 && !action(kThemes[theme - 1].action)->isVisible()) return;
    const QString picture
        = theme ? session_.themeBoardImage(theme, true) : session_.boardImage("1dba.bmp");
    resume->setIcon(QIcon(QPixmap::fromImage(QImage(picture).scaled(
        resume->iconSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation))));
    disconnect(resume, &QPushButton::clicked, this, nullptr);
    connect(resume, &QPushButton::clicked, this, [this, theme] {
        if (theme) startWithTheme(theme);
        else window_.startWithFlatBoard();
    });
    resume->setDefault(true);
    resume->show();
    resume->setFocus();
}

// ------------------------------------------------------------------ view commands

void BoardViews::showFlatBoard()
{
    for (const ThemeEntry& t : kThemes) action(t.action)->setChecked(false);
    action("Damier2D1")->setChecked(true);
    theme_ = 0;
    board3d_->hide();
    window_.board()->show();
    topPanel_->show();
    bottomPanel_->show();
    layoutBoards();
    window_.boardChanged();
}

bool BoardViews::showTheme(int theme)
{
    // The piece set only when it changes, the background only with the theme.
    QString missing;
    const int set = theme;
    if (board3d_->pieceSet() != set
        && !board3d_->loadPieceSet(session_.programDir(), set, missing)) {
        hideTheme(theme, missing);
        return false;
    }
    if (board3d_->backgroundTheme() != theme
        && !board3d_->loadBackground(session_.programDir(), theme, missing)) {
        hideTheme(theme, missing);
        return false;
    }
    action("Damier2D1")->setChecked(false);
    for (int n = 1; n <= 8; ++n) action(kThemes[n - 1].action)->setChecked(n == theme);
    action("Jeuenaveugle1")->setEnabled(true);
    theme_ = theme;
    window_.board()->hide();
    topPanel_->hide();
    bottomPanel_->hide();
    board3d_->show();
    board3d_->lower(); // under the panels laid over the board
    layoutBoards();
    syncTwins();
    window_.boardChanged();
    return true;
}

void BoardViews::hideTheme(int theme, const QString& why)
{
    // One message, and the theme is no longer offered.
    action(kThemes[theme - 1].action)->setVisible(false);
    if (auto* b = window_.findChild<QAbstractButton*>(welcomeButtonName(theme))) b->hide();
    const QString text = tr("Le damier « %1 » n'est pas disponible : il manque %2.")
                             .arg(tr(kThemes[theme - 1].caption), why);
    qWarning("%s", qPrintable(text));
    auto* box
        = new QMessageBox(QMessageBox::Warning, tr("Erreur"), text, QMessageBox::Ok, &window_);
    box->setObjectName("Erreur3D");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open(); // not a nested loop: the game goes on behind it
}

void BoardViews::showClassicTheme() { showTheme(1); }
void BoardViews::showNightTheme() { showTheme(2); }
void BoardViews::showLuxuryTheme() { showTheme(3); }
void BoardViews::showCopacabanaTheme() { showTheme(4); }
void BoardViews::showIpanemaTheme() { showTheme(5); }
void BoardViews::showInfernoTheme() { showTheme(6); }
void BoardViews::showGrandLuxuryTheme() { showTheme(7); }
void BoardViews::showBahiaTheme() { showTheme(8); }

void BoardViews::startWithTheme(int theme)
{
    // The flat board's start (initialisation, the last game, the loop, which
    // begins once this handler has returned), then the theme; a theme that
    // cannot be shown leaves the flat board.
    window_.startWithFlatBoard();
    showTheme(theme);
}

// ------------------------------------------------------------------ layout

void BoardViews::layoutBoards()
{
    QWidget* central = window_.centralWidget();
    if (!board3d_) return;
    QWidget* shown
        = theme_ ? static_cast<QWidget*>(board3d_) : static_cast<QWidget*>(window_.board());
    const QSize natural = shown->sizeHint();
    const int w = central->width(), h = central->height();
    const double scale = std::max(0.2,
                                  std::min(double(w - kColumnGap - kColumnSpace) / natural.width(),
                                           double(h) / natural.height()));
    const int bw = static_cast<int>(std::lround(natural.width() * scale));
    const int bh = static_cast<int>(std::lround(natural.height() * scale));
    const int left = std::max(0, (w - bw - kColumnGap - kColumnSpace) / 2);
    // The 3D picture, wider than high, sits in the middle of the height it
    // leaves; the flat board fills the height.
    const int pictureTop = theme_ ? std::max(0, (h - bh) / 2) : 0;
    window_.board()->setGeometry(left, 0, theme_ ? 528 : bw, theme_ ? 520 : bh);
    // The 3D board's widget takes the whole height: the bands above and
    // below the picture are its table.
    board3d_->setGeometry(left, 0, bw, std::max(bh, h));

    // The column runs down the board's side: the players' panels at the top
    // and the foot of the board, the tabs taking the height between, the rows
    // under the tabs kept above the foot. Without the players' panels (3D)
    // the column takes the window's height.
    constexpr int panelRoom = 520 - kBottomPanelY; // what a player's panel takes
    const int footY = std::max(kBottomPanelY, bh - panelRoom);
    // In 3D the players' panels are on the picture: the column starts at the
    // top and its tabs take the panels' room as well.
    const int lift = theme_ ? panelRoom - 2 : 0;
    const int stretch = theme_ ? std::max(520, h) - kBottomPanelY + lift : footY - kBottomPanelY;
    const int columnX = left + bw + kColumnGap;
    const QPoint boardShift(left + bw / 2 - 528 / 2, pictureTop + bh / 2 - 520 / 2);
    for (QObject* o : central->children()) {
        auto* wdg = qobject_cast<QWidget*>(o);
        if (!wdg || wdg == window_.board() || wdg == board3d_ || wdg->isWindow()) continue;
        if (wdg->objectName() == "Bienvenue") {
            wdg->setGeometry(central->rect());
            continue;
        }
        // Each widget moves from where it was first laid out.
        const QRect first = placedAt_.emplace(wdg, wdg->geometry()).first->second;
        if (first.x() < kColumnX) {
            wdg->move(first.topLeft() + boardShift);
            continue;
        }
        int y = first.y();
        if (first.y() > kTopPanelY) y -= lift;
        if (first.y() >= kTabBottom) y += stretch;    // under the tabs
        else if (first.y() > kTabY) y += stretch / 2; // over the tabs, centred on them
        wdg->move(columnX + first.x() - kColumnX, y);
        if (wdg->objectName() == "Onglet") wdg->resize(first.width(), first.height() + stretch);
    }

    // The players' panels at the top and the foot of the board, each on its player's side.
    const bool turned = session_.game().orientation != 0;
    topPanel_->move(topPanel_->x(), turned ? footY : kTopPanelY);
    bottomPanel_->move(bottomPanel_->x(), turned ? kTopPanelY : footY);

    // The 3D clock panels in the picture's left corners, black's at the far
    // side unless the board is turned; they grow and shrink with the picture.
    const double s = board3d_->pictureRect().width() / view3d::kPictureWidth;
    const auto px = [s](int size) { return static_cast<int>(std::lround(size * s)); };
    const QString style
        = QString("QFrame { background: rgba(20, 14, 10, 170); border-radius: %1px; }"
                  "QLabel { background: transparent; color: #f4e8d0; font-family: monospace;"
                  " font-size: %2px; font-weight: bold; }"
                  "QLabel#N3D, QLabel#B3D { font-family: sans-serif; font-size: %3px; }"
                  "QLabel#Nbnoirs3d, QLabel#Nbblancs3d { font-family: sans-serif; font-size: %3px;"
                  " font-weight: normal; }"
                  // The side to move, framed in gold as on the flat board.
                  "QFrame[trait=\"true\"] { border: %4px solid #e0a82e; }")
              .arg(px(6))
              .arg(std::max(10, px(18)))
              .arg(std::max(8, px(12)))
              .arg(std::max(2, px(3)));
    const QRect top(board3d_->toWidget({ 6, 56 }).toPoint(), QSize(px(118), px(62)));
    const QRect bottom(board3d_->toWidget({ 6, 448 }).toPoint(), QSize(px(118), px(62)));
    for (auto [twin, rect] : { std::pair { &twinBlack_, turned ? bottom : top },
                               { &twinWhite_, turned ? top : bottom } }) {
        twin->frame->setGeometry(rect);
        twin->frame->layout()->setContentsMargins(px(8), px(3), px(8), px(3));
        if (twin->frame->styleSheet() != style) twin->frame->setStyleSheet(style);
    }
}

void BoardViews::syncTwins()
{
    if (!twinBlack_.frame) return;
    twinBlack_.name->setText(shownPlayerName(session_.game().blackName) + " : ");
    twinWhite_.name->setText(shownPlayerName(session_.game().whiteName) + " : ");
    twinBlack_.minutes->setText(blackMinutes_->text());
    twinBlack_.seconds->setText(blackSeconds_->text());
    twinWhite_.minutes->setText(whiteMinutes_->text());
    twinWhite_.seconds->setText(whiteSeconds_->text());
    twinBlack_.count->setText(blackCount_->text());
    twinWhite_.count->setText(whiteCount_->text());
    for (auto [twin, panel] :
         { std::pair { &twinBlack_, topPanel_ }, { &twinWhite_, bottomPanel_ } }) {
        const bool toMove = panel->property("trait").toBool();
        if (twin->frame->property("trait").toBool() != toMove) {
            twin->frame->setProperty("trait", toMove);
            twin->frame->style()->unpolish(twin->frame);
            twin->frame->style()->polish(twin->frame);
        }
    }
    layoutBoards(); // the turned board swaps the two panels
}

} // namespace kv
