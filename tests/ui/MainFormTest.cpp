#include "FormDriver.h"
#include "FormStateCheck.h"
#include "ModalRun.h"

#include "model/CapacityModel.h"
#include "toolkit/DialogUnits.h"
#include "ui/LabelSets.h"
#include "ui/MainFormBindings.h"
#include "ui/MainFormTemplate.h"
#include "ui/Orvane_CalcDlg.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace MainFormBindings;
using drive::List;
using drive::PickRow;

namespace {

// Counts the picks the form handles, to show that program selections raise none.
class CCountingDlg : public COrvane_CalcDlg {
public:
    int m_nPicks = 0;

protected:
    void OnPick(int nId) override {
        ++m_nPicks;
        COrvane_CalcDlg::OnPick(nId);
    }
};

struct UserPick {
    int id;
    int row;
};

} // namespace

TEST(MainForm, OpensWithTheEnglishSetForAvlo) {
    COrvane_CalcDlg dlg;
    RunModal(dlg, [&] {
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Trelis 5.2 IP PBXes Resource Calculator"));
        for (const Labels::Caption& caption : Labels::kFixed) {
            EXPECT_EQ(drive::Caption(dlg, caption.id), QString::fromUtf8(caption.english))
                << caption.id;
        }
        EXPECT_EQ(drive::Caption(dlg, 1069), QStringLiteral("Virtual Extensions"));
        EXPECT_EQ(drive::Caption(dlg, 1022), QStringLiteral("Max T.38 Fax Sessions"));
        EXPECT_EQ(drive::Caption(dlg, 1002), QStringLiteral("FXO"));
        EXPECT_EQ(drive::Caption(dlg, 1034), QStringLiteral("WAN<->LAN IP/Analog Phones Calls"));
        EXPECT_EQ(drive::Caption(dlg, 1033), QStringLiteral("FXO<->LAN IP/Analog Phones Calls"));
        EXPECT_EQ(drive::Caption(dlg, kClearId), QStringLiteral("Clear"));
        EXPECT_EQ(drive::Caption(dlg, kCloseId), QStringLiteral("Close"));
        EXPECT_EQ(List(dlg, kProductId)->currentText(), QStringLiteral("Avlo"));
        EXPECT_EQ(List(dlg, kLanguageId)->currentText(), QStringLiteral("English"));
        for (const ListBinding& binding : kLists) {
            if (binding.id != kProductId && binding.id != kLanguageId) {
                EXPECT_EQ(List(dlg, binding.id)->currentText(), QStringLiteral("0")) << binding.id;
            }
        }
        EXPECT_EQ(QApplication::focusWidget(), dlg.Button(kCloseId));

        CCapacityModel reference;
        reference.StartUp();
        EXPECT_EQ(ModelStateDifference(dlg.Model(), reference), QString());
        EXPECT_EQ(FormStateDifference(dlg), QString());
        dlg.EndDialog(CForm::kCancel);
    });
}

// Each pick runs exactly its own event once, and the form then shows the whole state.
TEST(MainForm, PicksRunTheirEventAndTheFormShowsTheState) {
    const UserPick picks[] = {
        {1000, 8}, {1010, 5},  {1011, 150}, {1017, 2}, {1068, 10}, {1016, 100},
        {1009, 3}, {1025, 10}, {1028, 12},  {1029, 4}, {1015, 5},  {1018, 6},
        {1030, 2}, {1014, 4},  {1031, 1},   {1000, 0}, {1016, 50}, {1011, 3},
        {1007, 1}, {1007, 1},  {1000, 4},   {1031, 0},
    };
    CCountingDlg dlg;
    RunModal(dlg, [&] {
        CCapacityModel reference;
        reference.StartUp();
        int nPicks = 0;
        for (const UserPick& pick : picks) {
            SCOPED_TRACE(testing::Message() << "pick " << pick.row << " in " << pick.id);
            PickRow(List(dlg, pick.id), pick.row);
            ++nPicks;
            drive::ApplyToModel(reference, pick.id, pick.row);
            ASSERT_EQ(dlg.m_nPicks, nPicks);
            ASSERT_EQ(ModelStateDifference(dlg.Model(), reference), QString());
            ASSERT_EQ(FormStateDifference(dlg), QString());
        }
        // Clear selects rows all over the form; none of them counts as a pick.
        QTest::mouseClick(dlg.Button(kClearId), Qt::LeftButton);
        reference.OnClear();
        EXPECT_EQ(dlg.m_nPicks, nPicks);
        EXPECT_EQ(ModelStateDifference(dlg.Model(), reference), QString());
        EXPECT_EQ(FormStateDifference(dlg), QString());
        dlg.EndDialog(CForm::kCancel);
    });
}

