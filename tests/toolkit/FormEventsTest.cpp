#include "TestForm.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

using namespace testform;

TEST(FormEvents, UserPicksRaiseOnPickAndProgramSelectionsDoNot) {
    CTestForm form;
    RunModal(form, [&] {
        QComboBox* pList = form.DropDown(kListA);
        pList->setFocus();
        QTest::keyClick(pList, Qt::Key_Space);
        ASSERT_TRUE(QTest::qWaitFor([&] { return pList->view()->isVisible(); }));
        QTest::keyClick(pList->view(), Qt::Key_Down);
        QTest::keyClick(pList->view(), Qt::Key_Return);
        EXPECT_EQ(form.m_picks, std::vector<int>{kListA});
        EXPECT_EQ(pList->currentIndex(), 1);
        EXPECT_FALSE(pList->view()->isVisible());

        // The program's selections (the exchange, a refill, a direct call) raise nothing.
        form.m_listA.SetCurSel(2);
        form.m_listA.Add("Dremi");
        form.UpdateData(false);
        EXPECT_EQ(pList->currentIndex(), 2);
        pList->setCurrentIndex(3);
        EXPECT_EQ(form.m_picks.size(), 1u);

        // A closed list changed with the arrow keys is a pick as well.
        QTest::keyClick(pList, Qt::Key_Up);
        EXPECT_EQ(form.m_picks, (std::vector<int>{kListA, kListA}));
        form.EndDialog(CForm::kCancel);
    });
}

TEST(FormEvents, PopupOpensBelowTheListAndScrolls) {
    CTestForm form;
    for (int i = 3; i < 40; ++i) {
        form.m_listB.Add(std::to_string(i));
    }
    RunModal(form, [&] {
        QComboBox* pList = form.DropDown(kListB);
        pList->showPopup();
        QWidget* pPopup = pList->view()->window();
        ASSERT_TRUE(QTest::qWaitFor([&] { return pPopup->isVisible(); }));
        EXPECT_GE(pPopup->geometry().top(), pList->mapToGlobal(QPoint(0, pList->height())).y() - 1);
        EXPECT_TRUE(pList->view()->verticalScrollBar()->isVisible());
        pList->hidePopup();
        form.EndDialog(CForm::kCancel);
    });
}

TEST(FormEvents, ClicksReachOnClickedExceptDuringAnExchange) {
    CTestForm form;
    RunModal(form, [&] {
        form.Button(kApply)->click();
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, CentreOf(form, kNotifyLabel));
        EXPECT_EQ(form.m_clicks, (std::vector<int>{kApply, kNotifyLabel}));

        // Notifications while bindings run are the program's doing, not the user's.
        form.m_beforeBindings = [&](CExchange&) {
            form.Button(kApply)->click();
            form.Button(1)->click();
            QTest::mouseClick(form.Item(kNotifyLabel), Qt::LeftButton);
        };
        EXPECT_TRUE(form.UpdateData(false));
        EXPECT_EQ(form.m_clicks.size(), 2u);
        EXPECT_EQ(form.m_nOk, 0);
        form.m_beforeBindings = nullptr;

        // Enter on a button is that button's click; the form stays open.
        form.Button(kApply)->setFocus();
        QTest::keyClick(form.Button(kApply), Qt::Key_Return);
        EXPECT_EQ(form.m_clicks.size(), 3u);
        EXPECT_TRUE(form.isVisible());
        form.EndDialog(CForm::kCancel);
    });
}

TEST(FormEvents, EveryWayOfEndingTakesTheOkOrCancelCommand) {
    struct Case {
        const char* pName;
        std::function<void(CTestForm&)> act;
        int nResult, nOk, nCancel;
    };
    const auto enterOn = [](int id) {
        return [id](CTestForm& form) {
            form.Item(id)->setFocus();
            QTest::keyClick(form.Item(id), Qt::Key_Return);
        };
    };
    const Case cases[] = {
        {"Enter in a field", enterOn(kEditField), CForm::kOk, 1, 0},
        {"Enter on a closed list", enterOn(kListA), CForm::kOk, 1, 0},
        {"keypad Enter in a field",
         [](CTestForm& form) {
             form.Field(kReadField)->setFocus();
             QTest::keyClick(form.Field(kReadField), Qt::Key_Enter, Qt::KeypadModifier);
         },
         CForm::kOk, 1, 0},
        {"Enter on OK", enterOn(1), CForm::kOk, 1, 0},
        {"Enter on Cancel", enterOn(2), CForm::kCancel, 0, 1},
        {"Space on Cancel",
         [](CTestForm& form) {
             form.Button(2)->setFocus();
             QTest::keyClick(form.Button(2), Qt::Key_Space);
         },
         CForm::kCancel, 0, 1},
        {"Escape in a field",
         [](CTestForm& form) { QTest::keyClick(form.Field(kEditField), Qt::Key_Escape); },
         CForm::kCancel, 0, 1},
        {"close box", [](CTestForm& form) { form.windowHandle()->close(); }, CForm::kCancel, 0, 1},
        {"click on Cancel",
         [](CTestForm& form) {
             QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, CentreOf(form, 2));
         },
         CForm::kCancel, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pName);
        CTestForm form;
        const int nResult = RunModal(form, [&] { c.act(form); });
        EXPECT_EQ(nResult, c.nResult);
        EXPECT_EQ(form.m_nOk, c.nOk);
        EXPECT_EQ(form.m_nCancel, c.nCancel);
        EXPECT_TRUE(form.m_clicks.empty());
    }
}

TEST(FormEvents, EnterOutsideButtonsClicksTheTemplatesDefaultButton) {
    CTestForm form(/*bDefaultApply=*/true);
    RunModal(form, [&] {
        EXPECT_TRUE(form.Button(kApply)->isDefault());
        form.Field(kEditField)->setFocus();
        QTest::keyClick(form.Field(kEditField), Qt::Key_Return);
        EXPECT_EQ(form.m_clicks, std::vector<int>{kApply});
        // Another focused button still takes Enter itself.
        form.Button(2)->setFocus();
        QTest::keyClick(form.Button(2), Qt::Key_Return);
    });
    EXPECT_EQ(form.m_nOk, 0);
    EXPECT_EQ(form.m_nCancel, 1);
}
