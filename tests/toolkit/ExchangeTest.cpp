#include "TestForm.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace testform;

namespace {

QStringList RowsOf(const QComboBox* pList) {
    QStringList rows;
    for (int i = 0; i < pList->count(); ++i) {
        rows.append(pList->itemText(i));
    }
    return rows;
}

} // namespace

TEST(Exchange, ChoiceListRefillsTheWidgetOnlyWhenItsItemsChange) {
    CTestForm form;
    form.CreateControls();
    QComboBox* pList = form.DropDown(kListB);
    CChoiceList list({"0", "1", "2"});
    list.SetCurSel(1);
    const auto load = [&] {
        CExchange ex(&form, false);
        ExchangeChoiceList(ex, kListB, list);
        EXPECT_FALSE(ex.Failed());
    };
    load();
    EXPECT_EQ(RowsOf(pList), QStringList({"0", "1", "2"}));
    EXPECT_EQ(pList->currentIndex(), 1);

    const QAbstractItemModel* pRows = pList->model();
    QSignalSpy resets(pRows, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(pRows, &QAbstractItemModel::rowsInserted);
    QSignalSpy removals(pRows, &QAbstractItemModel::rowsRemoved);
    QSignalSpy edits(pRows, &QAbstractItemModel::dataChanged);
    // A refill empties the rows and inserts the new ones in bulk: one insertion each.
    const auto refills = [&] { return resets.size() + inserts.size() + edits.size(); };

    load();       // unchanged
    list.Reset(); // touched, but the same rows again
    for (const char* pItem : {"0", "1", "2"}) {
        list.Add(pItem);
    }
    list.SetCurSel(2);
    load();
    EXPECT_EQ(refills(), 0);
    EXPECT_EQ(removals.size(), 0);
    EXPECT_EQ(pList->currentIndex(), 2);

    list.Add("3");
    load();
    EXPECT_EQ(refills(), 1);
    EXPECT_EQ(RowsOf(pList), QStringList({"0", "1", "2", "3"}));
    EXPECT_EQ(pList->currentIndex(), 2);

    // Another list with equal rows shows them without a refill; different rows replace them.
    CChoiceList other({"0", "1", "2", "3"});
    CExchange ex(&form, false);
    ExchangeChoiceList(ex, kListB, other);
    EXPECT_EQ(refills(), 1);
    EXPECT_EQ(pList->currentIndex(), -1);
    CChoiceList shorter({"x"});
    ExchangeChoiceList(ex, kListB, shorter);
    EXPECT_EQ(RowsOf(pList), QStringList({"x"}));
}

TEST(Exchange, DisabledListIsGreyedKeepsItsRowAndTakesNoPick) {
    CTestForm form;
    form.m_listA.Enable(false);
    RunModal(form, [&] {
        QComboBox* pList = form.DropDown(kListA);
        EXPECT_FALSE(pList->isEnabled());
        EXPECT_EQ(pList->currentText(), QStringLiteral("Avlo"));
        QTest::keyClick(pList, Qt::Key_Space);
        QTest::keyClick(pList, Qt::Key_Down);
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, CentreOf(form, kListA));
        EXPECT_FALSE(pList->view()->isVisible());
        EXPECT_TRUE(form.m_picks.empty());
        EXPECT_EQ(pList->currentIndex(), 0);

        form.m_listA.Enable(true);
        form.UpdateData(false);
        EXPECT_TRUE(pList->isEnabled());
        form.EndDialog(CForm::kCancel);
    });
}

TEST(Exchange, ListTextSelectsTheFirstRowBeginningWithTheText) {
    CTestForm form;
    form.CreateControls();
    CChoiceList list({"Avlo", "Brenic", "brix", "Élan"});
    {
        CExchange ex(&form, false);
        ExchangeChoiceList(ex, kListA, list);
    }
    struct Case {
        const char* pValue;
        int nExpected; // -1: the selection stays
    };
    const Case cases[] = {{"br", 1}, {"BRI", 2}, {"éL", 3}, {"Avlo", 0}, {"Avlos", -1}, {"x", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pValue);
        list.SetCurSel(1);
        form.DropDown(kListA)->setCurrentIndex(1);
        std::string value = c.pValue;
        CExchange ex(&form, false);
        ExchangeListText(ex, kListA, value, list);
        const int nRow = c.nExpected >= 0 ? c.nExpected : 1;
        EXPECT_EQ(list.GetCurSel(), nRow);
        EXPECT_EQ(form.DropDown(kListA)->currentIndex(), nRow);
        EXPECT_EQ(value, c.pValue);
    }

    std::string saved;
    CExchange save(&form, true);
    ExchangeListText(save, kListA, saved, list);
    EXPECT_EQ(saved, "Brenic");
    // The list decides, even where the widget still shows an older row.
    form.DropDown(kListA)->setCurrentIndex(0);
    ExchangeListText(save, kListA, saved, list);
    EXPECT_EQ(saved, "Brenic");
    list.SetCurSel(-1);
    ExchangeListText(save, kListA, saved, list);
    EXPECT_EQ(saved, "");
}

