#pragma once

#include "model/CapacityModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Records the form requests a model makes, in order: "in", "out" and "labels".
class CRecordingLink : public CFormLink {
public:
    bool UpdateData(bool bSaveAndValidate) override {
        m_requests.push_back(bSaveAndValidate ? "in" : "out");
        return true;
    }
    void OnLanguageChanged() override { m_requests.push_back("labels"); }

    std::vector<std::string> m_requests;
};

using ListMember = CChoiceList CCapacityModel::*;
using EventMember = void (CCapacityModel::*)();

// A user's pick: only items the list offers, then the list's event once.
struct Pick {
    ListMember list;
    EventMember event;
    int32_t index;
};

inline void Apply(CCapacityModel& model, const Pick& pick) {
    CChoiceList& list = model.*pick.list;
    ASSERT_LT(pick.index, list.GetCount()) << "the list does not offer this pick";
    list.SetCurSel(pick.index);
    (model.*pick.event)();
}

inline void ApplyAll(CCapacityModel& model, std::initializer_list<Pick> picks) {
    for (const Pick& pick : picks) {
        Apply(model, pick);
    }
}

// Shorthands for the picks used throughout the tests.
inline Pick Product(int32_t i) {
    return {&CCapacityModel::m_listProduct, &CCapacityModel::OnProductChanged, i};
}
inline Pick IpKey(int32_t i) {
    return {&CCapacityModel::m_listIpPhonesKey, &CCapacityModel::OnIpPhonesKeyChanged, i};
}
inline Pick G729Key(int32_t i) {
    return {&CCapacityModel::m_listG729Key, &CCapacityModel::OnG729KeyChanged, i};
}
inline Pick RecKey(int32_t i) {
    return {&CCapacityModel::m_listRecordingKey, &CCapacityModel::OnRecordingKeyChanged, i};
}
inline Pick Ip(int32_t i) {
    return {&CCapacityModel::m_listIpPhones, &CCapacityModel::OnIpPhonesChanged, i};
}
inline Pick An(int32_t i) {
    return {&CCapacityModel::m_listAnalogPhones, &CCapacityModel::OnAnalogPhonesChanged, i};
}
inline Pick Aa(int32_t i) {
    return {&CCapacityModel::m_listAa, &CCapacityModel::OnAaChanged, i};
}
inline Pick Ve(int32_t i) {
    return {&CCapacityModel::m_listVirtualExt, &CCapacityModel::OnVirtualExtChanged, i};
}
inline Pick Tc(int32_t i) {
    return {&CCapacityModel::m_listTrunkCalls, &CCapacityModel::OnTrunkCallsChanged, i};
}
inline Pick Wc(int32_t i) {
    return {&CCapacityModel::m_listWanCalls, &CCapacityModel::OnWanCallsChanged, i};
}
inline Pick Fx(int32_t i) {
    return {&CCapacityModel::m_listFaxSessions, &CCapacityModel::OnFaxSessionsChanged, i};
}
inline Pick Ac(int32_t i) {
    return {&CCapacityModel::m_listAaCalls, &CCapacityModel::OnAaCallsChanged, i};
}
inline Pick Vm(int32_t i) {
    return {&CCapacityModel::m_listVmSessions, &CCapacityModel::OnVmSessionsChanged, i};
}
inline Pick Rs(int32_t i) {
    return {&CCapacityModel::m_listRecordingSessions, &CCapacityModel::OnRecordingSessionsChanged,
            i};
}
inline Pick ExtMem(int32_t i) {
    return {&CCapacityModel::m_listExternalMemory, &CCapacityModel::OnExternalMemoryChanged, i};
}

enum Model : int32_t { Avlo, Brenic, Casko, Dremi, Elvar, Fosk, Gurin, Hadel, Ivrel };

// The highest number a numeric list offers (its items are "0" up to it).
inline int32_t Top(const CChoiceList& list) {
    return list.GetCount() - 1;
}

// A started model with the given picks applied.
inline void StartWith(CCapacityModel& model, std::initializer_list<Pick> picks) {
    model.StartUp();
    ApplyAll(model, picks);
}

// Puts a numeric list into a given state directly, for rule tests that need a state no
// sequence of picks reaches.
inline void Fill(CChoiceList& list, int32_t top, int32_t current) {
    list.Reset();
    for (int32_t i = 0; i <= top; ++i) {
        list.Add(std::to_string(i));
    }
    list.SetCurSel(current);
}
