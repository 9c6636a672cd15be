#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The model of one drop-down list: ordered item texts, the current index (-1 for none)
// and an enabled flag. It never raises events; the form decides what a user's pick runs.
class CChoiceList {
public:
    enum class Order { Appended, Sorted };

    explicit CChoiceList(std::vector<std::string> items = {}, Order order = Order::Appended);

    // Copies take items, selection and flag, but keep their own mirrors (see BindIndex).
    CChoiceList(const CChoiceList& other);
    CChoiceList& operator=(const CChoiceList& other);

    void Reset();
    void Add(const std::string& text);
    void SetCurSel(int32_t i);
    int32_t GetCurSel() const { return m_nCurSel; }
    int32_t GetCount() const { return static_cast<int32_t>(m_items.size()); }
    std::string GetText(int32_t i) const;
    void Enable(bool bEnable) { m_bEnabled = bEnable; }
    bool IsEnabled() const { return m_bEnabled; }

    const std::vector<std::string>& Items() const { return m_items; }
    // Changes whenever the items are touched (copies included) and is never shared by two
    // item states, so a viewer can skip comparing a list whose revision it has seen.
    uint64_t GetItemsRevision() const { return m_nItemsRevision; }

    // Ties an integer to the current index: every change of the selection writes it too,
    // whoever makes it, so the two can never drift apart.
    void BindIndex(int32_t* pIndex) { m_pIndexMirror = pIndex; }
    // The same for the text of the current item ("" when none is current).
    void BindText(std::string* pText) { m_pTextMirror = pText; }

private:
    void SetCurrent(int32_t i);

    std::vector<std::string> m_items;
    int32_t m_nCurSel = -1;
    bool m_bEnabled = true;
    Order m_order;
    uint64_t m_nItemsRevision = 0;
    int32_t* m_pIndexMirror = nullptr;
    std::string* m_pTextMirror = nullptr;
};
