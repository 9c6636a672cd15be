#include "FormDriver.h"
#include "FormStateCheck.h"
#include "ModalRun.h"

#include "toolkit/SystemMenu.h"
#include "ui/AboutDlg.h"
#include "ui/MainFormBindings.h"
#include "ui/Orvane_CalcDlg.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace MainFormBindings;
using drive::List;
using drive::PickRow;

namespace {

constexpr unsigned kAboutCommand = 0x0010;

QAction* MenuEntry(COrvane_CalcDlg& dlg, unsigned nCommand) {
    for (QAction* action : dlg.GetSystemMenu()->Menu()->actions()) {
        if (!action->isSeparator() && CSystemMenu::CommandOf(action) == nCommand) {
            return action;
        }
    }
    return nullptr;
}

// Runs inspect once a modal window other than the main form is active (the About box opens
// in a modal loop of its own, after the menu has closed).
void WhenBoxOpens(QWidget* mainForm, std::function<void(QWidget*)> inspect) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    int tries = 0;
    QObject::connect(poll, &QTimer::timeout, [poll, mainForm, inspect, tries]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != mainForm && modal->isVisible()) {
            poll->stop();
            poll->deleteLater();
            inspect(modal);
        } else if (++tries > 1000) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "the About box did not open";
        }
    });
    poll->start();
}

} // namespace

TEST(Shell, SystemMenuEndsWithTheAboutEntry) {
    COrvane_CalcDlg dlg;
    RunModal(dlg, [&] {
        const QList<QAction*> actions = dlg.GetSystemMenu()->Menu()->actions();
        ASSERT_GE(actions.size(), 4);
        EXPECT_EQ(CSystemMenu::CommandOf(actions[0]), CSystemMenu::kMove);
        EXPECT_EQ(CSystemMenu::CommandOf(actions[1]), CSystemMenu::kClose);
        EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
        EXPECT_EQ(actions.back()->text(), QStringLiteral("&About Orvane_Calc..."));
        EXPECT_EQ(CSystemMenu::CommandOf(actions.back()), kAboutCommand);

        // Alt+Space opens it; the access key A then picks the About entry.
        QTest::keyClick(&dlg, Qt::Key_Space, Qt::AltModifier);
        QMenu* menu = dlg.GetSystemMenu()->Menu();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        WhenBoxOpens(&dlg, [&](QWidget* box) {
            EXPECT_NE(qobject_cast<CAboutDlg*>(box), nullptr);
            QTest::keyClick(box, Qt::Key_Escape);
            QTimer::singleShot(0, &dlg, [&] { dlg.EndDialog(CForm::kCancel); });
        });
        QTest::keyClick(menu, Qt::Key_A);
    });
}

// The About box shows its texts and emblem, keeps the main form from taking input, ends
// every usual way, and leaves the form as it was (English even when the labels are Spanish).
TEST(Shell, AboutBoxOpensOverTheFormAndLeavesItUnchanged) {
    struct Case {
        const char* how;
        std::function<void(QWidget*)> close;
    };
    const Case cases[] = {
        {"Enter", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }},
        {"Escape", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }},
        {"close box", [](QWidget* box) { box->close(); }},
        {"OK",
         [](QWidget* box) {
             QTest::mouseClick(box->findChild<QPushButton*>("1"), Qt::LeftButton);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        COrvane_CalcDlg dlg;
        // Outlive the action: the About command runs after it has returned.
        CCapacityModel before;
        std::map<int, QString> labelsBefore;
        RunModal(dlg, [&] {
            PickRow(List(dlg, kLanguageId), 1);
            PickRow(List(dlg, kProductId), 8);
            PickRow(List(dlg, 1011), 12);
            before = dlg.Model();
            labelsBefore = dlg.LabelTexts();
            EXPECT_EQ(MenuEntry(dlg, kAboutCommand)->text(),
                      QStringLiteral("&About Orvane_Calc..."));

            WhenBoxOpens(&dlg, [&](QWidget* box) {
                EXPECT_EQ(box->windowTitle(), QStringLiteral("About Orvane_Calc"));
                bool bTextFound = false;
                bool bEmblemFound = false;
                for (QLabel* label : box->findChildren<QLabel*>()) {
                    bTextFound |= label->text() ==
                                  QStringLiteral("Orvane  Resource Calculator, Version 5.2.1");
                    bEmblemFound |= label->pixmap().size() == QSize(32, 32);
                }
                EXPECT_TRUE(bTextFound);
                EXPECT_TRUE(bEmblemFound);
                auto* ok = box->findChild<QPushButton*>("1");
                ASSERT_NE(ok, nullptr);
                EXPECT_EQ(ok->text(), QStringLiteral("OK"));
                EXPECT_TRUE(ok->isDefault());
                EXPECT_LE((box->frameGeometry().center() - dlg.frameGeometry().center())
                              .manhattanLength(),
                          4);

                // The main form takes no input meanwhile (sent through the window system, as
                // a real click is, so that modality applies).
                QWidget* clear = dlg.Button(kClearId);
                QTest::mouseClick(dlg.windowHandle(), Qt::LeftButton, {},
                                  clear->mapTo(&dlg, clear->rect().center()));
                EXPECT_EQ(dlg.Model().m_listIpPhones.GetCurSel(), 12);

                c.close(box);
                QTimer::singleShot(0, &dlg, [&] {
                    EXPECT_EQ(QApplication::activeModalWidget(), &dlg);
                    EXPECT_EQ(ModelStateDifference(dlg.Model(), before), QString());
                    EXPECT_EQ(dlg.LabelTexts(), labelsBefore);
                    EXPECT_EQ(FormStateDifference(dlg), QString());
                    dlg.EndDialog(CForm::kCancel);
                });
            });
            MenuEntry(dlg, kAboutCommand)->trigger();
        });
    }
}

TEST(Shell, MoveAndCloseActAsTheStandardCommands) {
    COrvane_CalcDlg dlg;
    const int result = RunModal(dlg, [&] {
        PickRow(List(dlg, 1011), 2);
        const CCapacityModel before(dlg.Model());
        // Where the platform cannot move windows interactively, Move does nothing at all.
        MenuEntry(dlg, CSystemMenu::kMove)->trigger();
        QTest::qWait(20);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(ModelStateDifference(dlg.Model(), before), QString());
        MenuEntry(dlg, CSystemMenu::kClose)->trigger();
    });
    EXPECT_EQ(result, CForm::kCancel);
}

TEST(Shell, WindowIconAndMinimisedPicture) {
    COrvane_CalcDlg dlg;
    RunModal(dlg, [&] {
        EXPECT_FALSE(dlg.windowIcon().isNull());
        EXPECT_FALSE(dlg.OnQueryDragIcon().isNull());
        EXPECT_TRUE(dlg.windowIcon().availableSizes().contains(QSize(16, 16)));
        // The emblem and the rule on the form, at their own pixel sizes.
        QList<QSize> pictures;
        for (QLabel* label : dlg.findChildren<QLabel*>()) {
            if (!label->pixmap().isNull()) {
                pictures.append(label->pixmap().size());
            }
        }
        EXPECT_EQ(pictures.size(), 2);
        EXPECT_TRUE(pictures.contains(QSize(32, 32)));
        EXPECT_TRUE(pictures.contains(QSize(81, 21)));
        dlg.EndDialog(CForm::kCancel);
    });
}
