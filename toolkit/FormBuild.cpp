// Making a form's controls from its template, and finding them again by id.
#include "toolkit/Form.h"

#include "toolkit/DropDown.h"
#include "toolkit/FormControls.h"
#include "toolkit/Icons.h"

#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

bool IsPassive(ControlKind kind) {
    return kind == ControlKind::GroupBox || kind == ControlKind::Label ||
           kind == ControlKind::Image;
}

void SetTabStop(QWidget* pWidget, bool bTabStop) {
    const int policy = pWidget->focusPolicy();
    pWidget->setFocusPolicy(
        static_cast<Qt::FocusPolicy>(bTabStop ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
}

} // namespace

void CForm::CreateControls() {
    if (m_bControlsCreated) {
        return;
    }
    m_bControlsCreated = true;
    const CBaseUnits units = BaseUnits();
    m_controls.reserve(m_template.controls.size());
    for (const ControlTemplate& control : m_template.controls) {
        QWidget* pWidget = MakeControl(control, units);
        if (control.id != -1) {
            pWidget->setObjectName(QString::number(control.id));
            if (m_indexById.contains(control.id)) {
                qWarning("form %d: control id %d appears twice; the first one is used",
                         m_template.id, control.id);
            } else {
                m_indexById.insert(control.id, static_cast<qsizetype>(m_controls.size()));
            }
        }
        m_controls.push_back({control.id, control.kind, control.flags, pWidget});
    }

    // Stacking: frames at the bottom, then texts and pictures, then the controls the user
    // works with, each layer in template order. A frame or text that overlaps a control can
    // then never cover it, whatever order the template lists them in.
    for (const CControl& control : m_controls) {
        if (control.kind != ControlKind::GroupBox && IsPassive(control.kind)) {
            control.pWidget->raise();
        }
    }
    for (const CControl& control : m_controls) {
        if (!IsPassive(control.kind)) {
            control.pWidget->raise();
        }
    }

    QWidget* pPrevious = nullptr;
    for (const CControl& control : m_controls) {
        if ((control.nFlags & kTabStop) != 0 && !IsPassive(control.kind)) {
            if (pPrevious != nullptr) {
                setTabOrder(pPrevious, control.pWidget);
            }
            pPrevious = control.pWidget;
        }
    }
}

QWidget* CForm::MakeControl(const ControlTemplate& control, CBaseUnits units) {
    const QString text = QString::fromUtf8(control.text != nullptr ? control.text : "");
    const QRect geometry = DialogToPixels(control.x, control.y, control.w, control.h, units);
    const bool bTabStop = (control.flags & kTabStop) != 0;
    const int id = control.id;
    QWidget* pWidget = nullptr;

    switch (control.kind) {
    case ControlKind::GroupBox: {
        auto* pBox = new CFormGroupBox(this);
        pBox->setTitle(text);
        pWidget = pBox;
        break;
    }
    case ControlKind::Label: {
        const bool bNotify = (control.flags & kNotify) != 0;
        auto* pLabel = new CFormLabel(this, bNotify);
        pLabel->setText(text);
        pLabel->setAlignment(((control.flags & kCentered) != 0 ? Qt::AlignHCenter : Qt::AlignLeft) |
                             Qt::AlignTop);
        if (bNotify) {
            connect(pLabel, &CFormLabel::clicked, this, [this, id] {
                if (!IsExchanging()) {
                    OnClicked(id);
                }
            });
        }
        pWidget = pLabel;
        break;
    }
    case ControlKind::NumberField: {
        auto* pField = new CFormField(this);
        pField->setReadOnly((control.flags & kReadOnly) != 0);
        if ((control.flags & kNumbersOnly) != 0) {
            // Typing accepts digits only; the program may still show a sign (setText does
            // not validate).
            pField->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]*")), pField));
        }
        pField->setText(text);
        SetTabStop(pField, bTabStop);
        pWidget = pField;
        break;
    }
    case ControlKind::DropDown: {
        auto* pDropDown = new CDropDown(this);
        // activated, not currentIndexChanged: only the user's own picks.
        connect(pDropDown, &QComboBox::activated, this, [this, id] {
            if (!IsExchanging()) {
                OnPick(id);
            }
        });
        SetTabStop(pDropDown, bTabStop);
        pWidget = pDropDown;
        break;
    }
    case ControlKind::PushButton: {
        auto* pButton = new QPushButton(text, this);
        // The form decides what Enter does (keyPressEvent), not QDialog's auto-default rule.
        pButton->setAutoDefault(false);
        const bool bDefault = (control.flags & kDefaultButton) != 0;
        pButton->setDefault(bDefault);
        if (bDefault && m_pDefaultButton == nullptr) {
            m_pDefaultButton = pButton;
        }
        connect(pButton, &QPushButton::clicked, this, [this, id] { ButtonClicked(id); });
        SetTabStop(pButton, bTabStop);
        pWidget = pButton;
        break;
    }
    case ControlKind::Image: {
        auto* pImage = new QLabel(this);
        const QPixmap pixmap = LoadImageResource(control.iconId);
        pImage->setPixmap(pixmap);
        pImage->setAttribute(Qt::WA_TransparentForMouseEvents);
        pImage->setFocusPolicy(Qt::NoFocus);
        // Drawn at the picture's own size from the template's top-left corner.
        pImage->setGeometry(QRect(geometry.topLeft(), pixmap.deviceIndependentSize().toSize()));
        return pImage;
    }
    }
    pWidget->setGeometry(geometry);
    return pWidget;
}

