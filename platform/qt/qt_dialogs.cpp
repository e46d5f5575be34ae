// Message boxes without icon, with the program's title and Spanish buttons.
#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/qt/announcer.h"

namespace gus {

QString displayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

QWidget* topWindow() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

Answer QtDialogs::messageBox(const std::string& text, const std::string& title, Buttons buttons) {
    Announcer::program().letHeldWordsOut();
    QMessageBox box(topWindow());
    box.setIcon(QMessageBox::NoIcon);
    QFont large = box.font();
    large.setPointSize(kDialogPointSize);
    box.setFont(large);
    box.setWindowTitle(QString::fromUtf8(title.empty() ? kProgramTitle : title.c_str()));
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    if (buttons == Buttons::Ok) return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

}  // namespace gus
