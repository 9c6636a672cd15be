#include "ModalRun.h"

#include "toolkit/Form.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

int RunModal(CForm& form, const std::function<void()>& action) {
    QTimer::singleShot(0, &form, [&form, action] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        action();
        // A failed assertion returns from action early; end the form rather than wait.
        if (::testing::Test::HasFatalFailure() && form.isVisible()) {
            while (QWidget* pModal = QApplication::activeModalWidget()) {
                if (pModal == &form) {
                    break;
                }
                pModal->close();
            }
            form.EndDialog(-99);
        }
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &form, [&form] {
        ADD_FAILURE() << "the form was still open";
        while (QWidget* pModal = QApplication::activeModalWidget()) {
            if (pModal == &form) {
                break;
            }
            pModal->close();
        }
        form.EndDialog(-99);
    });
    watchdog.start(60000);
    return form.DoModal();
}

void AnswerNextMessage(CSeenMessage& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (pBox == nullptr) {
            ADD_FAILURE() << "no message box open";
            return;
        }
        ++seen.nCount;
        seen.title = pBox->windowTitle();
        seen.text = pBox->text();
        seen.icon = pBox->icon();
        pBox->button(QMessageBox::Ok)->click();
    });
}
