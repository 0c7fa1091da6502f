#include "ui/engine_options.h"

#include "game/session.h"
#include "ui/main_window.h"
#include "ui/parameter_editor.h"
#include "ui/window_parts.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace kv {

using namespace window_parts;

namespace {
// The handler names of the size entries, in the order of kTableSizes.
constexpr std::array<const char*, kTableSizes.size()> kTableSizeHandlers {
    "N0Mo1", "N07Mo1", "N15Mo1", "N3Mo1", "N5Mo1", "N10Mo1", "N15Mo2", "N30Mo1",
};
// Their captions, whose unit and decimal mark each language writes its own way.
constexpr std::array<const char*, kTableSizes.size()> kTableSizeCaptions {
    QT_TRANSLATE_NOOP("kv::EngineOptions", "0 Mo"),
    QT_TRANSLATE_NOOP("kv::EngineOptions", "0,7 Mo"),
    QT_TRANSLATE_NOOP("kv::EngineOptions", "1,5 Mo"),
    QT_TRANSLATE_NOOP("kv::EngineOptions", "3 Mo"),
    QT_TRANSLATE_NOOP("kv::EngineOptions", "5 Mo"),
    QT_TRANSLATE_NOOP("kv::EngineOptions", "10 Mo"),
    QT_TRANSLATE_NOOP("kv::EngineOptions", "15 Mo"),
    QT_TRANSLATE_NOOP("kv::EngineOptions", "25 Mo"),
};

const TableSize& tableSizeFor(int sizeFactor)
{
    const int f = sizeFactor == 0 ? kDefaultSizeFactor : sizeFactor;
    for (const TableSize& t : kTableSizes)
        if (t.sizeFactor == f) return t;
    return kTableSizes[2]; // "1,5Mo"
}
} // namespace

EngineOptions::EngineOptions(MainWindow& window, GameSession& session, QMenu* options)
    : window_(window), session_(session)
{
    options->addSeparator();
    connect(addMenuAction(options, "Changerlesparamtres1", tr("Modifier les paramètres")),
            &QAction::triggered, this, &EngineOptions::editParameters);
    connect(addMenuAction(options, "Sauverlesparamtres1", tr("Sauver les paramètres")),
            &QAction::triggered, this, &EngineOptions::saveParameterFile);
    connect(addMenuAction(options, "Chargerdesparamtres1", tr("Charger des paramètres")),
            &QAction::triggered, this, &EngineOptions::loadParameterFile);

    QMenu* sizes = options->addMenu(tr("Taille des tables de transposition"));
    sizes->setObjectName("Tailledestablesdetransposition1");
    auto* tableSizeGroup = new QActionGroup(&window);
    for (std::size_t i = 0; i < kTableSizes.size(); ++i) {
        const TableSize& t = kTableSizes[i];
        QAction* a = addMenuAction(sizes, kTableSizeHandlers[i], tr(kTableSizeCaptions[i]));
        a->setCheckable(true);
        a->setChecked(t.sizeFactor == kDefaultSizeFactor);
        tableSizeGroup->addAction(a);
        sizeEntries_[i] = a;
        const int factor = t.sizeFactor;
        connect(a, &QAction::triggered, this, [this, factor] { setTableSize(factor, true); });
    }
}

void EngineOptions::buildParameterEditor()
{
    parameterEditor_ = new ParameterEditor(&window_);
    connect(parameterEditor_, &ParameterEditor::parametersAccepted, this,
            &EngineOptions::setParameters);
}

void EngineOptions::setTableSize(int sizeFactor, bool resize)
{
    const TableSize& t = tableSizeFor(sizeFactor);
    for (std::size_t i = 0; i < kTableSizes.size(); ++i)
        sizeEntries_[i]->setChecked(&kTableSizes[i] == &t);
    const int factor = t.sizeFactor, offset = t.depthOffset;
    session_.setTableSize(factor, offset, resize);
}

// ------------------------------------------------------------------ parameters

void EngineOptions::setParameters(const ParameterSet& set) { session_.setParameters(set); }

void EngineOptions::editParameters() { parameterEditor_->edit(session_.parameters()); }

void EngineOptions::saveParameterFile()
{
    const QString path
        = window_.chooseFile({ true, tr("Sauver les paramètres"), session_.parametersFolder(),
                               tr("Paramètres (*.par)"), "par" });
    if (path.isEmpty()) return;
    saveParameters(session_.parameters(), path.toStdString(), [this](const std::string&) {
        window_.showError(tr("Impossible d'ouvrir ce fichier"));
    });
}

void EngineOptions::loadParameterFile()
{
    const QString path
        = window_.chooseFile({ false, tr("Charger des paramètres"), session_.parametersFolder(),
                               tr("Paramètres (*.par)"), "par" });
    if (path.isEmpty()) return;
    ParameterSet set = session_.parameters();
    if (loadParameters(set, path.toStdString(), [this](const std::string&) {
            window_.showError(tr("Impossible d'ouvrir ce fichier"));
        }))
        setParameters(set);
}

} // namespace kv
