#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/DialogFont.h"
#include "toolkit/Exchange.h"
#include "toolkit/SystemMenu.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace {

Qt::WindowFlags FrameFlags(bool bOwned) {
    // A caption with the window menu and the close box; no minimise or maximise box. A form
    // without an owner is an application window of its own, listed in the task bar.
    return (bOwned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
}

// Keeps the exchange flag right however DoDataExchange leaves.
class CExchangeScope {
public:
    explicit CExchangeScope(int& nDepth) : m_nDepth(nDepth) { ++m_nDepth; }
    ~CExchangeScope() { --m_nDepth; }
    CExchangeScope(const CExchangeScope&) = delete;
    CExchangeScope& operator=(const CExchangeScope&) = delete;

private:
    int& m_nDepth;
};

} // namespace

CForm::CForm(const FormTemplate& tmpl, QWidget* pParent)
    : QDialog(pParent, FrameFlags(pParent != nullptr)), m_template(tmpl),
      m_pSystemMenu(std::make_unique<CSystemMenu>(this)) {
    setWindowTitle(QString::fromUtf8(tmpl.title != nullptr ? tmpl.title : ""));
    setFont(DialogFont(QString::fromUtf8(tmpl.fontFamily != nullptr ? tmpl.fontFamily : ""),
                       tmpl.pointSize));
    setSizeGripEnabled(false);

    connect(m_pSystemMenu->Menu(), &QMenu::triggered, this, [this](QAction* pAction) {
        // Run the command once the menu has closed: it may open a modal form of its own.
        const unsigned nID = CSystemMenu::CommandOf(pAction);
        QMetaObject::invokeMethod(
            this, [this, nID] { OnSysCommand(nID, 0); }, Qt::QueuedConnection);
    });
    auto* pMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(pMenuKey, &QShortcut::activated, this,
            [this] { OpenSystemMenu(mapToGlobal(QPoint(0, 0))); });
}

CForm::~CForm() {
    if (CFormApplication* pApp = CFormApplication::Current(); pApp && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
    }
}

int CForm::DoModal() {
    CreateControls();
    m_bEnded = false;
    m_nResult = 0;
    const bool bFocusFirst = OnInitDialog();
    if (m_bEnded) {
        return m_nResult;
    }
    const CBaseUnits units = BaseUnits();
    setFixedSize(MulDiv(m_template.cx, units.cx, 4), MulDiv(m_template.cy, units.cy, 8));
    PlaceCentred();
    if (bFocusFirst) {
        FocusFirstTabStop();
    }
    const int nExecResult = exec();
    return m_bEnded ? m_nResult : nExecResult;
}

bool CForm::UpdateData(bool bSaveAndValidate) {
    CreateControls();
    CExchange ex(this, bSaveAndValidate);
    {
        const CExchangeScope scope(m_nExchangeDepth);
        DoDataExchange(ex);
    }
    return !ex.Failed();
}

void CForm::EndDialog(int nResult) {
    done(nResult);
}

bool CForm::OnInitDialog() {
    if (!UpdateData(false)) {
        EndDialog(kStartFailed);
    }
    return true;
}

void CForm::DoDataExchange(CExchange&) {}

void CForm::OnOK() {
    if (UpdateData(true)) {
        EndDialog(kOk);
    }
}

void CForm::OnCancel() {
    EndDialog(kCancel);
}

void CForm::OnPick(int) {}

void CForm::OnClicked(int) {}

void CForm::done(int nResult) {
    m_nResult = nResult;
    m_bEnded = true;
    QDialog::done(nResult);
}

// Whatever asks QDialog to accept or reject (the close box does) takes the form's own path.
void CForm::accept() {
    OnOK();
}

void CForm::reject() {
    OnCancel();
}

void CForm::keyPressEvent(QKeyEvent* pEvent) {
    const Qt::KeyboardModifiers modifiers = pEvent->modifiers();
    const bool bPlain = modifiers == Qt::NoModifier ||
                        (modifiers == Qt::KeypadModifier && pEvent->key() == Qt::Key_Enter);
    if (!bPlain) {
        QDialog::keyPressEvent(pEvent);
        return;
    }
    switch (pEvent->key()) {
    case Qt::Key_Escape:
        OnCancel();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // Reaches the form only when the focused control did not use the key: fields and
        // closed drop-downs do not, open drop-down popups never pass it on.
        auto* pFocusButton = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* pTarget = pFocusButton != nullptr && pFocusButton->window() == this
                                   ? pFocusButton
                                   : m_pDefaultButton;
        if (pTarget != nullptr) {
            if (pTarget->isEnabled()) {
                pTarget->click();
            }
        } else {
            OnOK();
        }
        return;
    }
    default:
        QDialog::keyPressEvent(pEvent);
    }
}

void CForm::ButtonClicked(int id) {
    if (IsExchanging()) {
        return;
    }
    if (id == kOk) {
        OnOK();
    } else if (id == kCancel) {
        OnCancel();
    } else {
        OnClicked(id);
    }
}

void CForm::FocusFirstTabStop() {
    for (const CControl& control : m_controls) {
        if ((control.nFlags & kTabStop) != 0 && control.pWidget->isEnabled()) {
            control.pWidget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void CForm::PlaceCentred() {
    QRect area;
    if (QWidget* pOwner = parentWidget(); pOwner != nullptr) {
        area = pOwner->window()->frameGeometry();
    } else if (QScreen* pScreen = screen(); pScreen != nullptr) {
        area = pScreen->availableGeometry();
    } else {
        return;
    }
    const QSize size = frameGeometry().size();
    move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}
