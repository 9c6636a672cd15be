#include "model/Refill.h"

#include <array>
#include <string>

namespace {

// Item texts are looked up, not formatted: every numeric list is rebuilt on most events.
constexpr int32_t kLargestBound = 400;

const std::array<std::string, kLargestBound + 1>& NumberTexts() {
    static const auto texts = [] {
        std::array<std::string, kLargestBound + 1> t;
        for (int32_t i = 0; i <= kLargestBound; ++i) {
            t[static_cast<size_t>(i)] = std::to_string(i);
        }
        return t;
    }();
    return texts;
}

} // namespace

void RefillUpTo(CChoiceList& list, int32_t nBound) {
    const int32_t bound = nBound < 0 ? 0 : nBound;
    const int32_t prev = list.GetCurSel();
    list.Reset();
    const auto& texts = NumberTexts();
    for (int32_t i = 0; i <= bound; ++i) {
        list.Add(i <= kLargestBound ? texts[static_cast<size_t>(i)] : std::to_string(i));
    }
    list.SetCurSel(prev <= bound ? prev : bound);
}
