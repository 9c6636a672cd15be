#include "toolkit/SystemMenu.h"

#include <QAction>
#include <QMenu>

CSystemMenu::CSystemMenu(QWidget* pOwner) : m_pMenu(new QMenu(pOwner)) {
    AppendItem(kMove, QStringLiteral("&Move"));
    AppendItem(kClose, QStringLiteral("&Close"));
}

void CSystemMenu::AppendSeparator() {
    m_pMenu->addSeparator();
}

void CSystemMenu::AppendItem(unsigned nID, const QString& text) {
    QAction* pAction = m_pMenu->addAction(text);
    pAction->setData(nID);
}

unsigned CSystemMenu::CommandOf(const QAction* pAction) {
    return pAction != nullptr ? pAction->data().toUInt() : 0;
}
