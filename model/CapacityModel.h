#pragma once

#include "model/ChoiceList.h"
#include "model/FormLink.h"

#include <cstdint>
#include <string>

// The whole calculator without a window: every quantity, the sixteen choice lists, the rules
// that bound each list and the fixed sequence of rules each user action runs.
//
// A user's pick is applied as SetCurSel on the list, then the list's event operation once.
// Selections the model makes raise no events. The model never fails and never reports: a
// negative bound becomes 0, and an index outside a list leaves it without a selection.
// It shows nothing itself; it asks its form (if any) for the data exchanges and the label
// refresh through CFormLink.
class CCapacityModel {
public:
    CCapacityModel();
    // A copy keeps its own key lists bound to its own index quantities.
    CCapacityModel(const CCapacityModel& other);
    CCapacityModel& operator=(const CCapacityModel& other) = default;

    // nullptr (the default) means no form: the form requests then do nothing.
    void SetFormLink(CFormLink* pLink) { m_pFormLink = pLink; }
    CFormLink* GetFormLink() const { return m_pFormLink; }

    // Product catalogue and model application.
    void ApplyProductModel();
    int32_t TrunkChannels() const;

    // Feature keys.
    void UpdateKeyIpPhones();
    void UpdateKeyRecording();

    // Phone, AA and extension mix.
    void RefillIpPhones();
    void RefillAnalogPhones();
    void RefillAa();
    void RefillVirtualExt();

    // Memory per user.
    int32_t ExternalMemoryKB() const;
    void UpdateAvgUserMemory();

    // Call, fax and recording mix.
    void RefillTrunkCalls();
    void RefillWanCalls();
    void RefillFaxSessions();
    void RefillAaCalls();
    void RefillVmSessions();
    void RefillRecordingSessions();

    // WAN traffic; ends with a state-to-form exchange.
    void UpdateTraffic();

    // Events: one per list, plus start-up and Clear.
    void OnProductChanged();
    void OnIpPhonesKeyChanged();
    void OnG729KeyChanged();
    void OnRecordingKeyChanged();
    void OnIpPhonesChanged();
    void OnAnalogPhonesChanged();
    void OnAaChanged();
    void OnVirtualExtChanged();
    void OnTrunkCallsChanged();
    void OnWanCallsChanged();
    void OnFaxSessionsChanged();
    void OnAaCallsChanged();
    void OnVmSessionsChanged();
    void OnRecordingSessionsChanged();
    void OnExternalMemoryChanged();
    void StartUp();
    void OnClear();

    // The quantities (32-bit signed; memory in MB or KB as named).
    std::string m_strProduct = "Avlo";
    int32_t m_nTrunkPorts = 0;
    int32_t m_nFxsPorts = 0;
    int32_t m_nIpPhonesBasic = 0;
    int32_t m_nVirtualExtMax = 0;
    int32_t m_nG729Basic = 0;
    int32_t m_nOnBoardMemoryMB = 0;
    int32_t m_nAvgUserMemoryKB = 0;
    int32_t m_nG729KeyIndex = 0;
    int32_t m_nIpPhonesKeyIndex = 0;
    int32_t m_nRecordingKeyIndex = 0;
    int32_t m_nKeyIpPhones = 0;
    int32_t m_nKeyRecording = 0;
    int32_t m_nMaxCalls = 0;
    int32_t m_nMaxFaxSessions = 0;
    int32_t m_nMaxAaCalls = 0;
    int32_t m_nMaxVmSessions = 0;
    int32_t m_nMaxSubscriptions = 0;
    int32_t m_nAudioLineIn = 0;
    int32_t m_nAudioLineOut = 0;
    int32_t m_nTrafficG729 = 0;
    int32_t m_nTrafficG711 = 0;

    // The choice lists.
    CChoiceList m_listProduct;
    CChoiceList m_listG729Key;
    CChoiceList m_listIpPhonesKey;
    CChoiceList m_listRecordingKey;
    CChoiceList m_listIpPhones;
    CChoiceList m_listAnalogPhones;
    CChoiceList m_listAa;
    CChoiceList m_listVirtualExt;
    CChoiceList m_listTrunkCalls;
    CChoiceList m_listWanCalls;
    CChoiceList m_listFaxSessions;
    CChoiceList m_listAaCalls;
    CChoiceList m_listVmSessions;
    CChoiceList m_listRecordingSessions;
    CChoiceList m_listExternalMemory;
    CChoiceList m_listLanguage;

private:
    void BindLists();
    void RequestUpdateData(bool bSaveAndValidate);
    void RequestLabelRefresh();

    CFormLink* m_pFormLink = nullptr;
};
