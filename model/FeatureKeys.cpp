#include "model/CapacityModel.h"

#include "model/Catalogue.h"

namespace {

// The amount at a key index; 0 for an index the model's row does not cover.
int32_t AmountAt(const std::vector<int32_t>& amounts, int32_t nKeyIndex) {
    if (nKeyIndex < 0 || nKeyIndex >= static_cast<int32_t>(amounts.size())) {
        return 0;
    }
    return amounts[static_cast<size_t>(nKeyIndex)];
}

} // namespace

void CCapacityModel::UpdateKeyIpPhones() {
    const ProductRow* row = FindProduct(m_listProduct.GetCurSel());
    m_nKeyIpPhones =
        row == nullptr ? 0 : AmountAt(row->ipPhonesKeyAmounts, m_listIpPhonesKey.GetCurSel());
}

void CCapacityModel::UpdateKeyRecording() {
    const ProductRow* row = FindProduct(m_listProduct.GetCurSel());
    m_nKeyRecording =
        row == nullptr ? 0 : AmountAt(row->recordingKeyAmounts, m_listRecordingKey.GetCurSel());
}
