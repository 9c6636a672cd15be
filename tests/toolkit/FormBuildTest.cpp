#include "TestForm.h"

#include "toolkit/Icons.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace testform;

TEST(FormBuild, ControlsFollowTheTemplate) {
    CTestForm form;
    form.CreateControls();

    for (const ControlTemplate& control : form.Template().controls) {
        if (control.id == -1) {
            continue;
        }
        QWidget* pWidget = form.Item(control.id);
        ASSERT_NE(pWidget, nullptr) << control.id;
        EXPECT_EQ(pWidget->objectName(), QString::number(control.id));
        // Group boxes are drawn around their neighbours; everything is the form's child.
        EXPECT_EQ(pWidget->parentWidget(), &form) << control.id;
    }
    EXPECT_TRUE(form.findChild<QGroupBox*>()->findChildren<QWidget*>().isEmpty());

    auto* pLabel = qobject_cast<QLabel*>(form.Item(kLabel));
    ASSERT_NE(pLabel, nullptr);
    EXPECT_TRUE(pLabel->wordWrap());
    EXPECT_EQ(pLabel->textFormat(), Qt::PlainText);
    EXPECT_EQ(pLabel->alignment(), Qt::AlignLeft | Qt::AlignTop);

    QLineEdit* pRead = form.Field(kReadField);
    ASSERT_NE(pRead, nullptr);
    EXPECT_TRUE(pRead->isReadOnly());
    QLineEdit* pEdit = form.Field(kEditField);
    EXPECT_FALSE(pEdit->isReadOnly());
    EXPECT_EQ(pEdit->validator(), nullptr);
    // Numbers-only: the user can type digits only.
    int nPos = 0;
    QString typed = QStringLiteral("12a");
    EXPECT_EQ(pRead->validator()->validate(typed, nPos), QValidator::Invalid);
    typed = QStringLiteral("12");
    EXPECT_EQ(pRead->validator()->validate(typed, nPos), QValidator::Acceptable);

    EXPECT_FALSE(form.DropDown(kListA)->isEditable());
    EXPECT_EQ(form.DropDown(kLabel), nullptr); // wrong kind
    for (int id : {kApply, 1, 2}) {
        EXPECT_FALSE(form.Button(id)->autoDefault()) << id;
        EXPECT_FALSE(form.Button(id)->isDefault()) << id;
    }

    // The picture: no name, drawn at its own pixel size.
    const QList<QLabel*> labels = form.findChildren<QLabel*>();
    const auto image =
        std::find_if(labels.begin(), labels.end(), [](QLabel* p) { return !p->pixmap().isNull(); });
    ASSERT_NE(image, labels.end());
    EXPECT_TRUE((*image)->objectName().isEmpty());
    EXPECT_EQ((*image)->size(), QSize(32, 32));
    EXPECT_EQ(form.Item(-1), nullptr);
}

TEST(FormBuild, FramesAndTextsNeverTakeAClickMeantForAControl) {
    CTestForm form;
    form.CreateControls();
    // Label 101 and the group box both lie under field 103.
    const QRect overlap = form.Item(kLabel)->geometry() & form.Item(kReadField)->geometry();
    ASSERT_FALSE(overlap.isEmpty());
    EXPECT_EQ(form.childAt(overlap.center()), form.Item(kReadField));
    // A plain label is background for the mouse; a notifying one is not.
    const QPoint onLabel = form.Item(kLabel)->geometry().topLeft() + QPoint(2, 2);
    EXPECT_EQ(form.childAt(onLabel), nullptr);
    EXPECT_EQ(form.childAt(CentreOf(form, kNotifyLabel)), form.Item(kNotifyLabel));
}

TEST(FormBuild, OpensFixedSizeCentredWithTheFocusOnTheFirstTabStop) {
    CTestForm form;
    std::vector<int> tabWalk;
    const int nResult = RunModal(form, [&] {
        const CBaseUnits units = form.BaseUnits();
        const QSize expected(MulDiv(180, units.cx, 4), MulDiv(116, units.cy, 8));
        EXPECT_EQ(form.size(), expected);
        EXPECT_EQ(form.minimumSize(), expected);
        EXPECT_EQ(form.maximumSize(), expected);
        const QPoint offset =
            form.frameGeometry().center() - form.screen()->availableGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2);

        const Qt::WindowFlags flags = form.windowFlags();
        EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window); // its own task-bar entry
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

        for (size_t i = 0; i <= kTabStops.size(); ++i) {
            QWidget* pFocus = QApplication::focusWidget();
            tabWalk.push_back(pFocus != nullptr ? pFocus->objectName().toInt() : 0);
            QTest::keyClick(pFocus, Qt::Key_Tab);
        }
        form.EndDialog(CForm::kCancel);
    });
    EXPECT_EQ(nResult, CForm::kCancel);
    std::vector<int> expected = kTabStops;
    expected.push_back(kTabStops.front()); // and round again
    EXPECT_EQ(tabWalk, expected);
}

TEST(FormBuild, FailedFirstExchangeEndsWithoutShowing) {
    CTestForm form;
    form.m_beforeBindings = [](CExchange& ex) { ex.Fail(kEditField); };
    EXPECT_EQ(form.DoModal(), CForm::kStartFailed);
    EXPECT_EQ(form.m_nShown, 0);
}

TEST(Icons, LoadByIdFromTheIconLocation) {
    EXPECT_EQ(LoadImageResource(130).size(), QSize(32, 32));
    EXPECT_EQ(LoadIconResource(128).availableSizes(), QList<QSize>{QSize(16, 16)});
    EXPECT_TRUE(LoadIconResource(999).isNull());
    EXPECT_TRUE(LoadImageResource(999).isNull());
}
