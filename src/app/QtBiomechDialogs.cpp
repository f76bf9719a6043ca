#include "app/QtBiomechDialogs.h"

#include "app/ForceDialog.h"
#include "app/NioshDialog.h"

bool CQtBiomechDialogs::EditForce(ForceFields& fields,
                                  const std::function<void(ForceFields&)>& autoBalance) {
    CForceDialog dialog(fields, autoBalance, owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    fields = dialog.Fields();
    return true;
}

void CQtBiomechDialogs::ShowNiosh(NioshInputs& inputs,
                                  const std::function<NioshResult(NioshInputs&)>& compute) {
    CNioshDialog dialog(inputs, compute, owner);
    dialog.exec();
    inputs = dialog.Inputs();
}
