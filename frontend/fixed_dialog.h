// The frame the program's dialogs share: a fixed-size dialog with a title and a close button only,
// and an activation that runs once, when the dialog is first shown.
#pragma once

#include <QDialog>

namespace gus {

void makeFixedDialog(QDialog& dialog, const QString& objectName);

// Form_Activate runs when the dialog is first shown; switching to another program and back
// does not run it again.
class ActivatedDialog : public QDialog {
  public:
    using QDialog::QDialog;
    virtual void Form_Activate() = 0;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    bool activatedOnce_ = false;
};

}  // namespace gus
