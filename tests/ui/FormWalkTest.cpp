#include "FormDriver.h"
#include "FormStateCheck.h"
#include "ModalRun.h"

#include "ui/LabelSets.h"
#include "ui/MainFormBindings.h"
#include "ui/Orvane_CalcDlg.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

using namespace MainFormBindings;

namespace {

uint64_t WalkLength() {
    const char* text = std::getenv("ORVANE_FORM_WALK_STEPS");
    return text != nullptr ? std::strtoull(text, nullptr, 10) : 2000;
}

} // namespace

// Thousands of seeded picks a user can make, through the real widgets; after every one the
// form must show exactly what a model driven directly holds.
TEST(FormWalk, FormAlwaysShowsTheModelsWholeState) {
    std::mt19937_64 rng(5211);
    COrvane_CalcDlg dlg;
    RunModal(dlg, [&] {
        CCapacityModel reference;
        reference.StartUp();
        const uint64_t steps = WalkLength();
        for (uint64_t step = 1; step <= steps; ++step) {
            if (rng() % 50 == 0) {
                QTest::mouseClick(dlg.Button(kClearId), Qt::LeftButton);
                reference.OnClear();
            } else {
                const ListBinding& binding = kLists[rng() % kLists.size()];
                QComboBox* combo = drive::List(dlg, binding.id);
                if (!combo->isEnabled()) {
                    continue;
                }
                const int row = static_cast<int>(rng() % static_cast<uint64_t>(combo->count()));
                drive::PickRow(combo, row);
                drive::ApplyToModel(reference, binding.id, row);
            }
            ASSERT_EQ(ModelStateDifference(dlg.Model(), reference), QString()) << "step " << step;
            ASSERT_EQ(FormStateDifference(dlg), QString()) << "step " << step;
            const int language = reference.m_listLanguage.GetCurSel();
            ASSERT_EQ(dlg.Button(kClearId)->text(),
                      QString::fromUtf8(Labels::kClearButton.Text(language)));
            ASSERT_EQ(dlg.Button(kCloseId)->text(),
                      QString::fromUtf8(Labels::kCloseButton.Text(language)));
        }
        dlg.EndDialog(CForm::kCancel);
    });
}
