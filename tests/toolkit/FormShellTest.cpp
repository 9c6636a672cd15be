#include "TestForm.h"

#include "toolkit/Icons.h"
#include "toolkit/SystemMenu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

using namespace testform;

namespace {

QAction* EntryWithCommand(QMenu* pMenu, unsigned nID) {
    for (QAction* pAction : pMenu->actions()) {
        if (!pAction->isSeparator() && CSystemMenu::CommandOf(pAction) == nID) {
            return pAction;
        }
    }
    return nullptr;
}

} // namespace

TEST(SystemMenu, HasMoveAndCloseAndPassesAppendedEntriesOn) {
    CTestForm form;
    CSystemMenu* pSystemMenu = form.GetSystemMenu();
    ASSERT_NE(pSystemMenu, nullptr);
    QMenu* pMenu = pSystemMenu->Menu();
    ASSERT_NE(EntryWithCommand(pMenu, 0xF010), nullptr);
    ASSERT_NE(EntryWithCommand(pMenu, 0xF060), nullptr);
    EXPECT_EQ(EntryWithCommand(pMenu, 0xF010)->text().remove(u'&'), QStringLiteral("Move"));
    EXPECT_EQ(EntryWithCommand(pMenu, 0xF060)->text().remove(u'&'), QStringLiteral("Close"));

    pSystemMenu->AppendSeparator();
    pSystemMenu->AppendItem(0x0010, QStringLiteral("&About Test..."));
    const QList<QAction*> actions = pMenu->actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
    EXPECT_EQ(actions.last()->text(), QStringLiteral("&About Test..."));

    const int nResult = RunModal(form, [&] {
        actions.last()->trigger();
        EntryWithCommand(pMenu, 0xF010)->trigger(); // no move under offscreen; nothing breaks
        EXPECT_TRUE(QTest::qWaitFor([&] { return form.m_sysCommands.size() == 2; }));
        EXPECT_TRUE(form.isVisible());
        EntryWithCommand(pMenu, 0xF060)->trigger();
    });
    EXPECT_EQ(form.m_sysCommands, (std::vector<unsigned>{0x0010, 0xF010, 0xF060}));
    EXPECT_EQ(nResult, CForm::kCancel);
    EXPECT_EQ(form.m_nCancel, 1);
}

TEST(SystemMenu, OpensFromAltSpaceAndRightClicksOnTheBackgroundOnly) {
    CTestForm form;
    QMenu* pMenu = form.GetSystemMenu()->Menu();
    RunModal(form, [&] {
        QWindow* pWindow = form.windowHandle();
        const auto opensAt = [&](const QPoint& pos) {
            QTest::mouseClick(pWindow, Qt::RightButton, {}, pos);
            const bool bOpen = QTest::qWaitFor([&] { return pMenu->isVisible(); }, 300);
            pMenu->hide();
            return bOpen;
        };
        EXPECT_TRUE(opensAt(QPoint(2, 2)));
        // Frames and plain labels count as background; controls keep their own right-click.
        EXPECT_TRUE(opensAt(form.Item(kLabel)->geometry().topLeft() + QPoint(2, 2)));
        EXPECT_FALSE(opensAt(CentreOf(form, kListA)));
        EXPECT_FALSE(opensAt(CentreOf(form, kApply)));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pMenu->isVisible(); }));
        pMenu->hide();
        EXPECT_TRUE(form.m_sysCommands.empty());
        form.EndDialog(CForm::kCancel);
    });
}

TEST(FormShell, PaintsThroughOnPaintAndDrawsIconsAtTheStandardSize) {
    CTestForm form;
    form.SetIcon(LoadIconResource(128), true);
    form.SetIcon(LoadIconResource(128), false);
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_FALSE(form.OnQueryDragIcon().isNull());
    RunModal(form, [&] {
        form.grab();
        form.EndDialog(CForm::kCancel);
    });
    EXPECT_GT(form.m_nPaints, 0);

    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        form.DrawIcon(painter, 4, 4, LoadIconResource(128)); // a 16 x 16 red square
    }
    EXPECT_EQ(CForm::SystemIconWidth(), 32);
    EXPECT_EQ(image.pixel(4, 4), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(35, 35), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(36, 36), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(3, 3), qRgb(255, 255, 255));
}
