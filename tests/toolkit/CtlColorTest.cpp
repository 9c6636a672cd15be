#include "TestForm.h"

#include <QImage>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace testform;

namespace {

bool IsRed(QRgb pixel) {
    return qRed(pixel) > 180 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

} // namespace

TEST(CtlColor, TheFormsAnswerColoursOnlyTheControlsItNames) {
    CTestForm form;
    form.m_textColors[kLabel] = QColor(255, 0, 0);
    form.m_textColors[kEditField] = QColor(255, 0, 0); // not focused: no selection colours
    form.m_nEdit = 8888;
    QImage image;
    RunModal(form, [&] {
        image = form.grab().toImage();
        form.EndDialog(CForm::kCancel);
    });
    ASSERT_FALSE(image.isNull());
    const qreal scale = image.devicePixelRatio();
    const auto toImage = [&](const QRect& rect) {
        return QRect((rect.topLeft() * scale), rect.size() * scale);
    };
    const QRect label = toImage(form.Item(kLabel)->geometry());
    const QRect field = toImage(form.Item(kEditField)->geometry());
    int nInLabel = 0;
    int nInField = 0;
    int nElsewhere = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!IsRed(image.pixel(x, y))) {
                continue;
            }
            if (field.contains(x, y)) {
                ++nInField;
            } else if (label.contains(x, y)) {
                ++nInLabel;
            } else {
                ++nElsewhere;
            }
        }
    }
    EXPECT_GT(nInLabel, 10);
    EXPECT_GT(nInField, 10);
    EXPECT_EQ(nElsewhere, 0);
}
