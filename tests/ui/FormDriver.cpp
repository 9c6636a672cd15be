#include "FormDriver.h"

#include "ui/MainFormBindings.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace drive {

QComboBox* List(const CForm& form, int id) {
    return form.findChild<QComboBox*>(QString::number(id));
}

void PickRow(QComboBox* combo, int row) {
    ASSERT_NE(combo, nullptr);
    ASSERT_TRUE(combo->isEnabled()) << combo->objectName().toStdString() << " is greyed";
    ASSERT_LT(row, combo->count());
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(combo->model()->index(row, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

void PickRowByKeys(QComboBox* combo, int row) {
    ASSERT_NE(combo, nullptr);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Space);
    QAbstractItemView* view = combo->view();
    ASSERT_TRUE(view->isVisible()) << "the popup did not open";
    const int from = combo->currentIndex();
    for (int i = from; i < row; ++i) {
        QTest::keyClick(view, Qt::Key_Down);
    }
    for (int i = from; i > row; --i) {
        QTest::keyClick(view, Qt::Key_Up);
    }
    QTest::keyClick(view, Qt::Key_Return);
}

QString Caption(const CForm& form, int id) {
    return form.ItemText(id);
}

void ApplyToModel(CCapacityModel& model, int id, int row) {
    for (const MainFormBindings::ListBinding& binding : MainFormBindings::kLists) {
        if (binding.id == id) {
            (model.*binding.list).SetCurSel(row);
            if (binding.event != nullptr) {
                (model.*binding.event)();
            }
        }
    }
}

} // namespace drive
