#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

enum class TrunkKind { Fxo, Isdn, E1T1 };

// One PBX model's fixed capacities and the feature-key amounts it can take.
struct ProductRow {
    std::string_view name;
    TrunkKind trunkKind;
    bool hasAnalogPhones;
    int32_t trunkPorts;
    int32_t trunkChannels;
    int32_t fxsPorts;
    int32_t ipPhonesBasic;
    int32_t virtualExtMax;
    int32_t audioLineIn;
    int32_t audioLineOut;
    int32_t g729Basic;
    int32_t onBoardMemoryMB;
    int32_t maxCalls;
    int32_t maxFaxSessions;
    int32_t maxAaCalls;
    int32_t maxVmSessions;
    int32_t maxSubscriptions;
    // Feature keys: an empty amount list means the key list is disabled and left untouched.
    std::vector<int32_t> g729KeyAmounts;
    std::vector<int32_t> ipPhonesKeyAmounts;
    std::vector<int32_t> recordingKeyAmounts;
    bool externalMemory;
    bool recordingSessions;
};

inline constexpr int32_t kProductCount = 9;

// The row of a product index, or nullptr when the index names no model.
const ProductRow* FindProduct(int32_t nProduct);
const std::array<ProductRow, kProductCount>& Catalogue();

// External memory sizes in KB by the external memory list's index (index 0 is none).
inline constexpr std::array<int32_t, 11> kExternalMemoryKB = {
    0, 262144, 524288, 1048576, 2097152, 4194304, 8388608, 16777216, 33554432, 67108864, 134217728};
