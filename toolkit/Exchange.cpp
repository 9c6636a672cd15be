#include "toolkit/Exchange.h"

#include "model/ChoiceList.h"
#include "toolkit/DropDown.h"
#include "toolkit/Form.h"
#include "toolkit/MessageBox.h"

#include <QLineEdit>

#include <limits>
#include <optional>

namespace {

// The control a binding runs on; nullptr once the exchange has failed, so later bindings do
// nothing. A binding to a control the form does not have is a programming error; failing the
// exchange makes it visible instead of silently leaving the data stale.
template <typename Widget> Widget* BoundControl(CExchange& ex, int id, const char* pKind) {
    if (ex.Failed()) {
        return nullptr;
    }
    auto* pWidget = qobject_cast<Widget*>(ex.PrepareControl(id));
    if (pWidget == nullptr) {
        qWarning("form binding: control %d is not a %s", id, pKind);
        ex.Fail(id);
    }
    return pWidget;
}

std::optional<int32_t> ParseInt(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype i = 0;
    bool bNegative = false;
    if (i < trimmed.size() && (trimmed[i] == u'+' || trimmed[i] == u'-')) {
        bNegative = trimmed[i] == u'-';
        ++i;
    }
    if (i == trimmed.size()) {
        return std::nullopt;
    }
    // Accumulate the magnitude; the limit allows the one extra negative value.
    const int64_t nLimit =
        static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + (bNegative ? 1 : 0);
    int64_t nMagnitude = 0;
    for (; i < trimmed.size(); ++i) {
        const char16_t c = trimmed[i].unicode();
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        nMagnitude = nMagnitude * 10 + (c - u'0');
        if (nMagnitude > nLimit) {
            return std::nullopt;
        }
    }
    return static_cast<int32_t>(bNegative ? -nMagnitude : nMagnitude);
}

} // namespace

CExchange::CExchange(CForm* pForm, bool bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pForm(pForm) {}

void CExchange::Fail(int nControlId) {
    m_bFailed = true;
    QWidget* pWidget = m_pForm->Item(nControlId);
    if (pWidget == nullptr) {
        return;
    }
    pWidget->setFocus(Qt::OtherFocusReason);
    if (auto* pField = qobject_cast<QLineEdit*>(pWidget); pField != nullptr) {
        pField->selectAll();
    }
}

QWidget* CExchange::PrepareControl(int nControlId) {
    m_nLastControl = nControlId;
    return m_pForm->Item(nControlId);
}

void ExchangeListText(CExchange& ex, int id, std::string& value, CChoiceList& list) {
    auto* pDropDown = BoundControl<CDropDown>(ex, id, "drop-down");
    if (pDropDown == nullptr) {
        return;
    }
    if (ex.m_bSaveAndValidate) {
        // The list is the truth; the widget only shows it and may lag behind a model change.
        value = list.GetText(list.GetCurSel());
        return;
    }
    // Searched in the list, not the widget: the widget may not show the list's rows yet
    // when the text binding runs before the list binding.
    const QString prefix = QString::fromStdString(value);
    const std::vector<std::string>& items = list.Items();
    for (size_t i = 0; i < items.size(); ++i) {
        if (QString::fromStdString(items[i]).startsWith(prefix, Qt::CaseInsensitive)) {
            const int nRow = static_cast<int>(i);
            if (list.GetCurSel() != nRow) {
                list.SetCurSel(nRow);
            }
            if (nRow < pDropDown->count()) {
                pDropDown->ShowCurrent(nRow);
            }
            return;
        }
    }
}

void ValidateMaxChars(CExchange& ex, const std::string& value, int nMax) {
    if (ex.Failed() || !ex.m_bSaveAndValidate) {
        return;
    }
    if (QString::fromStdString(value).toUcs4().size() > nMax) {
        ShowMessage(ex.m_pForm, QStringLiteral("Enter no more than %1 characters.").arg(nMax),
                    MessageIcon::Exclamation);
        ex.Fail(ex.LastControl());
    }
}

void ExchangeChoiceList(CExchange& ex, int id, const CChoiceList& list) {
    auto* pDropDown = BoundControl<CDropDown>(ex, id, "drop-down");
    if (pDropDown != nullptr && !ex.m_bSaveAndValidate) {
        pDropDown->ShowList(list);
    }
}

void ExchangeIndex(CExchange& ex, int id, int32_t& index, const CChoiceList& list) {
    auto* pDropDown = BoundControl<CDropDown>(ex, id, "drop-down");
    if (pDropDown == nullptr) {
        return;
    }
    if (ex.m_bSaveAndValidate) {
        // As for the text: the widget may still show the row before a model change.
        index = list.GetCurSel();
    } else {
        pDropDown->ShowCurrent(index);
    }
}

void ExchangeInt(CExchange& ex, int id, int32_t& value) {
    auto* pField = BoundControl<QLineEdit>(ex, id, "field");
    if (pField == nullptr) {
        return;
    }
    if (ex.m_bSaveAndValidate) {
        const std::optional<int32_t> parsed = ParseInt(pField->text());
        if (!parsed) {
            ShowMessage(ex.m_pForm, QStringLiteral("Enter an integer."), MessageIcon::None);
            ex.Fail(id);
            return;
        }
        value = *parsed;
        return;
    }
    const QString text = QString::number(value);
    // Rewriting equal text would still reset the cursor and the selection.
    if (pField->text() != text) {
        pField->setText(text);
    }
}

void ExchangeCaption(CExchange& ex, int id, QString& text) {
    if (ex.Failed()) {
        return;
    }
    if (ex.PrepareControl(id) == nullptr) {
        qWarning("form binding: no control %d", id);
        ex.Fail(id);
        return;
    }
    if (ex.m_bSaveAndValidate) {
        text = ex.m_pForm->ItemText(id);
    } else if (ex.m_pForm->ItemText(id) != text) {
        ex.m_pForm->SetItemText(id, text);
    }
}
