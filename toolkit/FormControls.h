#pragma once

#include "toolkit/CaptionLayout.h"
#include "toolkit/FormTemplate.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

class CForm;

// The passive and text controls of a form. Each asks its form for colours before it paints
// (CForm::QueryCtlColor), so a form can recolour single controls.

class CFormLabel : public QLabel {
    Q_OBJECT
public:
    CFormLabel(CForm* pForm, bool bNotify);

signals:
    // Only for labels made with bNotify; others let clicks through to what lies below.
    void clicked();

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;

private:
    CForm* m_pForm;
    bool m_bPressed = false;
    CCaptionLayoutCache m_layout;
};

// A frame with a caption, drawn around its neighbours; it is their sibling, never their parent.
class CFormGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit CFormGroupBox(CForm* pForm);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    CForm* m_pForm;
    CCaptionLayoutCache m_layout;
    // The caption on one line and its width, for m_layout's generation m_nCaptionFor.
    unsigned m_nCaptionFor = 0;
    QString m_caption;
    int m_nCaptionWidth = 0;
};

class CFormField : public QLineEdit {
    Q_OBJECT
public:
    explicit CFormField(CForm* pForm);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    CForm* m_pForm;
};
