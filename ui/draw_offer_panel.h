// The draw messages: the computer's offer, beside the board over the tabs with
// OK to accept and "Annuler" to decline, and the refusal of the user's offer,
// in the notices' row until the game moves on.
#pragma once

#include <QObject>

class QWidget;

namespace kv {

class GameSession;
class MainWindow;

class DrawOfferPanel : public QObject {
    Q_OBJECT
public:
    DrawOfferPanel(MainWindow& window, GameSession& session);

    QWidget* offer() const { return offer_; }
    QWidget* refusal() const { return refusal_; }

public slots:
    void acceptDrawOffer();
    void declineDrawOffer();

private:
    GameSession& session_;
    QWidget* offer_ = nullptr;
    QWidget* refusal_ = nullptr;
};

} // namespace kv