TEST(MainForm, KeyboardPickOnTheRealPopup) {
    CCountingDlg dlg;
    RunModal(dlg, [&] {
        drive::PickRowByKeys(List(dlg, 1011), 3);
        EXPECT_EQ(dlg.m_nPicks, 1);
        EXPECT_EQ(dlg.Model().m_listIpPhones.GetCurSel(), 3);
        EXPECT_EQ(dlg.Field(1013)->text(), QString::number(37 * 1024 / 3));
        dlg.EndDialog(CForm::kCancel);
    });
}

TEST(MainForm, DisabledListsAreGreyedAndKeepTheirRow) {
    COrvane_CalcDlg dlg;
    RunModal(dlg, [&] {
        EXPECT_FALSE(List(dlg, 1009)->isEnabled());
        EXPECT_EQ(List(dlg, 1009)->currentText(), QStringLiteral("0"));
        PickRow(List(dlg, kProductId), 4); // Elvar
        PickRow(List(dlg, 1009), 3);       // recording key "12"
        PickRow(List(dlg, kProductId), 2); // Casko
        QComboBox* recordingKey = List(dlg, 1009);
        EXPECT_FALSE(recordingKey->isEnabled());
        EXPECT_EQ(recordingKey->currentText(), QStringLiteral("12"));
        EXPECT_FALSE(List(dlg, 1017)->isEnabled());
        QTest::mouseClick(recordingKey, Qt::LeftButton);
        EXPECT_FALSE(recordingKey->view()->isVisible()) << "a greyed list opened";
        dlg.EndDialog(CForm::kCancel);
    });
}

TEST(MainForm, HowTheFormEnds) {
    struct Case {
        const char* what;
        std::function<void(COrvane_CalcDlg&)> act;
        int expected;
    };
    const Case cases[] = {
        {"Enter at once, on Close",
         [](COrvane_CalcDlg&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); },
         CForm::kCancel},
        {"Space at once, on Close",
         [](COrvane_CalcDlg& d) { QTest::keyClick(d.Button(kCloseId), Qt::Key_Space); },
         CForm::kCancel},
        {"Escape", [](COrvane_CalcDlg& d) { QTest::keyClick(d.Field(1019), Qt::Key_Escape); },
         CForm::kCancel},
        {"close box", [](COrvane_CalcDlg& d) { d.close(); }, CForm::kCancel},
        {"Close button",
         [](COrvane_CalcDlg& d) { QTest::mouseClick(d.Button(kCloseId), Qt::LeftButton); },
         CForm::kCancel},
        {"Enter in a number field",
         [](COrvane_CalcDlg& d) {
             d.Field(1019)->setFocus();
             QTest::keyClick(d.Field(1019), Qt::Key_Return);
         },
         CForm::kOk},
        {"Enter on a closed list",
         [](COrvane_CalcDlg& d) {
             List(d, 1011)->setFocus();
             QTest::keyClick(List(d, 1011), Qt::Key_Return);
         },
         CForm::kOk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        COrvane_CalcDlg dlg;
        EXPECT_EQ(RunModal(dlg, [&] { c.act(dlg); }), c.expected);
    }
}

