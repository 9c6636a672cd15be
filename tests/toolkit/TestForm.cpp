#include "TestForm.h"

#include "toolkit/Icons.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>

namespace testform {

namespace {

constexpr unsigned kField = kTabStop | kReadOnly | kNumbersOnly;

// Label 101 reaches under field 103, and the group box lies under everything.
constexpr std::array<ControlTemplate, 11> Controls(unsigned applyFlags) {
    return {{
        {kGroup, ControlKind::GroupBox, "Group", 4, 4, 172, 86, 0, 0},
        {kLabel, ControlKind::Label, "WWWW MMMM", 10, 16, 76, 16, 0, 0},
        {kNotifyLabel, ControlKind::Label, "Notify MMM", 10, 36, 58, 16, kNotify, 0},
        {kReadField, ControlKind::NumberField, "", 72, 16, 40, 12, kField, 0},
        {kEditField, ControlKind::NumberField, "", 72, 36, 40, 12, kTabStop, 0},
        {kListA, ControlKind::DropDown, "", 72, 54, 60, 14, kTabStop, 0},
        {kListB, ControlKind::DropDown, "", 120, 16, 40, 14, kTabStop, 0},
        {-1, ControlKind::Image, "", 140, 40, 20, 20, 0, 130},
        {kApply, ControlKind::PushButton, "&Apply", 10, 96, 50, 14, applyFlags, 0},
        {1, ControlKind::PushButton, "OK", 66, 96, 50, 14, kTabStop, 0},
        {2, ControlKind::PushButton, "Cancel", 122, 96, 50, 14, kTabStop, 0},
    }};
}

constexpr auto kControls = Controls(kTabStop);
constexpr auto kControlsDefaultApply = Controls(kTabStop | kDefaultButton);

} // namespace

FormTemplate Template(bool bDefaultApply) {
    FormTemplate tmpl{7, "Test form", 180, 116, "MS Shell Dlg", 8, {}};
    tmpl.controls = bDefaultApply ? std::span<const ControlTemplate>(kControlsDefaultApply)
                                  : std::span<const ControlTemplate>(kControls);
    return tmpl;
}

void InstallTestIcons() {
    static QTemporaryDir s_dir;
    QPixmap emblem(32, 32);
    emblem.fill(Qt::blue);
    emblem.save(s_dir.filePath(QStringLiteral("130.png")));
    QPixmap small(16, 16);
    small.fill(Qt::red);
    small.save(s_dir.filePath(QStringLiteral("128.png")));
    SetIconLocation(s_dir.path() + QLatin1Char('/'));
}

} // namespace testform

using namespace testform;

CTestForm::CTestForm(bool bDefaultApply) : CForm(testform::Template(bDefaultApply)) {
    // As a real form does: the text and the index follow their lists' selections.
    m_listA.BindText(&m_strText);
    m_listB.BindIndex(&m_nIndexB);
    m_listB.SetCurSel(0);
}

void CTestForm::DoDataExchange(CExchange& ex) {
    if (m_beforeBindings) {
        m_beforeBindings(ex);
    }
    ExchangeListText(ex, kListA, m_strText, m_listA);
    ValidateMaxChars(ex, m_strText, m_nMaxText);
    ExchangeChoiceList(ex, kListA, m_listA);
    ExchangeChoiceList(ex, kListB, m_listB);
    ExchangeIndex(ex, kListB, m_nIndexB, m_listB);
    ExchangeInt(ex, kReadField, m_nRead);
    ExchangeInt(ex, kEditField, m_nEdit);
    ExchangeCaption(ex, kLabel, m_strLabel);
}

void CTestForm::OnOK() {
    ++m_nOk;
    CForm::OnOK();
}

void CTestForm::OnCancel() {
    ++m_nCancel;
    CForm::OnCancel();
}

void CTestForm::OnPick(int id) {
    m_picks.push_back(id);
}

void CTestForm::OnClicked(int id) {
    m_clicks.push_back(id);
}

QBrush CTestForm::OnCtlColor(CCtlColor& dc, QWidget* pControl, ControlKind kind) {
    const QBrush brush = CForm::OnCtlColor(dc, pControl, kind);
    const auto it = m_textColors.find(pControl->objectName().toInt());
    if (it != m_textColors.end()) {
        dc.textColor = it->second;
        dc.bTransparent = true;
    }
    return brush;
}

void CTestForm::OnSysCommand(unsigned nID, intptr_t lParam) {
    m_sysCommands.push_back(nID);
    CForm::OnSysCommand(nID, lParam);
}

void CTestForm::OnPaint(QPainter& painter) {
    ++m_nPaints;
    CForm::OnPaint(painter);
}

void CTestForm::showEvent(QShowEvent* pEvent) {
    ++m_nShown;
    CForm::showEvent(pEvent);
}

QPoint CentreOf(const CForm& form, int id) {
    const QWidget* pWidget = form.Item(id);
    return pWidget->mapTo(&form, pWidget->rect().center());
}
