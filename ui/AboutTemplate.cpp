#include "ui/AboutTemplate.h"

#include <array>

namespace {

using enum ControlKind;

// clang-format off
constexpr std::array<ControlTemplate, 3> kControls = {{
    {-1, Image, "", 14, 14, 20, 20, 0, 130},
    {-1, Label, "Orvane  Resource Calculator, Version 5.2.1", 42, 14, 147, 8, 0, 0},
    {1,  PushButton, "OK", 139, 41, 50, 14, kTabStop | kDefaultButton | kCentered, 0},
}};
// clang-format on

const FormTemplate kAbout = {100, "About Orvane_Calc", 196, 62, "MS Shell Dlg", 8, kControls};

} // namespace

const FormTemplate& AboutTemplate() {
    return kAbout;
}
