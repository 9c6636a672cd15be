#include "model/CapacityModel.h"

#include "model/Catalogue.h"

namespace {

std::vector<std::string> ProductNames() {
    std::vector<std::string> names;
    for (const ProductRow& row : Catalogue()) {
        names.emplace_back(row.name);
    }
    return names;
}

} // namespace

CCapacityModel::CCapacityModel()
    : m_listProduct(ProductNames()), m_listG729Key({"0"}, CChoiceList::Order::Sorted),
      m_listIpPhonesKey({"0"}), m_listRecordingKey({"0"}), m_listIpPhones({"0"}),
      m_listAnalogPhones({"0"}), m_listAa({"0"}), m_listVirtualExt({"0"}), m_listTrunkCalls({"0"}),
      m_listWanCalls({"0"}), m_listFaxSessions({"0"}), m_listAaCalls({"0"}),
      m_listVmSessions({"0"}), m_listRecordingSessions({"0"}),
      m_listExternalMemory({"0", "256 MB", "512 MB", "1 GB", "2 GB", "4 GB", "8 GB", "16 GB",
                            "32 GB", "64 GB", "128 GB"}),
      m_listLanguage({"English", "Spanish"}) {
    BindLists();
}

CCapacityModel::CCapacityModel(const CCapacityModel& other) : CCapacityModel() {
    *this = other;
}

void CCapacityModel::BindLists() {
    m_listProduct.BindText(&m_strProduct);
    m_listG729Key.BindIndex(&m_nG729KeyIndex);
    m_listIpPhonesKey.BindIndex(&m_nIpPhonesKeyIndex);
    m_listRecordingKey.BindIndex(&m_nRecordingKeyIndex);
}

void CCapacityModel::RequestUpdateData(bool bSaveAndValidate) {
    if (m_pFormLink != nullptr) {
        m_pFormLink->UpdateData(bSaveAndValidate);
    }
}

void CCapacityModel::RequestLabelRefresh() {
    if (m_pFormLink != nullptr) {
        m_pFormLink->OnLanguageChanged();
    }
}