const CForm::CControl* CForm::Find(int id) const {
    const auto it = m_indexById.constFind(id);
    return it != m_indexById.constEnd() ? &m_controls[static_cast<size_t>(*it)] : nullptr;
}

QWidget* CForm::Item(int id) const {
    const CControl* pControl = Find(id);
    return pControl != nullptr ? pControl->pWidget : nullptr;
}

QComboBox* CForm::DropDown(int id) const {
    return qobject_cast<QComboBox*>(Item(id));
}

QLineEdit* CForm::Field(int id) const {
    return qobject_cast<QLineEdit*>(Item(id));
}

QPushButton* CForm::Button(int id) const {
    return qobject_cast<QPushButton*>(Item(id));
}

void CForm::SetItemText(int id, const QString& text) {
    const CControl* pControl = Find(id);
    if (pControl == nullptr) {
        return;
    }
    switch (pControl->kind) {
    case ControlKind::GroupBox:
        static_cast<QGroupBox*>(pControl->pWidget)->setTitle(text);
        break;
    case ControlKind::Label:
        static_cast<QLabel*>(pControl->pWidget)->setText(text);
        break;
    case ControlKind::NumberField:
        static_cast<QLineEdit*>(pControl->pWidget)->setText(text);
        break;
    case ControlKind::PushButton:
        static_cast<QPushButton*>(pControl->pWidget)->setText(text);
        break;
    case ControlKind::DropDown:
    case ControlKind::Image:
        break;
    }
}

QString CForm::ItemText(int id) const {
    const CControl* pControl = Find(id);
    if (pControl == nullptr) {
        return {};
    }
    switch (pControl->kind) {
    case ControlKind::GroupBox:
        return static_cast<QGroupBox*>(pControl->pWidget)->title();
    case ControlKind::Label:
        return static_cast<QLabel*>(pControl->pWidget)->text();
    case ControlKind::NumberField:
        return static_cast<QLineEdit*>(pControl->pWidget)->text();
    case ControlKind::PushButton:
        return static_cast<QPushButton*>(pControl->pWidget)->text();
    case ControlKind::DropDown:
        return static_cast<QComboBox*>(pControl->pWidget)->currentText();
    case ControlKind::Image:
        break;
    }
    return {};
}
