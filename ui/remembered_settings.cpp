#include "ui/remembered_settings.h"

#include "ui/board_views.h"
#include "ui/main_window.h"

#include <QAction>
#include <QScreen>
#include <QSettings>

namespace kv {

namespace {

// The Options menu's play options a user sets once and expects to find again.
constexpr const char* kRememberedOptions[] = {
    "Rflexionsurtempsadverse1",
    "Arretrflexionparclicsouris1",
    "Indicationdesmouvements1",
    "Dcomposerlesprises1",
    "Coupuniquejoue1",
    "Bipchaquecoup2",
    "Commentaires1",
};

constexpr const char* kGeometryKey = "fenetre/geometrie";
constexpr const char* kViewKey = "fenetre/damier"; // 0 the flat board, 1..8 the 3D themes

} // namespace

QSize RememberedSettings::minimumWindowSize() { return { 800, 580 }; }

QSize RememberedSettings::firstWindowSize(QSize available)
{
    // Room for the 3D picture at its own size beside the column, when the
    // screen has it; never below the smallest size.
    return QSize(1130, 640).boundedTo(available).expandedTo(minimumWindowSize());
}

void RememberedSettings::restore(MainWindow& window) const
{
    QSettings s(file_, QSettings::IniFormat);
    window.setMinimumSize(minimumWindowSize());
    for (const char* name : kRememberedOptions) {
        auto* a = window.findChild<QAction*>(name);
        const QVariant v = s.value(QString("options/") + name);
        if (a && v.isValid()) a->setChecked(v.toBool());
    }
    const QVariant view = s.value(kViewKey);
    if (view.isValid()) window.views().offerLastView(view.toInt());

    if (window.restoreGeometry(s.value(kGeometryKey).toByteArray())) {
        window.show();
        return;
    }
    const QSize available = window.screen() ? window.screen()->availableGeometry().size()
                                            : firstWindowSize({ 1130, 640 });
    window.resize(firstWindowSize(available));
    window.showMaximized(); // where a window manager maximises, the board gets the screen
}

void RememberedSettings::save(const MainWindow& window) const
{
    QSettings s(file_, QSettings::IniFormat);
    s.setValue(kGeometryKey, window.saveGeometry());
    // The view only once one was chosen: quitting from the welcome panel keeps the last.
    const auto* welcome = window.findChild<QWidget*>("Bienvenue");
    if (!welcome || !welcome->isVisible()) s.setValue(kViewKey, window.theme3d());
    for (const char* name : kRememberedOptions)
        if (auto* a = window.findChild<QAction*>(name))
            s.setValue(QString("options/") + name, a->isChecked());
    s.sync();
}

} // namespace kv
