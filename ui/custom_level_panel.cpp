#include "ui/custom_level_panel.h"

#include "game/session.h"
#include "ui/main_window.h"
#include "ui/window_parts.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kv {

using namespace window_parts;

CustomLevelPanel::CustomLevelPanel(MainWindow& window, GameSession& session)
    : window_(window), session_(session)
{
    auto* p9 = overlay(window.centralWidget(), "Panel9", QRect(99, 210, 340, 110));
    auto* pl = new QVBoxLayout(p9);
    auto* prow = new QHBoxLayout;
    prow->addWidget(makeLabel(p9, "N50coupsen", tr("30 coups en :")));
    customMinutesEdit_ = new QLineEdit(p9);
    customMinutesEdit_->setObjectName("Nbminutes");
    customMinutesEdit_->setMaximumWidth(60);
    prow->addWidget(customMinutesEdit_);
    prow->addWidget(makeLabel(p9, "Label_minutes", tr("minutes")));
    pl->addLayout(prow);
    // Says what is accepted when OK refuses the number typed.
    customLevelError_ = makeLabel(p9, "Autre_erreur", QString());
    customLevelError_->setWordWrap(true);
    customLevelError_->setStyleSheet("color: #a01c1c;");
    customLevelError_->hide();
    pl->addWidget(customLevelError_);
    addOkCancel(p9, pl, "BitBtn24", "BitBtn25", this, &CustomLevelPanel::acceptCustomLevel,
                &CustomLevelPanel::cancelCustomLevel);
    panel_ = p9;
}

QString CustomLevelPanel::typedMinutes() const { return customMinutesEdit_->text(); }

void CustomLevelPanel::setMinutes(int minutes)
{
    customMinutesEdit_->setText(QString::number(minutes));
}

void CustomLevelPanel::retranslate()
{
    if (!customLevelError_->text().isEmpty())
        customLevelError_->setText(
            tr("Nombre entier de minutes attendu, de 1 à %1.").arg(kCustomLevelMaxMinutes));
}

void CustomLevelPanel::askCustomLevel()
{
    // The check mark follows the level in force until the panel's OK.
    window_.setLevelEntry(session_.controller().level());
    customMinutesEdit_->setText(QString::number(session_.controller().level().minutes));
    customLevelError_->hide();
    panel_->show();
    panel_->raise();
}

void CustomLevelPanel::acceptCustomLevel()
{
    bool ok = false;
    const int n = customMinutesEdit_->text().trimmed().toInt(&ok);
    const std::optional<LevelSetting> level = ok ? customLevel(n) : std::nullopt;
    if (!level) {
        // The panel stays, and says what it takes.
        customLevelError_->setText(
            tr("Nombre entier de minutes attendu, de 1 à %1.").arg(kCustomLevelMaxMinutes));
        customLevelError_->show();
        customMinutesEdit_->setFocus();
        customMinutesEdit_->selectAll();
        return;
    }
    customLevelError_->hide();
    panel_->hide();
    window_.setLevelEntry(*level);
}

void CustomLevelPanel::cancelCustomLevel()
{
    customLevelError_->hide();
    panel_->hide();
    window_.boardChanged();
}

} // namespace kv
