#include "toolkit/DropDown.h"

#include "model/ChoiceList.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStringListModel>

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

CDropDown::CDropDown(QWidget* pParent) : QComboBox(pParent), m_pRows(new QStringListModel(this)) {
    setEditable(false);
    // A full refill through a string-list model is a single reset; the width comes from the
    // form template, so nothing needs to measure the rows.
    setModel(m_pRows);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(0);
    setStyle(DropBelowStyle());
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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
    // The reset leaves row 0 current; ShowList sets the real current row next.
    m_pRows->setStringList(rows);
    m_shownItems = items;
    m_bFilled = true;
}
