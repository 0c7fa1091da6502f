// The engine's entries of the Options menu: the evaluation parameters (the
// parameter editor, saving and loading ".par" files) and the sizes of the
// transposition table.
#pragma once

#include "engine/transposition.h"

#include <QObject>

#include <array>

class QAction;
class QMenu;

namespace kv {

class GameSession;
class MainWindow;
class ParameterEditor;
struct ParameterSet;

class EngineOptions : public QObject {
    Q_OBJECT
public:
    // Adds the entries at the end of `options`.
    EngineOptions(MainWindow& window, GameSession& session, QMenu* options);

    // The editor is a window of its own, made once the main window is built.
    void buildParameterEditor();
    ParameterEditor* parameterEditor() const { return parameterEditor_; }
    // Checks the size entry; the table is resized between searches when `resize`.
    void setTableSize(int sizeFactor, bool resize);

public slots:
    void editParameters();
    void saveParameterFile();
    void loadParameterFile();
    void setParameters(const ParameterSet& set);

private:
    MainWindow& window_;
    GameSession& session_;
    ParameterEditor* parameterEditor_ = nullptr;
    std::array<QAction*, kTableSizes.size()> sizeEntries_ {};
};

} // namespace kv
