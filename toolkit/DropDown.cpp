#include "toolkit/DropDown.h"

#include "model/ChoiceList.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QSignalBlocker>

namespace {

// Some styles (Fusion among them) open a non-editable combo as a menu over the current row
// that grows to the screen's height. A drop-down list opens below itself and scrolls.
class CDropBelowStyle : public QProxyStyle {
public:
    explicit CDropBelowStyle(const QString& baseKey) : QProxyStyle(baseKey) {}

    int styleHint(StyleHint hint, const QStyleOption* pOption, const QWidget* pWidget,
                  QStyleHintReturn* pReturn) const override {
        if (hint == SH_ComboBox_Popup) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, pOption, pWidget, pReturn);
    }
};

QStyle* DropBelowStyle() {
    static QPointer<QStyle> s_pStyle;
    if (s_pStyle.isNull()) {
        s_pStyle = new CDropBelowStyle(QApplication::style()->name());
        s_pStyle->setParent(qApp);
    }
    return s_pStyle;
}

} // namespace

CDropDown::CDropDown(QWidget* pParent) : QComboBox(pParent) {
    setEditable(false);
    // The combo's own item model stays: replacing it (setModel) rewires a dozen signals by
    // name for every drop-down at start-up, which costs more than all later refills.
    // No view(), setStyle() or setSizeAdjustPolicy() here: each of them makes the popup (a
    // window with its own list view) at once, for every drop-down on the form. Made on first
    // opening instead, see showPopup.
}

QSize CDropDown::sizeHint() const {
    // The form template places the drop-down; a hint from its rows would measure every row.
    return size();
}

QSize CDropDown::minimumSizeHint() const {
    return size();
}

void CDropDown::showPopup() {
    // The style only changes how the popup opens; the closed drop-down draws the same.
    if (style() != DropBelowStyle()) {
        setStyle(DropBelowStyle());
        // The list scrolls rather than growing to the screen's height.
        view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    QComboBox::showPopup();
}

void CDropDown::ShowList(const CChoiceList& list) {
    const bool bSameRevision = m_bFilled && m_pShownList == &list &&
                               m_nShownRevision == list.GetItemsRevision() &&
                               count() == static_cast<int>(m_shownItems.size());
    if (!bSameRevision) {
        if (!m_bFilled || count() != list.GetCount() || m_shownItems != list.Items()) {
            Refill(list.Items());
        }
        m_pShownList = &list;
        m_nShownRevision = list.GetItemsRevision();
    }
    ShowCurrent(list.GetCurSel());
    // The widget's own flag, not isEnabled(): a disabled parent must not trigger writes.
    if (isEnabledTo(parentWidget()) != list.IsEnabled()) {
        setEnabled(list.IsEnabled());
    }
}

void CDropDown::ShowCurrent(int nIndex) {
    if (currentIndex() != nIndex) {
        const QSignalBlocker blocker(this);
        setCurrentIndex(nIndex);
    }
}

void CDropDown::Refill(const std::vector<std::string>& items) {
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) {
        rows.append(QString::fromStdString(item));
    }
    const QSignalBlocker blocker(this);
    // One bulk insert; ShowList sets the real current row next.
    clear();
    addItems(rows);
    m_shownItems = items;
    m_bFilled = true;
}
