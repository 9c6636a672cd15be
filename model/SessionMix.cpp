#include "model/CapacityModel.h"

#include "model/Refill.h"

#include <algorithm>
#include <initializer_list>

// Every call or session counts once against the model's maximum of concurrent calls, a call
// to the AA 1.2 times. The arithmetic is kept exactly as the calculator has always done it:
// the integer part first, then each real-number step rounded to double precision, the result
// rounded to single precision and truncated toward zero.

namespace {

constexpr double kAaCallWeight = 1.2;

// The budget term of a subtracting rule, in single precision before truncation.
float BudgetLeft(int32_t nIntegerPart, int32_t nAaCalls, std::initializer_list<int32_t> rest) {
    double x = static_cast<double>(nIntegerPart) - kAaCallWeight * static_cast<double>(nAaCalls);
    for (int32_t n : rest) {
        x = x - static_cast<double>(n);
    }
    return static_cast<float>(x);
}

int32_t Truncated(float x) {
    return static_cast<int32_t>(x);
}

// Lowers a bound to each further term in turn; a negative term counts as 0.
int32_t Limited(int32_t nBound, std::initializer_list<int32_t> terms) {
    int32_t b = std::max(nBound, 0);
    for (int32_t term : terms) {
        b = std::min(b, std::max(term, 0));
    }
    return b;
}

} // namespace

void CCapacityModel::RefillTrunkCalls() {
    const int32_t WC = m_listWanCalls.GetCurSel(), FX = m_listFaxSessions.GetCurSel();
    const int32_t AC = m_listAaCalls.GetCurSel(), VM = m_listVmSessions.GetCurSel();
    const int32_t RS = m_listRecordingSessions.GetCurSel();
    const int32_t IP = m_listIpPhones.GetCurSel(), AN = m_listAnalogPhones.GetCurSel();
    const int32_t VE = m_listVirtualExt.GetCurSel();

    const float x = BudgetLeft(m_nMaxCalls - FX - WC, AC, {VM, RS});
    const int32_t channels = TrunkChannels();
    const int32_t b = static_cast<float>(channels) <= x ? channels : Truncated(x);
    RefillUpTo(m_listTrunkCalls, Limited(b, {IP + AN - WC, IP + AN + VE - WC - FX - VM}));
}

void CCapacityModel::RefillWanCalls() {
    const int32_t TC = m_listTrunkCalls.GetCurSel(), FX = m_listFaxSessions.GetCurSel();
    const int32_t AC = m_listAaCalls.GetCurSel(), VM = m_listVmSessions.GetCurSel();
    const int32_t RS = m_listRecordingSessions.GetCurSel();
    const int32_t IP = m_listIpPhones.GetCurSel(), AN = m_listAnalogPhones.GetCurSel();
    const int32_t VE = m_listVirtualExt.GetCurSel();

    const int32_t b = Truncated(BudgetLeft(m_nMaxCalls - FX - TC, AC, {VM, RS}));
    RefillUpTo(m_listWanCalls, Limited(b, {IP + AN - TC, IP + AN + VE - TC - FX - VM}));
}

void CCapacityModel::RefillFaxSessions() {
    const int32_t TC = m_listTrunkCalls.GetCurSel(), WC = m_listWanCalls.GetCurSel();
    const int32_t AC = m_listAaCalls.GetCurSel(), VM = m_listVmSessions.GetCurSel();
    const int32_t RS = m_listRecordingSessions.GetCurSel();
    const int32_t IP = m_listIpPhones.GetCurSel(), AN = m_listAnalogPhones.GetCurSel();
    const int32_t VE = m_listVirtualExt.GetCurSel();

    const int32_t t = Truncated(BudgetLeft(m_nMaxCalls - WC - TC, AC, {VM, RS}));
    RefillUpTo(m_listFaxSessions,
               Limited(std::min(m_nMaxFaxSessions, t), {IP + AN + VE - TC - WC - VM}));
}

void CCapacityModel::RefillAaCalls() {
    const int32_t TC = m_listTrunkCalls.GetCurSel(), WC = m_listWanCalls.GetCurSel();
    const int32_t FX = m_listFaxSessions.GetCurSel(), VM = m_listVmSessions.GetCurSel();
    const int32_t RS = m_listRecordingSessions.GetCurSel();
    const int32_t AA = m_listAa.GetCurSel();

    // Calls to the AA solve the budget by division, in double precision only.
    const int32_t N = m_nMaxCalls - RS - VM - FX - TC - WC;
    const int32_t t = static_cast<int32_t>(static_cast<double>(N) / kAaCallWeight);
    RefillUpTo(m_listAaCalls, Limited(std::min(m_nMaxAaCalls, t), {AA}));
}

void CCapacityModel::RefillVmSessions() {
    const int32_t TC = m_listTrunkCalls.GetCurSel(), WC = m_listWanCalls.GetCurSel();
    const int32_t FX = m_listFaxSessions.GetCurSel(), AC = m_listAaCalls.GetCurSel();
    const int32_t RS = m_listRecordingSessions.GetCurSel();
    const int32_t IP = m_listIpPhones.GetCurSel(), AN = m_listAnalogPhones.GetCurSel();
    const int32_t VE = m_listVirtualExt.GetCurSel();

    const int32_t t = Truncated(BudgetLeft(m_nMaxCalls - WC - TC, AC, {FX, RS}));
    RefillUpTo(m_listVmSessions,
               Limited(std::min(m_nMaxVmSessions, t), {IP + AN + VE - WC - FX - TC}));
}

void CCapacityModel::RefillRecordingSessions() {
    const int32_t TC = m_listTrunkCalls.GetCurSel(), WC = m_listWanCalls.GetCurSel();
    const int32_t FX = m_listFaxSessions.GetCurSel(), AC = m_listAaCalls.GetCurSel();
    const int32_t VM = m_listVmSessions.GetCurSel();

    const int32_t t = Truncated(BudgetLeft(m_nMaxCalls - FX - WC - TC, AC, {VM}));
    RefillUpTo(m_listRecordingSessions, Limited(std::min(m_nKeyRecording, t), {WC + TC}));
}
