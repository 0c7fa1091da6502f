// The interface language of the running program. `Translations` installs the
// Qt Linguist translation of the chosen language (French is the source text
// and needs none) together with Qt's own texts for its standard dialogs.
//
// Switching language sends every window a LanguageChange event. Texts that a
// window set once when it was built (menu entries, buttons, labels, tabs,
// titles) are then set again by `retranslateTree`: it finds which source text
// each shown text was translated from (any of the six languages) and shows
// that source's translation in the new language. Windows still refresh their
// state-dependent texts (turn, colours, counts, messages) in their own
// changeEvent, since those are made from the game and not from one source.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

class QTranslator;
class QWidget;

namespace kv {

class Translations : public QObject {
    Q_OBJECT
public:
    // A translatable text as the sources hold it.
    struct Source {
        QString context, text, disambiguation;
    };

    explicit Translations(QObject* parent = nullptr);
    ~Translations() override;

    int index() const { return index_; }
    // Installs language `index` (0 French .. 5 Italian); the windows follow
    // when their LanguageChange events are delivered. False when the
    // translation is not built into the program (the language stays).
    bool apply(int index);

    // Every widget, tab and action under `root` that shows a known text in
    // any language is set to that text in the current language.
    void retranslateTree(QWidget* root) const;

    // The sources known to the program and a source's text in one language.
    const std::vector<Source>& sources() const { return sources_; }
    QString translate(int language, const Source& s) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadSources();
    const Source* sourceOf(QObject* o, const QString& key, const QString& shown) const;
    template <class Setter>
    void follow(QObject* o, const QString& key, const QString& shown, Setter set) const;

    int index_ = 0;
    std::array<std::unique_ptr<QTranslator>, 6> ours_;  // by language; French has none
    std::array<std::unique_ptr<QTranslator>, 6> qtOwn_; // Qt's texts of its dialogs
    std::vector<Source> sources_;
    QHash<QString, std::vector<int>> shownToSource_; // a text in any language -> sources
};

} // namespace kv
