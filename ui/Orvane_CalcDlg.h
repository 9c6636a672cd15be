#pragma once

#include "model/CapacityModel.h"
#include "toolkit/Form.h"

#include <QBrush>
#include <QIcon>
#include <QString>

#include <map>

// The calculator's main form. It shows the model's whole state, turns each user pick into
// SetCurSel on the model's list followed by that list's event, and holds the label texts.
// It computes nothing itself.
class COrvane_CalcDlg : public CForm, public CFormLink {
    Q_OBJECT

public:
    explicit COrvane_CalcDlg(QWidget* pParent = nullptr);

    // CFormLink: the model's requests.
    bool UpdateData(bool bSaveAndValidate) override { return CForm::UpdateData(bSaveAndValidate); }
    void OnLanguageChanged() override;

    QIcon OnQueryDragIcon() const override;

    const CCapacityModel& Model() const { return m_model; }
    const std::map<int, QString>& LabelTexts() const { return m_strLabels; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CExchange& ex) override;
    void OnPick(int nId) override;
    void OnClicked(int nId) override;
    QBrush OnCtlColor(CCtlColor& dc, QWidget* pControl, ControlKind kind) override;
    void OnSysCommand(unsigned nID, intptr_t lParam) override;
    void OnPaint(QPainter& painter) override;

private:
    void UpdateAccessibleNames();

    CCapacityModel m_model;
    std::map<int, QString> m_strLabels;
    QIcon m_hIcon;
    QBrush m_brushBtnFace;
};
