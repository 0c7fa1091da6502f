// The opening editors: WhiteOpeningEditor edits the white library, BlackOpeningEditor the black
// one. The list shown is the library in play: "Ajouter" and "Effacer" change it at once;
// "Enregistrer" stores it as a set and as the active file, "Annuler" reloads it from the active
// file. Storing and reloading need the file dialogs and folders of the main window, so the editor
// asks for them through its two callbacks.
#pragma once

#include "openings/opening_library.h"
#include "rules/board.h"

#include <QWidget>

#include <functional>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kv {

class OpeningEditor : public QWidget {
    Q_OBJECT
public:
    OpeningEditor(SideToMove side, OpeningLibrary& library, QWidget* parent);

    SideToMove side() const { return side_; }
    // Shows the library's lines again (after it was replaced).
    void showLines();
    void setNewLine(const QString& text);
    QString newLine() const;

    // "Enregistrer": stores the set; true when it was stored.
    std::function<bool(SideToMove)> storeSet;
    // "Annuler": reloads the library from the active file.
    std::function<void(SideToMove)> reload;
    // Both editors close after "Enregistrer" or "Annuler".
    std::function<void()> closeEditors;

public slots:
    void addLine(); // "Ajouter"
    void deleteLine();
    void pickLine();
    void saveSet();     // "Enregistrer"
    void cancelEdits(); // "Annuler"

private:
    SideToMove side_;
    OpeningLibrary& library_;
    QGroupBox* fiche_ = nullptr;
    QLineEdit* nouvelle_ = nullptr;
    QListWidget* liste_ = nullptr;
};

class WhiteOpeningEditor : public OpeningEditor {
    Q_OBJECT
public:
    WhiteOpeningEditor(OpeningLibrary& white, QWidget* parent);
};

class BlackOpeningEditor : public OpeningEditor {
    Q_OBJECT
public:
    BlackOpeningEditor(OpeningLibrary& black, QWidget* parent);
};

} // namespace kv
