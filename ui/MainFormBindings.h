#pragma once

#include "model/CapacityModel.h"

#include <array>
#include <cstdint>

// Which control shows which part of the model, and which event a pick in it runs.
namespace MainFormBindings {

inline constexpr int kProductId = 1000;
inline constexpr int kLanguageId = 1031;
inline constexpr int kClearId = 1032;
inline constexpr int kCloseId = 2;
inline constexpr int kFootnoteId = 1067;
inline constexpr int kG729BasicLabelId = 1046;
inline constexpr int kProductTextLimit = 10;

struct ListBinding {
    int id;
    CChoiceList CCapacityModel::*list;
    void (CCapacityModel::*event)(); // nullptr for the language list, which the form serves
};

// In the order the exchange runs them.
inline constexpr std::array<ListBinding, 16> kLists = {{
    {1000, &CCapacityModel::m_listProduct, &CCapacityModel::OnProductChanged},
    {1007, &CCapacityModel::m_listG729Key, &CCapacityModel::OnG729KeyChanged},
    {1009, &CCapacityModel::m_listRecordingKey, &CCapacityModel::OnRecordingKeyChanged},
    {1010, &CCapacityModel::m_listIpPhonesKey, &CCapacityModel::OnIpPhonesKeyChanged},
    {1011, &CCapacityModel::m_listIpPhones, &CCapacityModel::OnIpPhonesChanged},
    {1014, &CCapacityModel::m_listExternalMemory, &CCapacityModel::OnExternalMemoryChanged},
    {1015, &CCapacityModel::m_listAaCalls, &CCapacityModel::OnAaCallsChanged},
    {1016, &CCapacityModel::m_listVirtualExt, &CCapacityModel::OnVirtualExtChanged},
    {1017, &CCapacityModel::m_listAnalogPhones, &CCapacityModel::OnAnalogPhonesChanged},
    {1018, &CCapacityModel::m_listVmSessions, &CCapacityModel::OnVmSessionsChanged},
    {1025, &CCapacityModel::m_listTrunkCalls, &CCapacityModel::OnTrunkCallsChanged},
    {1028, &CCapacityModel::m_listWanCalls, &CCapacityModel::OnWanCallsChanged},
    {1029, &CCapacityModel::m_listFaxSessions, &CCapacityModel::OnFaxSessionsChanged},
    {1030, &CCapacityModel::m_listRecordingSessions, &CCapacityModel::OnRecordingSessionsChanged},
    {1031, &CCapacityModel::m_listLanguage, nullptr},
    {1068, &CCapacityModel::m_listAa, &CCapacityModel::OnAaChanged},
}};

struct IntBinding {
    int id;
    int32_t CCapacityModel::*value;
};

struct KeyIndexBinding {
    int id;
    int32_t CCapacityModel::*value;
    CChoiceList CCapacityModel::*list;
};

inline constexpr std::array<KeyIndexBinding, 3> kKeyIndices = {{
    {1007, &CCapacityModel::m_nG729KeyIndex, &CCapacityModel::m_listG729Key},
    {1010, &CCapacityModel::m_nIpPhonesKeyIndex, &CCapacityModel::m_listIpPhonesKey},
    {1009, &CCapacityModel::m_nRecordingKeyIndex, &CCapacityModel::m_listRecordingKey},
}};

inline constexpr std::array<IntBinding, 16> kNumbers = {{
    {1001, &CCapacityModel::m_nTrunkPorts},
    {1003, &CCapacityModel::m_nFxsPorts},
    {1005, &CCapacityModel::m_nIpPhonesBasic},
    {1006, &CCapacityModel::m_nVirtualExtMax},
    {1008, &CCapacityModel::m_nG729Basic},
    {1012, &CCapacityModel::m_nOnBoardMemoryMB},
    {1013, &CCapacityModel::m_nAvgUserMemoryKB},
    {1019, &CCapacityModel::m_nMaxCalls},
    {1021, &CCapacityModel::m_nMaxFaxSessions},
    {1023, &CCapacityModel::m_nMaxAaCalls},
    {1024, &CCapacityModel::m_nMaxVmSessions},
    {1026, &CCapacityModel::m_nTrafficG729},
    {1036, &CCapacityModel::m_nTrafficG711},
    {1041, &CCapacityModel::m_nMaxSubscriptions},
    {1071, &CCapacityModel::m_nAudioLineIn},
    {1073, &CCapacityModel::m_nAudioLineOut},
}};

// Each drop-down list and number field with the label that names it, for screen readers.
struct NamedBy {
    int control;
    int label;
};

inline constexpr std::array<NamedBy, 32> kAccessibleNames = {{
    {1000, 1038}, {1031, 1040}, {1001, 1002}, {1005, 1043}, {1003, 1004}, {1006, 1044},
    {1071, 1070}, {1073, 1072}, {1008, 1046}, {1010, 1048}, {1007, 1047}, {1009, 1049},
    {1011, 1051}, {1068, 1053}, {1017, 1052}, {1016, 1069}, {1012, 1055}, {1014, 1056},
    {1013, 1057}, {1019, 1020}, {1023, 1059}, {1021, 1022}, {1024, 1060}, {1041, 1042},
    {1028, 1034}, {1029, 1063}, {1025, 1033}, {1018, 1064}, {1015, 1062}, {1030, 1065},
    {1026, 1027}, {1036, 1037},
}};

} // namespace MainFormBindings
