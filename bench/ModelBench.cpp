// The model's events from heavy states: start-up, Clear on Ivrel, the product change with
// the largest lists selected, and a pick in each phone-mix and session list at a full mix.
#include "model/CapacityModel.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

void Pick(CCapacityModel& m, CChoiceList CCapacityModel::*list, void (CCapacityModel::*event)(),
          int32_t i) {
    (m.*list).SetCurSel(i);
    (m.*event)();
}

// Ivrel with the largest IP key and a mix that fills every list as far as it goes.
void FullIvrel(CCapacityModel& m) {
    m.StartUp();
    Pick(m, &CCapacityModel::m_listProduct, &CCapacityModel::OnProductChanged, 8);
    Pick(m, &CCapacityModel::m_listIpPhonesKey, &CCapacityModel::OnIpPhonesKeyChanged, 5);
    Pick(m, &CCapacityModel::m_listRecordingKey, &CCapacityModel::OnRecordingKeyChanged, 4);
    Pick(m, &CCapacityModel::m_listIpPhones, &CCapacityModel::OnIpPhonesChanged, 100);
    Pick(m, &CCapacityModel::m_listAnalogPhones, &CCapacityModel::OnAnalogPhonesChanged, 2);
    Pick(m, &CCapacityModel::m_listAa, &CCapacityModel::OnAaChanged, 10);
    Pick(m, &CCapacityModel::m_listVirtualExt, &CCapacityModel::OnVirtualExtChanged, 100);
    Pick(m, &CCapacityModel::m_listTrunkCalls, &CCapacityModel::OnTrunkCallsChanged, 10);
    Pick(m, &CCapacityModel::m_listWanCalls, &CCapacityModel::OnWanCallsChanged, 10);
    Pick(m, &CCapacityModel::m_listFaxSessions, &CCapacityModel::OnFaxSessionsChanged, 5);
    Pick(m, &CCapacityModel::m_listAaCalls, &CCapacityModel::OnAaCallsChanged, 5);
    Pick(m, &CCapacityModel::m_listVmSessions, &CCapacityModel::OnVmSessionsChanged, 5);
    Pick(m, &CCapacityModel::m_listRecordingSessions, &CCapacityModel::OnRecordingSessionsChanged,
         5);
}

void BM_StartUp(benchmark::State& state) {
    for (auto _ : state) {
        CCapacityModel m;
        m.StartUp();
        benchmark::DoNotOptimize(m.m_nAvgUserMemoryKB);
    }
}
BENCHMARK(BM_StartUp);

void BM_ClearOnIvrel(benchmark::State& state) {
    CCapacityModel m;
    FullIvrel(m);
    for (auto _ : state) {
        m.OnClear();
        benchmark::DoNotOptimize(m.m_nTrafficG711);
    }
}
BENCHMARK(BM_ClearOnIvrel);

// Avlo to Ivrel and back, with the largest lists (400 extensions free) on Ivrel.
void BM_ProductAvloIvrelAndBack(benchmark::State& state) {
    CCapacityModel m;
    m.StartUp();
    for (auto _ : state) {
        Pick(m, &CCapacityModel::m_listProduct, &CCapacityModel::OnProductChanged, 8);
        Pick(m, &CCapacityModel::m_listProduct, &CCapacityModel::OnProductChanged, 0);
        benchmark::DoNotOptimize(m.m_nMaxCalls);
    }
}
BENCHMARK(BM_ProductAvloIvrelAndBack);

// Each direction alone; the way back is made untimed (manual time, so no pause overhead).
void BM_ProductOneWay(benchmark::State& state, int32_t from, int32_t to) {
    CCapacityModel m;
    m.StartUp();
    for (auto _ : state) {
        Pick(m, &CCapacityModel::m_listProduct, &CCapacityModel::OnProductChanged, from);
        const auto start = std::chrono::steady_clock::now();
        Pick(m, &CCapacityModel::m_listProduct, &CCapacityModel::OnProductChanged, to);
        const auto end = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(m.m_nMaxCalls);
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK_CAPTURE(BM_ProductOneWay, AvloToIvrel, 0, 8)->UseManualTime();
BENCHMARK_CAPTURE(BM_ProductOneWay, IvrelToAvlo, 8, 0)->UseManualTime();

struct ListPick {
    const char* name;
    CChoiceList CCapacityModel::*list;
    void (CCapacityModel::*event)();
};

const ListPick kPicks[] = {
    {"IpPhones", &CCapacityModel::m_listIpPhones, &CCapacityModel::OnIpPhonesChanged},
    {"AnalogPhones", &CCapacityModel::m_listAnalogPhones, &CCapacityModel::OnAnalogPhonesChanged},
    {"Aa", &CCapacityModel::m_listAa, &CCapacityModel::OnAaChanged},
    {"VirtualExt", &CCapacityModel::m_listVirtualExt, &CCapacityModel::OnVirtualExtChanged},
    {"TrunkCalls", &CCapacityModel::m_listTrunkCalls, &CCapacityModel::OnTrunkCallsChanged},
    {"WanCalls", &CCapacityModel::m_listWanCalls, &CCapacityModel::OnWanCallsChanged},
    {"FaxSessions", &CCapacityModel::m_listFaxSessions, &CCapacityModel::OnFaxSessionsChanged},
    {"AaCalls", &CCapacityModel::m_listAaCalls, &CCapacityModel::OnAaCallsChanged},
    {"VmSessions", &CCapacityModel::m_listVmSessions, &CCapacityModel::OnVmSessionsChanged},
    {"RecordingSessions", &CCapacityModel::m_listRecordingSessions,
     &CCapacityModel::OnRecordingSessionsChanged},
};

// Re-picks the current choice, so the state stays the same from one iteration to the next.
void BM_PickAtFullMix(benchmark::State& state, const ListPick& pick) {
    CCapacityModel m;
    FullIvrel(m);
    const int32_t current = (m.*pick.list).GetCurSel();
    for (auto _ : state) {
        Pick(m, pick.list, pick.event, current);
        benchmark::DoNotOptimize(m.m_nTrafficG729);
    }
}

const int kRegistered = [] {
    for (const ListPick& pick : kPicks) {
        benchmark::RegisterBenchmark((std::string("BM_Pick/") + pick.name).c_str(),
                                     BM_PickAtFullMix, pick);
    }
    return 0;
}();

} // namespace

BENCHMARK_MAIN();
