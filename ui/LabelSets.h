#pragma once

#include <array>

// The captions of the main form in its two languages. Texts are UTF-8.
namespace Labels {

inline constexpr int kEnglish = 0;
inline constexpr int kSpanish = 1;

struct Caption {
    int id;
    const char* english;
    const char* spanish;
    const char* Text(int language) const { return language == kSpanish ? spanish : english; }
};

// The 38 captions that do not depend on the PBX model.
extern const std::array<Caption, 38> kFixed;

// The three captions that name the model's trunk interface: the trunk kind (1002), the WAN
// calls (1034) and the trunk calls (1033).
struct TrunkCaptions {
    const char* trunkKind;
    const char* wanCalls;
    const char* trunkCalls;
};
// product 0 to 8 (Avlo to Ivrel); language kEnglish or kSpanish.
TrunkCaptions TrunkCaptionsFor(int product, int language);

inline constexpr int kTrunkKindId = 1002;
inline constexpr int kWanCallsId = 1034;
inline constexpr int kTrunkCallsId = 1033;

inline constexpr Caption kClearButton = {1032, "Clear", "Claro"};
inline constexpr Caption kCloseButton = {2, "Close", "Cerrar"};

} // namespace Labels
