#include "model/CapacityModel.h"

void CCapacityModel::UpdateTraffic() {
    const int32_t S =
        m_listWanCalls.GetCurSel() + m_listAaCalls.GetCurSel() + m_listVmSessions.GetCurSel();
    const int32_t FX = m_listFaxSessions.GetCurSel();
    m_nTrafficG729 = 29 * S + 28 * FX;
    m_nTrafficG711 = 84 * S + 28 * FX;
    RequestUpdateData(false);
}
