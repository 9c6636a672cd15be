#pragma once

#include <QComboBox>

#include <cstdint>
#include <string>
#include <vector>

class CChoiceList;

// A non-editable drop-down list that shows a CChoiceList. It remembers what it shows, so
// showing an unchanged list again touches no widget state at all: a model change runs
// many exchanges in a row and most of them find nothing to do.
class CDropDown : public QComboBox {
    Q_OBJECT
public:
    explicit CDropDown(QWidget* pParent);

    // Rows, current row and enabled flag of the list, each set only where it differs.
    void ShowList(const CChoiceList& list);
    // Selects row nIndex (-1: none) without raising a pick.
    void ShowCurrent(int nIndex);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void showPopup() override;

private:
    void Refill(const std::vector<std::string>& items);

    // What the rows were last filled from; valid once m_bFilled.
    bool m_bFilled = false;
    const CChoiceList* m_pShownList = nullptr;
    uint64_t m_nShownRevision = 0;
    std::vector<std::string> m_shownItems;
};