TEST(Exchange, IntegersReadAsSignedDecimalThatFits32Bits) {
    CTestForm form;
    form.CreateControls();
    QLineEdit* pField = form.Field(kEditField);
    struct Case {
        const char* pText;
        bool bValid;
        int32_t nValue;
    };
    const Case cases[] = {
        {"42", true, 42},
        {"  -17 ", true, -17},
        {"+7", true, 7},
        {"007", true, 7},
        {"2147483647", true, INT32_MAX},
        {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999", false, 0},
        {"", false, 0},
        {"  ", false, 0},
        {"-", false, 0},
        {"12a", false, 0},
        {"1 2", false, 0},
        {"- 5", false, 0},
        {"1.5", false, 0},
        {"٣", false, 0},
        {"0x10", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pText);
        pField->setText(QString::fromUtf8(c.pText));
        CSeenMessage seen;
        if (!c.bValid) {
            AnswerNextMessage(seen);
        }
        int32_t value = 12345;
        CExchange ex(&form, true);
        ExchangeInt(ex, kEditField, value);
        EXPECT_EQ(ex.Failed(), !c.bValid);
        EXPECT_EQ(value, c.bValid ? c.nValue : 12345);
        EXPECT_EQ(seen.nCount, c.bValid ? 0 : 1);
    }

    // Shown as plain decimal; an equal text is left alone (the selection survives).
    int32_t value = -5;
    CExchange load(&form, false);
    ExchangeInt(load, kEditField, value);
    EXPECT_EQ(pField->text(), QStringLiteral("-5"));
    pField->selectAll();
    ExchangeInt(load, kEditField, value);
    EXPECT_EQ(pField->selectedText(), QStringLiteral("-5"));
}

TEST(Exchange, FailedValidationTellsTheUserFocusesTheControlAndStops) {
    struct Case {
        const char* pName;
        std::function<void(CTestForm&)> spoil;
        QString message;
        QMessageBox::Icon icon;
        int nFocus;
    };
    const Case cases[] = {
        {"text too long", [](CTestForm& form) { form.m_nMaxText = 3; },
         QStringLiteral("Enter no more than 3 characters."), QMessageBox::Warning, kListA},
        {"not an integer",
         [](CTestForm& form) { form.Field(kEditField)->setText(QStringLiteral("12x")); },
         QStringLiteral("Enter an integer."), QMessageBox::NoIcon, kEditField},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pName);
        CTestForm form;
        CSeenMessage seen;
        RunModal(form, [&] {
            form.Field(kReadField)->setText(QStringLiteral("77"));
            form.SetItemText(kLabel, QStringLiteral("changed"));
            c.spoil(form);
            AnswerNextMessage(seen);
            EXPECT_FALSE(form.UpdateData(true));
            QWidget* pFailed = form.Item(c.nFocus);
            EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == pFailed; }));
            if (auto* pField = qobject_cast<QLineEdit*>(pFailed)) {
                EXPECT_EQ(pField->selectedText(), pField->text());
            }
            // OK does not end the form while the data does not validate.
            AnswerNextMessage(seen);
            QTest::keyClick(form.focusWidget(), Qt::Key_Return);
            EXPECT_TRUE(form.isVisible());
            form.EndDialog(CForm::kCancel);
        });
        EXPECT_EQ(seen.nCount, 2);
        EXPECT_EQ(seen.title, QStringLiteral("Toolkit Test"));
        EXPECT_EQ(seen.text, c.message);
        EXPECT_EQ(seen.icon, c.icon);
        // Bindings before the failing one were copied, the later ones were not.
        EXPECT_EQ(form.m_nRead, c.nFocus == kEditField ? 77 : 0);
        EXPECT_EQ(form.m_strLabel, QStringLiteral("Bound label"));
    }
}

TEST(Exchange, MaxCharsCountsCharactersNotBytes) {
    CTestForm form;
    form.CreateControls();
    std::string value = "ñ€😀"; // 3 characters, 9 bytes
    CExchange ex(&form, true);
    ValidateMaxChars(ex, value, 3);
    EXPECT_FALSE(ex.Failed());
    CExchange load(&form, false);
    value += "x";
    ValidateMaxChars(load, value, 3); // save direction only
    EXPECT_FALSE(load.Failed());
}

TEST(Exchange, CaptionsOfLabelsFramesButtonsAndFields) {
    CTestForm form;
    form.CreateControls();
    for (int id : {kLabel, kGroup, kApply, kReadField}) {
        SCOPED_TRACE(id);
        QString text = QStringLiteral("Caption %1").arg(id);
        CExchange load(&form, false);
        ExchangeCaption(load, id, text);
        EXPECT_EQ(form.ItemText(id), text);
        form.SetItemText(id, QStringLiteral("typed"));
        CExchange save(&form, true);
        ExchangeCaption(save, id, text);
        EXPECT_EQ(text, QStringLiteral("typed"));
    }
}
