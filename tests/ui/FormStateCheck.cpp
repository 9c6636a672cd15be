#include "FormStateCheck.h"

#include "ui/MainFormBindings.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace MainFormBindings;

namespace {

QString ShownCaption(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        return label->text();
    }
    if (auto* box = qobject_cast<const QGroupBox*>(w)) {
        return box->title();
    }
    return QStringLiteral("<not a caption>");
}

} // namespace

QString FormStateDifference(const COrvane_CalcDlg& dlg) {
    const CCapacityModel& model = dlg.Model();
    for (const ListBinding& binding : kLists) {
        const CChoiceList& list = model.*binding.list;
        auto* combo = dlg.findChild<QComboBox*>(QString::number(binding.id));
        if (combo == nullptr) {
            return QStringLiteral("no drop-down %1").arg(binding.id);
        }
        if (combo->count() != list.GetCount()) {
            return QStringLiteral("%1 shows %2 rows, model has %3")
                .arg(binding.id)
                .arg(combo->count())
                .arg(list.GetCount());
        }
        for (int i = 0; i < combo->count(); ++i) {
            if (combo->itemText(i) != QString::fromStdString(list.GetText(i))) {
                return QStringLiteral("%1 row %2 reads %3")
                    .arg(binding.id)
                    .arg(i)
                    .arg(combo->itemText(i));
            }
        }
        if (combo->currentIndex() != list.GetCurSel()) {
            return QStringLiteral("%1 shows row %2, model %3")
                .arg(binding.id)
                .arg(combo->currentIndex())
                .arg(list.GetCurSel());
        }
        if (combo->isEnabled() != list.IsEnabled()) {
            return QStringLiteral("%1 enabled %2, model %3")
                .arg(binding.id)
                .arg(combo->isEnabled())
                .arg(list.IsEnabled());
        }
    }
    for (const IntBinding& binding : kNumbers) {
        auto* field = dlg.findChild<QLineEdit*>(QString::number(binding.id));
        if (field == nullptr) {
            return QStringLiteral("no field %1").arg(binding.id);
        }
        if (field->text() != QString::number(model.*binding.value)) {
            return QStringLiteral("%1 shows %2, model %3")
                .arg(binding.id)
                .arg(field->text())
                .arg(model.*binding.value);
        }
    }
    for (const auto& [id, text] : dlg.LabelTexts()) {
        auto* w = dlg.findChild<QWidget*>(QString::number(id));
        if (w == nullptr || ShownCaption(w) != text) {
            return QStringLiteral("caption %1 shows \"%2\", expected \"%3\"")
                .arg(id)
                .arg(w != nullptr ? ShownCaption(w) : QStringLiteral("<missing>"))
                .arg(text);
        }
    }
    return QString();
}

QString ModelStateDifference(const CCapacityModel& a, const CCapacityModel& b) {
    if (a.m_strProduct != b.m_strProduct) {
        return QStringLiteral("product text differs");
    }
    for (const IntBinding& binding : kNumbers) {
        if (a.*binding.value != b.*binding.value) {
            return QStringLiteral("quantity shown in %1: %2 vs %3")
                .arg(binding.id)
                .arg(a.*binding.value)
                .arg(b.*binding.value);
        }
    }
    for (const KeyIndexBinding& binding : kKeyIndices) {
        if (a.*binding.value != b.*binding.value) {
            return QStringLiteral("key index of %1 differs").arg(binding.id);
        }
    }
    if (a.m_nKeyIpPhones != b.m_nKeyIpPhones || a.m_nKeyRecording != b.m_nKeyRecording) {
        return QStringLiteral("key amounts differ");
    }
    for (const ListBinding& binding : kLists) {
        const CChoiceList& x = a.*binding.list;
        const CChoiceList& y = b.*binding.list;
        if (x.Items() != y.Items() || x.GetCurSel() != y.GetCurSel() ||
            x.IsEnabled() != y.IsEnabled()) {
            return QStringLiteral("list %1 differs").arg(binding.id);
        }
    }
    return QString();
}
