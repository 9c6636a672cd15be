#include "model/ChoiceList.h"

#include <algorithm>
#include <atomic>
#include <cctype>

namespace {

// Revisions are drawn from one counter, so no two item states of any two lists share one:
// a viewer that saw revision r of some list can never mistake another state for it.
uint64_t NextRevision() {
    static std::atomic<uint64_t> counter{0};
    return ++counter;
}

// Text order with case ignored; the sorted list only ever receives short digit strings.
bool ComesAfter(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

CChoiceList::CChoiceList(std::vector<std::string> items, Order order)
    : m_items(std::move(items)), m_order(order), m_nItemsRevision(NextRevision()) {}

CChoiceList::CChoiceList(const CChoiceList& other)
    : m_items(other.m_items), m_nCurSel(other.m_nCurSel), m_bEnabled(other.m_bEnabled),
      m_order(other.m_order), m_nItemsRevision(NextRevision()) {}

CChoiceList& CChoiceList::operator=(const CChoiceList& other) {
    if (this != &other) {
        m_items = other.m_items;
        m_bEnabled = other.m_bEnabled;
        m_order = other.m_order;
        m_nItemsRevision = NextRevision();
        SetCurrent(other.m_nCurSel);
    }
    return *this;
}

void CChoiceList::Reset() {
    m_items.clear();
    m_nItemsRevision = NextRevision();
    SetCurrent(-1);
}

void CChoiceList::Add(const std::string& text) {
    m_nItemsRevision = NextRevision();
    if (m_order == Order::Sorted) {
        auto pos = std::find_if(m_items.begin(), m_items.end(),
                                [&](const std::string& item) { return ComesAfter(item, text); });
        // An insertion moves the items behind it; keep the same item current.
        if (m_nCurSel >= pos - m_items.begin()) {
            SetCurrent(m_nCurSel + 1);
        }
        m_items.insert(pos, text);
    } else {
        m_items.push_back(text);
    }
}

void CChoiceList::SetCurSel(int32_t i) {
    SetCurrent(i >= 0 && i < GetCount() ? i : -1);
}

std::string CChoiceList::GetText(int32_t i) const {
    return i >= 0 && i < GetCount() ? m_items[static_cast<size_t>(i)] : std::string();
}

void CChoiceList::SetCurrent(int32_t i) {
    m_nCurSel = i;
    if (m_pIndexMirror != nullptr) {
        *m_pIndexMirror = i;
    }
    if (m_pTextMirror != nullptr) {
        *m_pTextMirror = GetText(i);
    }
}
