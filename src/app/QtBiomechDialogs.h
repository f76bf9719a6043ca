#pragma once

#include "document/BiomechDialogs.h"

class QWidget;

// The biomechanics commands' dialogs, shown over the main window.
class CQtBiomechDialogs : public CBiomechDialogs {
public:
    explicit CQtBiomechDialogs(QWidget* owner) : owner(owner) {}
    bool EditForce(ForceFields& fields,
                   const std::function<void(ForceFields&)>& autoBalance) override;
    void ShowNiosh(NioshInputs& inputs,
                   const std::function<NioshResult(NioshInputs&)>& compute) override;

private:
    QWidget* owner;
};
