// ParameterEditor, the parameter window ("Parameters"): one edit box for each of the
// 295 evaluation parameters. The eight men tables are panels of 32 boxes laid
// out like the board seen from the side that owns the men; the phase
// thresholds, the squares of the two opening variants and the tempo weights
// have boxes of their own. OK stores the boxes into the set, Cancel forgets them;
// a box whose text is not a number in its item's range keeps the window open.
#pragma once

#include "eval/parameters.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;

namespace kv {

class ParameterEditor : public QDialog {
    Q_OBJECT
public:
    explicit ParameterEditor(QWidget* parent = nullptr);

    // Shows the window with the boxes filled from `set`.
    void edit(const ParameterSet& set);
    // The box of editor item i (parameterItemOffset gives its byte).
    QLineEdit* box(int item) const { return boxes_[item]; }

signals:
    // OK: the set shown, with every box read back over it.
    void parametersAccepted(const ParameterSet& set);

public slots:
    void acceptParameters();
    void cancelEditing();

protected:
    // The boxes' ranges are said again in the new language.
    void changeEvent(QEvent* e) override;

private:
    QLineEdit* makeBox(QWidget* parent, int item, const QString& name);
    QWidget* tablePanel(int table);
    QWidget* lowerPart();
    QString rangeText(int item) const;
    bool boxAccepted(int item) const;
    void markBox(int item);

    ParameterSet shown_;
    std::array<QLineEdit*, kParameterItems> boxes_ {};
    QLabel* refusal_ = nullptr; // why OK refused, with the range
};

} // namespace kv
