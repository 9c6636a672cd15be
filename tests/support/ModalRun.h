#pragma once

#include <QIcon>
#include <QMessageBox>
#include <QString>

#include <functional>

class CForm;

// Runs the form modally with action running inside the modal loop once the form is active.
// action must end the form; a watchdog ends it (and fails the test) if it does not.
int RunModal(CForm& form, const std::function<void()>& action);

// What the next message box said; it is answered with OK.
struct CSeenMessage {
    int nCount = 0;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};
void AnswerNextMessage(CSeenMessage& seen);
