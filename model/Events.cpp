#include "model/CapacityModel.h"

// Each event runs one fixed pass of rules. Every rule only lowers its own list's choice and
// reads the others as they stand, so the order decides which list gives way; do not reorder.

void CCapacityModel::OnProductChanged() {
    RequestUpdateData(true);
    ApplyProductModel();
    if (m_listProduct.GetCurSel() >= 0) {
        RefillAa();
        // The first session pass still sees the previous model's recording key amount.
        OnAaChanged();
        OnRecordingKeyChanged();
    }
    RequestLabelRefresh();
}

void CCapacityModel::OnIpPhonesKeyChanged() {
    RequestUpdateData(true);
    UpdateKeyIpPhones();
    RefillIpPhones();
    RefillVirtualExt();
    RefillAa();
    RefillAnalogPhones();
    UpdateAvgUserMemory();
    RefillWanCalls();
    RefillVmSessions();
    RefillFaxSessions();
    RefillAaCalls();
    RefillTrunkCalls();
    RefillRecordingSessions();
    UpdateTraffic();
    RequestUpdateData(false);
    RequestUpdateData(false);
}

void CCapacityModel::OnG729KeyChanged() {
    // The G.729 key is offered for information only.
}

void CCapacityModel::OnRecordingKeyChanged() {
    RequestUpdateData(true);
    UpdateKeyRecording();
    RefillRecordingSessions();
    RefillVmSessions();
    RefillFaxSessions();
    RefillAaCalls();
    RefillTrunkCalls();
    RefillWanCalls();
    UpdateTraffic();
    RequestUpdateData(false);
}

void CCapacityModel::OnIpPhonesChanged() {
    RefillVirtualExt();
    RefillAa();
    RefillAnalogPhones();
    UpdateAvgUserMemory();
    RefillWanCalls();
    RefillVmSessions();
    RefillFaxSessions();
    RefillAaCalls();
    RefillTrunkCalls();
    RefillRecordingSessions();
    UpdateTraffic();
    RequestUpdateData(false);
}

void CCapacityModel::OnAnalogPhonesChanged() {
    RefillIpPhones();
    RefillAa();
    RefillVirtualExt();
    UpdateAvgUserMemory();
    RefillTrunkCalls();
    RefillVmSessions();
    RefillFaxSessions();
    RefillAaCalls();
    RefillWanCalls();
    RefillRecordingSessions();
    UpdateTraffic();
    RequestUpdateData(false);
}

void CCapacityModel::OnAaChanged() {
    RefillIpPhones();
    RefillAnalogPhones();
    RefillVirtualExt();
    UpdateAvgUserMemory();
    RefillAaCalls();
    RefillVmSessions();
    RefillFaxSessions();
    RefillTrunkCalls();
    RefillWanCalls();
    RefillRecordingSessions();
    UpdateTraffic();
    RequestUpdateData(false);
}

void CCapacityModel::OnVirtualExtChanged() {
    RefillIpPhones();
    RefillAnalogPhones();
    RefillAa();
    UpdateAvgUserMemory();
    RefillTrunkCalls();
    RefillVmSessions();
    RefillFaxSessions();
    RefillAaCalls();
    RefillWanCalls();
    RefillRecordingSessions();
    UpdateTraffic();
    RequestUpdateData(false);
}

void CCapacityModel::OnTrunkCallsChanged() {
    RefillVmSessions();
    RefillFaxSessions();
    RefillAaCalls();
    RefillWanCalls();
    RefillRecordingSessions();
    UpdateTraffic();
}

void CCapacityModel::OnWanCallsChanged() {
    RefillVmSessions();
    RefillFaxSessions();
    RefillAaCalls();
    RefillTrunkCalls();
    RefillRecordingSessions();
    UpdateTraffic();
}

void CCapacityModel::OnFaxSessionsChanged() {
    RefillVmSessions();
    RefillAaCalls();
    RefillTrunkCalls();
    RefillWanCalls();
    RefillRecordingSessions();
    UpdateTraffic();
}

void CCapacityModel::OnAaCallsChanged() {
    RefillVmSessions();
    RefillFaxSessions();
    RefillTrunkCalls();
    RefillWanCalls();
    RefillRecordingSessions();
    UpdateTraffic();
}

void CCapacityModel::OnVmSessionsChanged() {
    RefillFaxSessions();
    RefillAaCalls();
    RefillTrunkCalls();
    RefillWanCalls();
    RefillRecordingSessions();
    UpdateTraffic();
}

void CCapacityModel::OnRecordingSessionsChanged() {
    RefillVmSessions();
    RefillFaxSessions();
    RefillAaCalls();
    RefillTrunkCalls();
    RefillWanCalls();
    UpdateTraffic();
}

void CCapacityModel::OnExternalMemoryChanged() {
    UpdateAvgUserMemory();
    RequestUpdateData(false);
}

void CCapacityModel::StartUp() {
    m_listProduct.SetCurSel(0);
    m_listG729Key.SetCurSel(0);
    m_listIpPhonesKey.SetCurSel(0);
    m_listRecordingKey.SetCurSel(0);
    m_nKeyIpPhones = 0;
    m_nKeyRecording = 0;
    for (CChoiceList* list :
         {&m_listIpPhones, &m_listAnalogPhones, &m_listAa, &m_listVirtualExt, &m_listExternalMemory,
          &m_listWanCalls, &m_listTrunkCalls, &m_listAaCalls, &m_listFaxSessions, &m_listVmSessions,
          &m_listRecordingSessions, &m_listLanguage}) {
        list->SetCurSel(0);
    }
    OnProductChanged();
}

void CCapacityModel::OnClear() {
    // The model and the language stay; every other choice returns to its first item.
    for (CChoiceList* list :
         {&m_listG729Key, &m_listIpPhonesKey, &m_listRecordingKey, &m_listExternalMemory,
          &m_listIpPhones, &m_listAnalogPhones, &m_listAa, &m_listVirtualExt, &m_listTrunkCalls,
          &m_listWanCalls, &m_listFaxSessions, &m_listAaCalls, &m_listVmSessions,
          &m_listRecordingSessions}) {
        list->SetCurSel(0);
    }
    m_nKeyIpPhones = 0;
    m_nKeyRecording = 0;
    OnProductChanged();
    RequestUpdateData(false);
}
