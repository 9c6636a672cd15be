#include "FormDriver.h"
#include "FormStateCheck.h"
#include "ModalRun.h"

#include "toolkit/CaptionLayout.h"
#include "ui/LabelSets.h"
#include "ui/MainFormBindings.h"
#include "ui/MainFormTemplate.h"
#include "ui/Orvane_CalcDlg.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace MainFormBindings;
using drive::Caption;
using drive::List;
using drive::PickRow;

namespace {

constexpr int kEnglish = 0;
constexpr int kSpanish = 1;

void ExpectFixedSet(const COrvane_CalcDlg& dlg, int language) {
    for (const Labels::Caption& caption : Labels::kFixed) {
        EXPECT_EQ(Caption(dlg, caption.id), QString::fromUtf8(caption.Text(language)))
            << caption.id;
    }
    EXPECT_EQ(Caption(dlg, kClearId), language == kSpanish ? "Claro" : "Clear");
    EXPECT_EQ(Caption(dlg, kCloseId), language == kSpanish ? "Cerrar" : "Close");
}

bool HasRedPixels(QWidget* w) {
    const QImage image = w->grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

TEST(Language, SwitchesEveryCaptionBothWays) {
    COrvane_CalcDlg dlg;
    RunModal(dlg, [&] {
        PickRow(List(dlg, kLanguageId), kSpanish);
        ExpectFixedSet(dlg, kSpanish);
        EXPECT_EQ(Caption(dlg, 1039), QStringLiteral("Lenguaje"));
        EXPECT_EQ(Caption(dlg, 1040), QStringLiteral("Lenguaje"));
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Trelis 5.2 IP PBXes Resource Calculator"));
        EXPECT_EQ(List(dlg, kLanguageId)->itemText(0), QStringLiteral("English"));
        EXPECT_EQ(List(dlg, kLanguageId)->itemText(1), QStringLiteral("Spanish"));
        EXPECT_EQ(FormStateDifference(dlg), QString());

        PickRow(List(dlg, kLanguageId), kEnglish);
        ExpectFixedSet(dlg, kEnglish);
        EXPECT_EQ(Caption(dlg, 1042), QStringLiteral("Max MWI/BLF Subscriptions\n(Recommended)"));
        EXPECT_EQ(Caption(dlg, 1057), QString::fromUtf8("Avg. User\u2019s Memory (KB)"));
        dlg.EndDialog(CForm::kCancel);
    });
}

TEST(Language, TrunkCaptionsFollowTheModel) {
    struct Case {
        int language, product;
        const char *trunk, *wan, *trunkCalls;
    };
    const Case cases[] = {
        {kSpanish, 7, "ISDN (RSDI)", "WAN<->Llamadas IP en LAN/Llamadas Analogas",
         "ISDN<-> Llamadas IP en LAN/Llamadas Analogas"},
        {kSpanish, 2, "FXO", "WAN<->Llamadas IP en LAN", "FXO<-> Llamadas IP en LAN"},
        {kEnglish, 8, "E1/T1", "WAN<->LAN IP/Analog Phones Calls",
         "E1T1<->LAN IP/Analog Phones Calls"},
        {kEnglish, 3, "ISDN", "WAN<->LAN IP Phones Calls", "ISDN<->LAN IP Phones Calls"},
    };
    COrvane_CalcDlg dlg;
    RunModal(dlg, [&] {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.trunk);
            if (List(dlg, kLanguageId)->currentIndex() != c.language) {
                PickRow(List(dlg, kLanguageId), c.language);
            }
            PickRow(List(dlg, kProductId), c.product);
            EXPECT_EQ(Caption(dlg, 1002), QString::fromUtf8(c.trunk));
            EXPECT_EQ(Caption(dlg, 1034), QString::fromUtf8(c.wan));
            EXPECT_EQ(Caption(dlg, 1033), QString::fromUtf8(c.trunkCalls));
        }
        dlg.EndDialog(CForm::kCancel);
    });
}

TEST(Language, ClearKeepsTheLanguage) {
    COrvane_CalcDlg dlg;
    RunModal(dlg, [&] {
        PickRow(List(dlg, kLanguageId), kSpanish);
        PickRow(List(dlg, kProductId), 5);
        QTest::mouseClick(dlg.Button(kClearId), Qt::LeftButton);
        EXPECT_EQ(List(dlg, kLanguageId)->currentIndex(), kSpanish);
        ExpectFixedSet(dlg, kSpanish);
        EXPECT_EQ(Caption(dlg, 1002), QStringLiteral("ISDN (RSDI)"));
        dlg.EndDialog(CForm::kCancel);
    });
}

TEST(Language, FootnoteIsRedInBothLanguagesAndNothingElseIs) {
    COrvane_CalcDlg dlg;
    RunModal(dlg, [&] {
        for (int language : {kEnglish, kSpanish}) {
            PickRow(List(dlg, kLanguageId), language);
            EXPECT_TRUE(HasRedPixels(dlg.Item(kFootnoteId))) << language;
            for (int other : {1020, 1042, 1058, 1027}) {
                EXPECT_FALSE(HasRedPixels(dlg.Item(other))) << other;
            }
        }
        dlg.EndDialog(CForm::kCancel);
    });
}

// A caption that needs more lines than its box holds would be cut off on screen.
TEST(Language, EveryCaptionShowsWhollyInItsBox) {
    COrvane_CalcDlg dlg;
    RunModal(dlg, [&] {
        for (int language : {kEnglish, kSpanish}) {
            PickRow(List(dlg, kLanguageId), language);
            for (const ControlTemplate& c : MainFormTemplate().controls) {
                if (c.kind != ControlKind::Label || c.id == -1) {
                    continue;
                }
                QWidget* w = dlg.Item(c.id);
                const CCaptionLayout layout =
                    LayOutCaption(Caption(dlg, c.id), w->font(), w->width(), w->height());
                const QFontMetrics fm(layout.font);
                EXPECT_TRUE(layout.bFits) << c.id << " in language " << language;
                EXPECT_LE(layout.lines.size() * fm.height(), w->height()) << c.id;
                // Shrinking is the exception: the form's own font carries almost every text.
                if (layout.font.pointSizeF() < w->font().pointSizeF()) {
                    RecordProperty("shrunk_" + std::to_string(c.id) + "_" +
                                       std::to_string(language),
                                   std::to_string(layout.font.pointSizeF()));
                }
            }
        }
        dlg.EndDialog(CForm::kCancel);
    });
}