TEST(MainForm, EnterOnClearClearsAndStaysOpen) {
    COrvane_CalcDlg dlg;
    RunModal(dlg, [&] {
        PickRow(List(dlg, kProductId), 8);
        PickRow(List(dlg, 1011), 20);
        PickRow(List(dlg, 1028), 5);
        dlg.Button(kClearId)->setFocus();
        QTest::keyClick(dlg.Button(kClearId), Qt::Key_Return);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(List(dlg, kProductId)->currentText(), QStringLiteral("Ivrel"));
        EXPECT_EQ(List(dlg, 1011)->currentIndex(), 0);
        EXPECT_EQ(List(dlg, 1011)->count(), 33);
        EXPECT_EQ(List(dlg, 1016)->count(), 401);
        EXPECT_EQ(dlg.Field(1026)->text(), QStringLiteral("0"));
        dlg.EndDialog(CForm::kCancel);
    });
}

TEST(MainForm, ClickingTheG729BasicLabelChangesNothing) {
    CCountingDlg dlg;
    RunModal(dlg, [&] {
        PickRow(List(dlg, 1011), 4);
        CCapacityModel before(dlg.Model());
        QWidget* label = dlg.Item(kG729BasicLabelId);
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_EQ(ModelStateDifference(dlg.Model(), before), QString());
        EXPECT_EQ(FormStateDifference(dlg), QString());
        dlg.EndDialog(CForm::kCancel);
    });
}

TEST(MainForm, GeometryAndTabOrderFollowTheTemplate) {
    COrvane_CalcDlg dlg;
    RunModal(dlg, [&] {
        const CBaseUnits units = dlg.BaseUnits();
        const FormTemplate& tmpl = MainFormTemplate();
        EXPECT_EQ(dlg.size(), DialogToPixels(0, 0, tmpl.cx, tmpl.cy, units).size());
        std::vector<QWidget*> tabStops;
        for (const ControlTemplate& c : tmpl.controls) {
            if (c.id == -1) {
                continue;
            }
            QWidget* w = dlg.Item(c.id);
            ASSERT_NE(w, nullptr) << c.id;
            const QRect expected = DialogToPixels(c.x, c.y, c.w, c.h, units);
            EXPECT_EQ(w->pos(), expected.topLeft()) << c.id;
            EXPECT_EQ(w->width(), expected.width()) << c.id;
            if (c.kind != ControlKind::DropDown) {
                EXPECT_EQ(w->height(), expected.height()) << c.id;
            }
            if ((c.flags & kTabStop) != 0) {
                tabStops.push_back(w);
            }
        }
        const std::vector<int> expectedOrder = {
            2,    1000, 1001, 1003, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012,
            1013, 1014, 1015, 1016, 1017, 1018, 1019, 1021, 1023, 1024, 1025, 1026,
            1028, 1029, 1030, 1032, 1036, 1031, 1041, 1068, 1071, 1073};
        ASSERT_EQ(tabStops.size(), expectedOrder.size());
        QWidget* w = dlg.Button(kCloseId);
        for (size_t i = 0; i < expectedOrder.size(); ++i) {
            EXPECT_EQ(w->objectName(), QString::number(expectedOrder[i])) << "tab stop " << i;
            QWidget* next = w->nextInFocusChain();
            while (next != w && (next->focusPolicy() & Qt::TabFocus) == 0) {
                next = next->nextInFocusChain();
            }
            w = next;
        }
        dlg.EndDialog(CForm::kCancel);
    });
}

TEST(MainForm, ListsAndFieldsAreNamedByTheirLabels) {
    COrvane_CalcDlg dlg;
    RunModal(dlg, [&] {
        EXPECT_EQ(List(dlg, 1011)->accessibleName(), QStringLiteral("IP Phones"));
        EXPECT_EQ(dlg.Field(1041)->accessibleName(),
                  QStringLiteral("Max MWI/BLF Subscriptions (Recommended)"));
        PickRow(List(dlg, kLanguageId), 1);
        EXPECT_EQ(List(dlg, 1011)->accessibleName(), QStringLiteral("Telefonos IP"));
        EXPECT_EQ(dlg.Field(1001)->accessibleName(), QStringLiteral("FXO"));
        dlg.EndDialog(CForm::kCancel);
    });
}
