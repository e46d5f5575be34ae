// Fixed dialogs: no resizing, no minimise or maximise buttons.
#include "frontend/fixed_dialog.h"

#include <QLayout>

namespace gus {

void makeFixedDialog(QDialog& dialog, const QString& objectName) {
    dialog.setObjectName(objectName);
    dialog.setModal(true);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (QLayout* layout = dialog.layout()) layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ActivatedDialog::showEvent(QShowEvent* event) {
    if (!activatedOnce_) {
        activatedOnce_ = true;
        Form_Activate();
    }
    QDialog::showEvent(event);
}

}  // namespace gus
