// The frame the program's dialogs share: a fixed-size dialog with a title and a close button only.
#pragma once

#include <QDialog>

namespace gus {

void makeFixedDialog(QDialog& dialog, const QString& objectName);

}  // namespace gus
