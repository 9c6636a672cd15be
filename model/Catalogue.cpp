#include "model/Catalogue.h"

namespace {

const std::vector<int32_t> kNone;
const std::vector<int32_t> kG729Small = {0, 2};
const std::vector<int32_t> kIpKeySmall = {0, 8};
const std::vector<int32_t> kIpKeyMid = {0, 32, 64};
const std::vector<int32_t> kIpKeyLarge = {0, 32, 64, 96, 128, 160};
const std::vector<int32_t> kRecKeyMid = {0, 4, 8, 12, 16, 20};
const std::vector<int32_t> kRecKeyLarge = {0, 8, 16, 24, 32};

using enum TrunkKind;

// clang-format off
const std::array<ProductRow, kProductCount> kCatalogue = {{
//   name      trunk  analog ports chans fxs  ipB  vExt  in out g729 memMB calls fax aa  vm  subs  g729 key    IP key       rec key      extMem recSess
    {"Avlo",   Fxo,   true,  1,    1,    2,   8,   100,  0, 0,  3,   37,   12,   3,  5,  5,  100,  kG729Small, kIpKeySmall, kNone,       false, false},
    {"Brenic", Isdn,  true,  1,    2,    2,   8,   100,  0, 0,  3,   37,   12,   3,  5,  5,  100,  kG729Small, kIpKeySmall, kNone,       false, false},
    {"Casko",  Fxo,   false, 6,    6,    0,   10,  100,  0, 0,  6,   34,   16,   3,  7,  6,  140,  kNone,      kIpKeySmall, kNone,       false, false},
    {"Dremi",  Isdn,  false, 4,    8,    0,   10,  100,  0, 0,  6,   34,   16,   3,  7,  5,  140,  kNone,      kIpKeySmall, kNone,       false, false},
    {"Elvar",  Fxo,   true,  8,    8,    2,   32,  200,  1, 1,  22,  32,   45,   8,  37, 45, 650,  kNone,      kIpKeyMid,   kRecKeyMid,  true,  true},
    {"Fosk",   Isdn,  true,  6,    12,   2,   32,  200,  1, 1,  22,  32,   45,   8,  37, 45, 650,  kNone,      kIpKeyMid,   kRecKeyMid,  true,  true},
    {"Gurin",  Fxo,   true,  8,    8,    26,  16,  200,  1, 1,  22,  32,   45,   8,  37, 45, 650,  kNone,      kIpKeyMid,   kRecKeyMid,  true,  true},
    {"Hadel",  Isdn,  true,  6,    12,   26,  16,  200,  1, 1,  22,  32,   45,   8,  37, 45, 650,  kNone,      kIpKeyMid,   kRecKeyMid,  true,  true},
    {"Ivrel",  E1T1,  true,  1,    30,   2,   32,  400,  0, 0,  32,  31,   64,   10, 50, 50, 1000, kNone,      kIpKeyLarge, kRecKeyLarge, true, true},
}};
// clang-format on

} // namespace

const std::array<ProductRow, kProductCount>& Catalogue() {
    return kCatalogue;
}

const ProductRow* FindProduct(int32_t nProduct) {
    if (nProduct < 0 || nProduct >= kProductCount) {
        return nullptr;
    }
    return &kCatalogue[static_cast<size_t>(nProduct)];
}
