#pragma once

#include <QString>

class QAction;
class QMenu;
class QWidget;

// A form's own window menu. Desktop window managers on X11 and Wayland let no program add
// entries to theirs, so each form keeps this one and opens it itself (Alt+Space, right-click
// on the form's background). Every entry carries a command id that the form's
// OnSysCommand receives.
class CSystemMenu {
public:
    static constexpr unsigned kMove = 0xF010;
    static constexpr unsigned kClose = 0xF060;

    explicit CSystemMenu(QWidget* pOwner);

    void AppendSeparator();
    // "&" in text marks the access key.
    void AppendItem(unsigned nID, const QString& text);
    QMenu* Menu() const { return m_pMenu; }

    // The command id an entry of Menu() carries.
    static unsigned CommandOf(const QAction* pAction);

private:
    QMenu* m_pMenu; // owned by the owner widget
};
