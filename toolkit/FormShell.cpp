// What a form does for the window around it: its system menu, painting, icons and colours.
#include "toolkit/Form.h"

#include "toolkit/SystemMenu.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QWindow>

void CForm::OpenSystemMenu(const QPoint& globalPos) {
    m_pSystemMenu->Menu()->popup(globalPos);
}

void CForm::contextMenuEvent(QContextMenuEvent* pEvent) {
    // Only the background: a control's own right-click stays the control's. Frames and texts
    // let the mouse through, so childAt() skips them and they count as background.
    if (pEvent->reason() == QContextMenuEvent::Mouse && childAt(pEvent->pos()) == nullptr) {
        OpenSystemMenu(pEvent->globalPos());
        pEvent->accept();
        return;
    }
    QDialog::contextMenuEvent(pEvent);
}

void CForm::OnSysCommand(unsigned nID, intptr_t lParam) {
    DefaultSysCommand(nID, lParam);
}

void CForm::DefaultSysCommand(unsigned nID, intptr_t) {
    switch (nID & 0xFFF0) {
    case CSystemMenu::kClose:
        close(); // the close box's way: closeEvent, reject, OnCancel
        break;
    case CSystemMenu::kMove:
        if (QWindow* pWindow = windowHandle(); pWindow != nullptr) {
            // false where the platform cannot start a move (offscreen, some compositors):
            // the window frame still moves it.
            static_cast<void>(pWindow->startSystemMove());
        }
        break;
    default:
        break;
    }
}

void CForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    OnPaint(painter);
}

void CForm::OnPaint(QPainter&) {}

void CForm::EraseIconBackground(QPainter& painter) {
    painter.fillRect(rect(), palette().window());
}

void CForm::DrawIcon(QPainter& painter, int x, int y, const QIcon& icon) {
    if (icon.isNull()) {
        return;
    }
    const QSize size(SystemIconWidth(), SystemIconHeight());
    painter.drawPixmap(QRect(QPoint(x, y), size), icon.pixmap(size));
}

void CForm::SetIcon(const QIcon& icon, bool bBigIcon) {
    (bBigIcon ? m_iconBig : m_iconSmall) = icon;
    // Qt keeps one window icon with several sizes; the platform picks the size it shows.
    QIcon combined;
    for (const QIcon* pIcon : {&m_iconSmall, &m_iconBig}) {
        for (const QSize& size : pIcon->availableSizes()) {
            combined.addPixmap(pIcon->pixmap(size));
        }
    }
    setWindowIcon(combined.isNull() ? icon : combined);
}

QBrush CForm::OnCtlColor(CCtlColor& dc, QWidget* pControl, ControlKind kind) {
    return DefaultCtlColor(dc, pControl, kind);
}

QBrush CForm::DefaultCtlColor(CCtlColor&, QWidget*, ControlKind kind) const {
    return palette().brush(kind == ControlKind::NumberField ? QPalette::Base : QPalette::Window);
}
