#include "model/CapacityModel.h"

#include "model/Refill.h"

#include <algorithm>

// The four phone-mix lists share the extension pool; each offers what the other three leave.

void CCapacityModel::RefillIpPhones() {
    const int32_t cap = m_nKeyIpPhones + m_nIpPhonesBasic;
    const int32_t share = m_nVirtualExtMax - m_listVirtualExt.GetCurSel() - m_listAa.GetCurSel() -
                          m_listAnalogPhones.GetCurSel();
    RefillUpTo(m_listIpPhones, std::min(cap, share));
}

void CCapacityModel::RefillAnalogPhones() {
    const int32_t cap = m_nFxsPorts;
    const int32_t share = m_nVirtualExtMax - m_listVirtualExt.GetCurSel() - m_listAa.GetCurSel() -
                          m_listIpPhones.GetCurSel();
    RefillUpTo(m_listAnalogPhones, std::min(cap, share));
}

void CCapacityModel::RefillAa() {
    const int32_t share = m_nVirtualExtMax - m_listVirtualExt.GetCurSel() -
                          m_listAnalogPhones.GetCurSel() - m_listIpPhones.GetCurSel();
    RefillUpTo(m_listAa, share);
}

void CCapacityModel::RefillVirtualExt() {
    const int32_t share = m_nVirtualExtMax - m_listAa.GetCurSel() - m_listAnalogPhones.GetCurSel() -
                          m_listIpPhones.GetCurSel();
    RefillUpTo(m_listVirtualExt, share);
}
