#include "ui/Orvane_CalcDlg.h"

#include "toolkit/Exchange.h"
#include "toolkit/Icons.h"
#include "ui/AboutDlg.h"
#include "ui/LabelSets.h"
#include "ui/MainFormBindings.h"
#include "ui/MainFormTemplate.h"
#include "ui/Resources.h"
#include "ui/StringTable.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

using namespace MainFormBindings;

namespace {

// The icon is loaded while the form is constructed, so the resources must be there first.
const FormTemplate& TemplateWithResources() {
    InitUiResources();
    return MainFormTemplate();
}

constexpr unsigned kAboutCommand = 0x0010;
constexpr int kWindowIconId = 128;
constexpr int kAboutMenuStringId = 101;

QString FromUtf8(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

COrvane_CalcDlg::COrvane_CalcDlg(QWidget* pParent)
    : CForm(TemplateWithResources(), pParent), m_hIcon(LoadIconResource(kWindowIconId)),
      m_brushBtnFace(QApplication::palette().brush(QPalette::Button)) {
    m_model.SetFormLink(this);
    for (const Labels::Caption& caption : Labels::kFixed) {
        m_strLabels[caption.id] = FromUtf8(caption.english);
    }
    const Labels::TrunkCaptions avlo = Labels::TrunkCaptionsFor(0, Labels::kEnglish);
    m_strLabels[Labels::kTrunkKindId] = FromUtf8(avlo.trunkKind);
    m_strLabels[Labels::kWanCallsId] = FromUtf8(avlo.wanCalls);
    m_strLabels[Labels::kTrunkCallsId] = FromUtf8(avlo.trunkCalls);
    // The label refresh at the end of start-up fills it before the form is first shown.
    m_strLabels[1069].clear();
}

bool COrvane_CalcDlg::OnInitDialog() {
    if (!CForm::OnInitDialog()) {
        return false;
    }

    if (CSystemMenu* pSysMenu = GetSystemMenu()) {
        const QString strAboutMenu = LoadStringResource(kAboutMenuStringId);
        if (!strAboutMenu.isEmpty()) {
            pSysMenu->AppendSeparator();
            pSysMenu->AppendItem(kAboutCommand, strAboutMenu);
        }
    }

    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);

    m_model.StartUp();
    return true;
}

void COrvane_CalcDlg::DoDataExchange(CExchange& ex) {
    CForm::DoDataExchange(ex);

    ExchangeListText(ex, kProductId, m_model.m_strProduct, m_model.m_listProduct);
    ValidateMaxChars(ex, m_model.m_strProduct, kProductTextLimit);
    for (const ListBinding& binding : kLists) {
        ExchangeChoiceList(ex, binding.id, m_model.*binding.list);
    }
    for (const KeyIndexBinding& binding : kKeyIndices) {
        ExchangeIndex(ex, binding.id, m_model.*binding.value, m_model.*binding.list);
    }
    for (const IntBinding& binding : kNumbers) {
        ExchangeInt(ex, binding.id, m_model.*binding.value);
    }
    for (auto& [id, text] : m_strLabels) {
        ExchangeCaption(ex, id, text);
    }
}

void COrvane_CalcDlg::UpdateAccessibleNames() {
    for (const NamedBy& named : kAccessibleNames) {
        QWidget* pControl = Item(named.control);
        const auto it = m_strLabels.find(named.label);
        if (pControl == nullptr || it == m_strLabels.end()) {
            continue;
        }
        QString name = it->second;
        name.replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (pControl->accessibleName() != name) {
            pControl->setAccessibleName(name);
        }
    }
}

void COrvane_CalcDlg::OnPick(int nId) {
    for (const ListBinding& binding : kLists) {
        if (binding.id != nId) {
            continue;
        }
        QComboBox* pList = DropDown(nId);
        (m_model.*binding.list).SetCurSel(pList != nullptr ? pList->currentIndex() : -1);
        if (binding.event != nullptr) {
            (m_model.*binding.event)();
        } else {
            OnLanguageChanged();
        }
        return;
    }
}

void COrvane_CalcDlg::OnClicked(int nId) {
    if (nId == kClearId) {
        m_model.OnClear();
    }
    // The "G.729 (Basic)" label takes clicks and does nothing with them.
}

void COrvane_CalcDlg::OnLanguageChanged() {
    const int nLanguage = m_model.m_listLanguage.GetCurSel();
    const int nProduct = m_model.m_listProduct.GetCurSel();

    UpdateData(true);
    if (nLanguage == Labels::kEnglish || nLanguage == Labels::kSpanish) {
        for (const Labels::Caption& caption : Labels::kFixed) {
            m_strLabels[caption.id] = FromUtf8(caption.Text(nLanguage));
        }
        if (nProduct >= 0 && nProduct <= 8) {
            const Labels::TrunkCaptions trunk = Labels::TrunkCaptionsFor(nProduct, nLanguage);
            m_strLabels[Labels::kTrunkKindId] = FromUtf8(trunk.trunkKind);
            m_strLabels[Labels::kWanCallsId] = FromUtf8(trunk.wanCalls);
            m_strLabels[Labels::kTrunkCallsId] = FromUtf8(trunk.trunkCalls);
        }
        SetItemText(kClearId, FromUtf8(Labels::kClearButton.Text(nLanguage)));
        SetItemText(kCloseId, FromUtf8(Labels::kCloseButton.Text(nLanguage)));
    }
    UpdateData(false);
    // The label texts change only here, so the names screen readers announce follow here.
    UpdateAccessibleNames();
}

QBrush COrvane_CalcDlg::OnCtlColor(CCtlColor& dc, QWidget* pControl, ControlKind kind) {
    QBrush brush = CForm::OnCtlColor(dc, pControl, kind);
    if (pControl != nullptr && pControl == Item(kFootnoteId)) {
        dc.textColor = QColor(255, 0, 0);
        dc.bTransparent = true;
        return m_brushBtnFace;
    }
    return brush;
}

void COrvane_CalcDlg::OnSysCommand(unsigned nID, intptr_t lParam) {
    if ((nID & 0xFFF0) == kAboutCommand) {
        CAboutDlg dlgAbout(this);
        dlgAbout.DoModal();
    } else {
        CForm::OnSysCommand(nID, lParam);
    }
}

void COrvane_CalcDlg::OnPaint(QPainter& painter) {
    if (IsIconic()) {
        EraseIconBackground(painter);
        const int cxIcon = SystemIconWidth();
        const int cyIcon = SystemIconHeight();
        const QRect rect = this->rect();
        const int x = (rect.width() - cxIcon + 1) / 2;
        const int y = (rect.height() - cyIcon + 1) / 2;
        DrawIcon(painter, x, y, m_hIcon);
    } else {
        CForm::OnPaint(painter);
    }
}

QIcon COrvane_CalcDlg::OnQueryDragIcon() const {
    return m_hIcon;
}
