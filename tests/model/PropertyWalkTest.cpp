#include "ModelTestSupport.h"

#include <cstdlib>
#include <random>

namespace {

struct WalkList {
    ListMember list;
    EventMember event; // nullptr: the language list, which only relabels the form
};

const WalkList kWalkLists[] = {
    {&CCapacityModel::m_listProduct, &CCapacityModel::OnProductChanged},
    {&CCapacityModel::m_listG729Key, &CCapacityModel::OnG729KeyChanged},
    {&CCapacityModel::m_listIpPhonesKey, &CCapacityModel::OnIpPhonesKeyChanged},
    {&CCapacityModel::m_listRecordingKey, &CCapacityModel::OnRecordingKeyChanged},
    {&CCapacityModel::m_listIpPhones, &CCapacityModel::OnIpPhonesChanged},
    {&CCapacityModel::m_listAnalogPhones, &CCapacityModel::OnAnalogPhonesChanged},
    {&CCapacityModel::m_listAa, &CCapacityModel::OnAaChanged},
    {&CCapacityModel::m_listVirtualExt, &CCapacityModel::OnVirtualExtChanged},
    {&CCapacityModel::m_listTrunkCalls, &CCapacityModel::OnTrunkCallsChanged},
    {&CCapacityModel::m_listWanCalls, &CCapacityModel::OnWanCallsChanged},
    {&CCapacityModel::m_listFaxSessions, &CCapacityModel::OnFaxSessionsChanged},
    {&CCapacityModel::m_listAaCalls, &CCapacityModel::OnAaCallsChanged},
    {&CCapacityModel::m_listVmSessions, &CCapacityModel::OnVmSessionsChanged},
    {&CCapacityModel::m_listRecordingSessions, &CCapacityModel::OnRecordingSessionsChanged},
    {&CCapacityModel::m_listExternalMemory, &CCapacityModel::OnExternalMemoryChanged},
    {&CCapacityModel::m_listLanguage, nullptr},
};

// Everything that must hold after any complete event, checked as a user would notice it.
void ExpectInvariants(const CCapacityModel& m, uint64_t step) {
    const int32_t IP = m.m_listIpPhones.GetCurSel(), AN = m.m_listAnalogPhones.GetCurSel();
    const int32_t AA = m.m_listAa.GetCurSel(), VE = m.m_listVirtualExt.GetCurSel();
    const int32_t TC = m.m_listTrunkCalls.GetCurSel(), WC = m.m_listWanCalls.GetCurSel();
    const int32_t FX = m.m_listFaxSessions.GetCurSel(), AC = m.m_listAaCalls.GetCurSel();
    const int32_t VM = m.m_listVmSessions.GetCurSel(), RS = m.m_listRecordingSessions.GetCurSel();

    for (const WalkList& w : kWalkLists) {
        ASSERT_GE((m.*w.list).GetCurSel(), 0) << "step " << step;
    }
    ASSERT_LE(IP, m.m_nIpPhonesBasic + m.m_nKeyIpPhones) << "step " << step;
    ASSERT_LE(AN, m.m_nFxsPorts) << "step " << step;
    ASSERT_LE(IP + AN + AA + VE, m.m_nVirtualExtMax) << "step " << step;

    // The budget in exact integers: 5 x (calls) + 6 x AC <= 5 x max.
    ASSERT_LE(5 * (TC + WC + FX + VM + RS) + 6 * AC, 5 * m.m_nMaxCalls) << "step " << step;
    ASSERT_LE(TC, m.TrunkChannels()) << "step " << step;
    ASSERT_LE(FX, m.m_nMaxFaxSessions) << "step " << step;
    ASSERT_LE(AC, m.m_nMaxAaCalls) << "step " << step;
    ASSERT_LE(VM, m.m_nMaxVmSessions) << "step " << step;
    ASSERT_LE(RS, m.m_nKeyRecording) << "step " << step;
    ASSERT_LE(TC + WC, IP + AN) << "step " << step;
    ASSERT_LE(TC + WC + FX + VM, IP + AN + VE) << "step " << step;
    ASSERT_LE(RS, TC + WC) << "step " << step;
    ASSERT_LE(AC, AA) << "step " << step;

    ASSERT_EQ(m.m_nG729KeyIndex, m.m_listG729Key.GetCurSel()) << "step " << step;
    ASSERT_EQ(m.m_nIpPhonesKeyIndex, m.m_listIpPhonesKey.GetCurSel()) << "step " << step;
    ASSERT_EQ(m.m_nRecordingKeyIndex, m.m_listRecordingKey.GetCurSel()) << "step " << step;
    ASSERT_EQ(m.m_strProduct, m.m_listProduct.GetText(m.m_listProduct.GetCurSel()));
    ASSERT_EQ(m.m_nTrafficG729, 29 * (WC + AC + VM) + 28 * FX) << "step " << step;
    ASSERT_EQ(m.m_nTrafficG711, 84 * (WC + AC + VM) + 28 * FX) << "step " << step;
    for (const CChoiceList* numeric :
         {&m.m_listIpPhones, &m.m_listAnalogPhones, &m.m_listAa, &m.m_listVirtualExt,
          &m.m_listTrunkCalls, &m.m_listWanCalls, &m.m_listFaxSessions, &m.m_listAaCalls,
          &m.m_listVmSessions, &m.m_listRecordingSessions}) {
        ASSERT_EQ(numeric->GetText(numeric->GetCount() - 1),
                  std::to_string(numeric->GetCount() - 1));
    }
}

uint64_t WalkLength() {
    const char* text = std::getenv("ORVANE_WALK_STEPS");
    return text != nullptr ? std::strtoull(text, nullptr, 10) : 100000;
}

} // namespace

TEST(PropertyWalk, RandomUserPicksKeepEveryInvariant) {
    std::mt19937_64 rng(20261211);
    CCapacityModel model;
    CRecordingLink link;
    model.SetFormLink(&link);
    model.StartUp();
    ExpectInvariants(model, 0);

    const uint64_t steps = WalkLength();
    for (uint64_t step = 1; step <= steps; ++step) {
        if (rng() % 200 == 0) {
            model.OnClear();
        } else {
            const WalkList& w = kWalkLists[rng() % std::size(kWalkLists)];
            CChoiceList& list = model.*w.list;
            if (!list.IsEnabled()) {
                continue; // a greyed list cannot be picked from
            }
            list.SetCurSel(static_cast<int32_t>(rng() % static_cast<uint64_t>(list.GetCount())));
            if (w.event != nullptr) {
                (model.*w.event)();
            }
        }
        ExpectInvariants(model, step);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
        link.m_requests.clear();
    }
}
