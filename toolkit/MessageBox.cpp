#include "toolkit/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

int ShowMessage(QWidget* pParent, const QString& text, MessageIcon icon) {
    QMessageBox box(QtIcon(icon), QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    pParent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    // Give the form back its activation, so the focus a failed exchange sets takes effect
    // even where the platform does not reactivate the owner by itself.
    if (pParent != nullptr && pParent->window()->isVisible() &&
        QApplication::activeWindow() != pParent->window()) {
        pParent->window()->activateWindow();
    }
    return 1;
}
