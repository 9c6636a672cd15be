#pragma once

#include "model/ChoiceList.h"
#include "toolkit/Exchange.h"
#include "toolkit/Form.h"

#include "ModalRun.h"

#include <QMessageBox>

#include <functional>
#include <map>
#include <vector>

// A small form with a few controls of each kind, recording what the toolkit calls.
namespace testform {

constexpr int kGroup = 100;
constexpr int kLabel = 101;
constexpr int kNotifyLabel = 102;
constexpr int kReadField = 103;
constexpr int kEditField = 104;
constexpr int kListA = 105;
constexpr int kListB = 106;
constexpr int kApply = 107;

// Tab stops in template order.
inline const std::vector<int> kTabStops = {kReadField, kEditField, kListA, kListB, kApply, 1, 2};

// The template; bDefaultApply flags Apply as the default button.
FormTemplate Template(bool bDefaultApply = false);

// Writes the pictures the template refers to and points the icon loader at them.
void InstallTestIcons();

} // namespace testform

class CTestForm : public CForm {
public:
    explicit CTestForm(bool bDefaultApply = false);

    // Bound data.
    std::string m_strText;
    int m_nMaxText = 10;
    CChoiceList m_listA{{"Avlo", "Brenic", "Casko"}};
    CChoiceList m_listB{{"0", "1", "2"}};
    int32_t m_nIndexB = 0;
    int32_t m_nRead = 0;
    int32_t m_nEdit = 0;
    QString m_strLabel = QStringLiteral("Bound label");

    // Runs in DoDataExchange before the bindings; may fail the exchange.
    std::function<void(CExchange&)> m_beforeBindings;
    std::map<int, QColor> m_textColors; // colour answers by control id

    // What the toolkit called.
    std::vector<int> m_picks;
    std::vector<int> m_clicks;
    std::vector<unsigned> m_sysCommands;
    int m_nOk = 0;
    int m_nCancel = 0;
    int m_nShown = 0;
    int m_nPaints = 0;

    using CForm::DrawIcon;

protected:
    void DoDataExchange(CExchange& ex) override;
    void OnOK() override;
    void OnCancel() override;
    void OnPick(int id) override;
    void OnClicked(int id) override;
    QBrush OnCtlColor(CCtlColor& dc, QWidget* pControl, ControlKind kind) override;
    void OnSysCommand(unsigned nID, intptr_t lParam) override;
    void OnPaint(QPainter& painter) override;
    void showEvent(QShowEvent* pEvent) override;
};

// The centre of control id in the form's coordinates.
QPoint CentreOf(const CForm& form, int id);
