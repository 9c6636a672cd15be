#include "model/CapacityModel.h"

#include "model/Catalogue.h"

int32_t CCapacityModel::ExternalMemoryKB() const {
    const int32_t i = m_listExternalMemory.GetCurSel();
    if (i < 0 || i >= static_cast<int32_t>(kExternalMemoryKB.size())) {
        return 0;
    }
    return kExternalMemoryKB[static_cast<size_t>(i)];
}

void CCapacityModel::UpdateAvgUserMemory() {
    // A greyed external memory list keeps its choice but adds nothing.
    const int32_t enabled = m_listExternalMemory.IsEnabled() ? 1 : 0;
    const int32_t users = m_listIpPhones.GetCurSel() + m_listAnalogPhones.GetCurSel() +
                          m_listAa.GetCurSel() + m_listVirtualExt.GetCurSel();
    if (users <= 0) {
        m_nAvgUserMemoryKB = 0;
        return;
    }
    const int32_t total = ExternalMemoryKB() * enabled + m_nOnBoardMemoryMB * 1024;
    m_nAvgUserMemoryKB = total / users;
}
