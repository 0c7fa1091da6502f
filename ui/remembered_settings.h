// What the program remembers between runs beside the state file: the
// window's size and place, the board view last played on, and the check
// marks of the play options. Kept as "korvelan.ini" in the user's data
// folder; a missing or unreadable file leaves the first-run defaults.
//
//     RememberedSettings remembered(paths.userDataPath("korvelan.ini"));
//     remembered.restore(window);   // before the window is shown
//     ...
//     remembered.save(window);      // once the program's loop has ended
#pragma once

#include <QSize>
#include <QString>

namespace kv {

class MainWindow;

class RememberedSettings {
public:
    explicit RememberedSettings(QString file) : file_(std::move(file)) { }

    // Shows the window where it was last, or at its first size, maximised;
    // ticks the remembered options; offers the last view on the welcome panel.
    void restore(MainWindow& window) const;
    // Keeps the window's place, its board view (when one was chosen) and options.
    void save(const MainWindow& window) const;

    // The window's smallest size and the size it first opens at, bounded by
    // the screen: the welcome panel advises the smallest.
    static QSize minimumWindowSize();
    static QSize firstWindowSize(QSize available);

private:
    QString file_;
};

} // namespace kv
