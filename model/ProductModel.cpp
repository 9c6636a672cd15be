#include "model/CapacityModel.h"

#include "model/Catalogue.h"

namespace {

// Rebuilds a feature-key list with a model's amounts, keeping the key step where the new
// list has it and falling to its last item otherwise. No selection stays no selection.
void RefillKeyList(CChoiceList& list, const std::vector<int32_t>& amounts) {
    const int32_t prev = list.GetCurSel();
    list.Reset();
    for (int32_t amount : amounts) {
        list.Add(std::to_string(amount));
    }
    const int32_t last = list.GetCount() - 1;
    list.SetCurSel(prev <= last ? prev : last);
}

} // namespace

void CCapacityModel::ApplyProductModel() {
    const ProductRow* row = FindProduct(m_listProduct.GetCurSel());
    if (row == nullptr) {
        m_nTrunkPorts = 0;
        return;
    }

    m_nTrunkPorts = row->trunkPorts;
    m_nFxsPorts = row->fxsPorts;
    m_nIpPhonesBasic = row->ipPhonesBasic;
    m_nVirtualExtMax = row->virtualExtMax;
    m_nAudioLineIn = row->audioLineIn;
    m_nAudioLineOut = row->audioLineOut;
    m_nG729Basic = row->g729Basic;

    // A key list the model does not offer keeps its items and choice, greyed.
    m_listG729Key.Enable(!row->g729KeyAmounts.empty());
    if (!row->g729KeyAmounts.empty()) {
        RefillKeyList(m_listG729Key, row->g729KeyAmounts);
    }

    RefillKeyList(m_listIpPhonesKey, row->ipPhonesKeyAmounts);
    UpdateKeyIpPhones();

    m_listRecordingKey.Enable(!row->recordingKeyAmounts.empty());
    if (!row->recordingKeyAmounts.empty()) {
        RefillKeyList(m_listRecordingKey, row->recordingKeyAmounts);
    }

    m_nOnBoardMemoryMB = row->onBoardMemoryMB;
    m_listExternalMemory.Enable(row->externalMemory);

    m_nMaxCalls = row->maxCalls;
    m_nMaxFaxSessions = row->maxFaxSessions;
    m_nMaxAaCalls = row->maxAaCalls;
    m_nMaxVmSessions = row->maxVmSessions;
    m_nMaxSubscriptions = row->maxSubscriptions;

    m_listAnalogPhones.Enable(row->hasAnalogPhones);
    m_listRecordingSessions.Enable(row->recordingSessions);
}

int32_t CCapacityModel::TrunkChannels() const {
    const ProductRow* row = FindProduct(m_listProduct.GetCurSel());
    return row == nullptr ? 0 : row->trunkChannels;
}
