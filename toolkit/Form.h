#pragma once

#include "toolkit/CtlColor.h"
#include "toolkit/DialogUnits.h"
#include "toolkit/FormTemplate.h"
#include "toolkit/SystemMenu.h"

#include <QBrush>
#include <QComboBox>
#include <QDialog>
#include <QHash>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>

#include <cstdint>
#include <memory>
#include <vector>

class CExchange;
class QPainter;

// A modal dialog form built from a FormTemplate. Subclasses bind their data in
// DoDataExchange and react to the user in OnPick / OnClicked; the form turns Enter, Escape,
// the close box and its system menu into the OK and cancel commands.
//
// Notifications (picks, clicks) only ever come from the user: selections the program makes
// raise nothing, and anything a control reports while an exchange runs is ignored.
class CForm : public QDialog {
    Q_OBJECT
public:
    // Results of DoModal; the OK and cancel buttons carry the same ids.
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;
    static constexpr int kStartFailed = -1;

    // tmpl is copied, its controls are not: they must outlive the form (constant tables).
    explicit CForm(const FormTemplate& tmpl, QWidget* pParent = nullptr);
    ~CForm() override;

    // Creates the controls (once), runs OnInitDialog, then shows the form modally. Returns
    // the result given to EndDialog, kStartFailed without showing when the first exchange
    // failed.
    int DoModal();
    // Idempotent; DoModal calls it. Controls exist only after it ran.
    void CreateControls();

    // true copies the controls into the data, false shows the data in the controls.
    // Returns false when a binding failed (it has then told the user and taken the focus).
    bool UpdateData(bool bSaveAndValidate = true);
    bool IsExchanging() const { return m_nExchangeDepth > 0; }

    void EndDialog(int nResult);

    // Controls by template id; nullptr for an unknown id or the wrong kind.
    QWidget* Item(int id) const;
    QComboBox* DropDown(int id) const;
    QLineEdit* Field(int id) const;
    QPushButton* Button(int id) const;
    // Captions of labels, group boxes, buttons and fields; a drop-down's text is its
    // current row (read only).
    void SetItemText(int id, const QString& text);
    QString ItemText(int id) const;

    const FormTemplate& Template() const { return m_template; }
    CBaseUnits BaseUnits() const { return BaseUnitsOf(font()); }

    CSystemMenu* GetSystemMenu() { return m_pSystemMenu.get(); }
    void OpenSystemMenu(const QPoint& globalPos);

    bool IsIconic() const { return isMinimized(); }
    static int SystemIconWidth() { return 32; }
    static int SystemIconHeight() { return 32; }
    void SetIcon(const QIcon& icon, bool bBigIcon);

    // The controls call this before they paint.
    QBrush QueryCtlColor(CCtlColor& dc, QWidget* pControl, ControlKind kind) {
        return OnCtlColor(dc, pControl, kind);
    }
    virtual QIcon OnQueryDragIcon() const { return windowIcon(); }

protected:
    // Base: the first state-to-form exchange; the form ends with kStartFailed when it fails.
    // Return true to give the focus to the first tab stop.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CExchange& ex);
    // Base: UpdateData(true), then EndDialog(kOk) if it succeeded.
    virtual void OnOK();
    virtual void OnCancel();
    // A user's pick in drop-down id (also a re-pick of the current row).
    virtual void OnPick(int id);
    // Push buttons other than OK and cancel, and labels flagged kNotify.
    virtual void OnClicked(int id);
    // Asked before a label, group box or number field paints: may set dc's text colour;
    // returns the background brush.
    virtual QBrush OnCtlColor(CCtlColor& dc, QWidget* pControl, ControlKind kind);
    QBrush DefaultCtlColor(CCtlColor& dc, QWidget* pControl, ControlKind kind) const;
    // Entries of the system menu; compare nID & 0xFFF0 for the standard commands.
    virtual void OnSysCommand(unsigned nID, intptr_t lParam);
    void DefaultSysCommand(unsigned nID, intptr_t lParam);
    virtual void OnPaint(QPainter& painter);
    void EraseIconBackground(QPainter& painter);
    // Draws icon at the standard icon size, scaled if it has no pixmap of that size.
    void DrawIcon(QPainter& painter, int x, int y, const QIcon& icon);

    void done(int nResult) override;
    void accept() override;
    void reject() override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    struct CControl {
        int nId;
        ControlKind kind;
        unsigned nFlags;
        QWidget* pWidget;
    };

    QWidget* MakeControl(const ControlTemplate& control, CBaseUnits units);
    const CControl* Find(int id) const;
    void ButtonClicked(int id);
    void FocusFirstTabStop();
    void PlaceCentred();

    FormTemplate m_template;
    bool m_bControlsCreated = false;
    std::vector<CControl> m_controls; // template order
    QHash<int, qsizetype> m_indexById;
    QPushButton* m_pDefaultButton = nullptr;
    int m_nExchangeDepth = 0;
    bool m_bEnded = false;
    int m_nResult = 0;
    std::unique_ptr<CSystemMenu> m_pSystemMenu;
    QIcon m_iconBig;
    QIcon m_iconSmall;
};
