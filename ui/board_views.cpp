// The board views: the View menu with the flat board and the eight 3D
// themes, the welcome panel's view buttons, the 3D board with its clock
// panels, and the layout that lets the board grow with the window.
#include "ui/board_views.h"

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
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
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

// Themes 1..8 in order; themes 1 and 2 share piece set 1.
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

constexpr int pieceSetOf(int theme) { return theme <= 2 ? 1 : theme; }

QString welcomeButtonName(int theme) { return QString("BoutonDamier3D%1").arg(theme); }

// The board and the column beside it: a widget of the column keeps its
// distance from the board's right edge.
constexpr int kColumnGap = kColumnX - 528;
constexpr int kColumnSpace = kColumnWidth + 8;

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
    }

    // A theme whose picture is not there is not offered.
    for (int n = 1; n <= 8; ++n) {
        if (!QFileInfo::exists(session_.themeBoardImage(n, false))) {
            action(kThemes[n - 1].action)->setVisible(false);
            if (auto* b = window_.findChild<QAbstractButton*>(welcomeButtonName(n))) b->hide();
        }
    }

    central->installEventFilter(new ResizeWatcher(this, [this] { layoutBoards(); }));
    layoutBoards();
    syncTwins();
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
    const int set = pieceSetOf(theme);
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
    const bool wasFlat = theme_ == 0;
    theme_ = theme;
    window_.board()->hide();
    topPanel_->hide();
    bottomPanel_->hide();
    board3d_->show();
    board3d_->lower(); // under the panels laid over the board
    if (wasFlat && !window_.isMaximized() && !window_.isFullScreen()) {
        // Room for the picture at its own size, when the screen has it.
        const int needW = view3d::kPictureWidth + kColumnGap + kColumnSpace;
        const QSize grow(std::max(0, needW - window_.centralWidget()->width()),
                         std::max(0, view3d::kPictureHeight - window_.centralWidget()->height()));
        if (grow.width() > 0 || grow.height() > 0) {
            QSize want = window_.size() + grow;
            if (window_.screen())
                want = want.boundedTo(window_.screen()->availableGeometry().size());
            window_.resize(want);
        }
    }
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
    window_.board()->setGeometry(left, 0, theme_ ? 528 : bw, theme_ ? 520 : bh);
    board3d_->setGeometry(left, 0, bw, bh);

    // The column follows the board's right edge; panels over the board stay
    // centred on it. Each widget moves from where it was first laid out.
    const int columnX = left + bw + kColumnGap;
    const QPoint boardShift(left + bw / 2 - 528 / 2, bh / 2 - 520 / 2);
    for (QObject* o : central->children()) {
        auto* wdg = qobject_cast<QWidget*>(o);
        if (!wdg || wdg == window_.board() || wdg == board3d_ || wdg->isWindow()) continue;
        if (wdg->objectName() == "Bienvenue") {
            wdg->setGeometry(central->rect());
            continue;
        }
        const QRect first = placedAt_.emplace(wdg, wdg->geometry()).first->second;
        if (first.x() >= kColumnX) wdg->move(columnX + first.x() - kColumnX, wdg->y());
        else wdg->move(first.topLeft() + boardShift);
    }

    // The players' panels at the top and the foot of the board, each on its player's side.
    const bool turned = session_.game().orientation != 0;
    const int footY = std::max(kBottomPanelY, bh - (520 - kBottomPanelY));
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
                  " font-weight: normal; }")
              .arg(px(6))
              .arg(std::max(10, px(18)))
              .arg(std::max(8, px(12)));
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
    twinBlack_.name->setText(QString::fromStdString(session_.game().blackName) + " : ");
    twinWhite_.name->setText(QString::fromStdString(session_.game().whiteName) + " : ");
    twinBlack_.minutes->setText(blackMinutes_->text());
    twinBlack_.seconds->setText(blackSeconds_->text());
    twinWhite_.minutes->setText(whiteMinutes_->text());
    twinWhite_.seconds->setText(whiteSeconds_->text());
    twinBlack_.count->setText(blackCount_->text());
    twinWhite_.count->setText(whiteCount_->text());
    layoutBoards(); // the turned board swaps the two panels
}

} // namespace kv
