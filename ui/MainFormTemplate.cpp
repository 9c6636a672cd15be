#include "ui/MainFormTemplate.h"

#include <array>

namespace {

using enum ControlKind;

constexpr unsigned kList = kTabStop;
constexpr unsigned kNumber = kTabStop | kReadOnly | kNumbersOnly;
constexpr unsigned kText = kTabStop | kReadOnly; // a number field without the digits-only flag
constexpr unsigned kButton = kTabStop;

// clang-format off
constexpr std::array<ControlTemplate, 77> kControls = {{
    {2,    PushButton, "Close", 186, 404, 50, 15, kButton, 0},
    {1000, DropDown, "", 128, 17, 46, 18, kList, 0},
    {1038, GroupBox, "Product Type", 7, 6, 171, 33, 0, 0},
    {1035, GroupBox, "Interfaces/Extensions", 7, 40, 348, 59, 0, 0},
    {1001, NumberField, "", 128, 49, 30, 12, kNumber, 0},
    {1002, Label, "FXO", 15, 50, 109, 16, 0, 0},
    {1003, NumberField, "", 128, 66, 30, 12, kNumber, 0},
    {1004, Label, "FXS", 15, 67, 109, 16, 0, 0},
    {1043, Label, "IP Phones (Basic)", 189, 50, 109, 16, 0, 0},
    {1044, Label, "Virtual Ext (MAX)", 189, 66, 109, 16, 0, 0},
    {1005, NumberField, "", 304, 50, 30, 12, kNumber, 0},
    {1006, NumberField, "", 304, 66, 30, 12, kNumber, 0},
    {-1,   Image, "", 16, 14, 21, 20, 0, 130},
    {1007, DropDown, "", 128, 126, 30, 14, kList | kSorted, 0},
    {1008, NumberField, "", 128, 109, 30, 12, kText, 0},
    {1045, GroupBox, "Licenses", 7, 99, 348, 44, 0, 0},
    {1046, Label, "G.729 (basic)", 15, 109, 109, 16, kNotify, 0},
    {1047, Label, "G.729 (by key)", 15, 126, 109, 16, 0, 0},
    {1009, DropDown, "", 304, 126, 30, 14, kList, 0},
    {1010, DropDown, "", 304, 109, 30, 14, kList, 0},
    {1048, Label, "IP phones (by key)", 191, 109, 109, 16, 0, 0},
    {1049, Label, "Recording  (by key)", 191, 126, 109, 16, 0, 0},
    {1054, GroupBox, "Memory", 7, 192, 348, 46, 0, 0},
    {1058, GroupBox, "Max Calls/Fax sessions/Subscribtions*", 7, 240, 348, 63, 0, 0},
    {1050, GroupBox, "Allowed Phones/AA/Extensions Combinations", 7, 144, 348, 46, 0, 0},
    {1011, DropDown, "", 128, 154, 30, 14, kList, 0},
    {1012, NumberField, "", 128, 202, 30, 12, kNumber, 0},
    {1055, Label, "On Board Memory (MB)", 15, 202, 109, 16, 0, 0},
    {1013, NumberField, "", 303, 220, 46, 12, kText, 0},
    {1057, Label, "Avg. User Space (KB)", 191, 220, 109, 16, 0, 0},
    {1014, DropDown, "", 303, 202, 46, 14, kList, 0},
    {1056, Label, "External Memory", 191, 202, 109, 16, 0, 0},
    {1015, DropDown, "", 128, 350, 30, 14, kList, 0},
    {1051, Label, "IP Phones", 15, 154, 109, 16, 0, 0},
    {1016, DropDown, "", 303, 172, 30, 14, kList, 0},
    {1064, Label, "VM Sessions", 191, 332, 109, 16, 0, 0},
    {1017, DropDown, "", 128, 172, 30, 14, kList, 0},
    {1052, Label, "Analog Phones", 15, 172, 109, 16, 0, 0},
    {1018, DropDown, "", 304, 332, 30, 14, kList, 0},
    {1033, Label, "FXO <-> LAN IP/Analog Phones Calls", 15, 333, 109, 16, 0, 0},
    {1019, NumberField, "", 128, 250, 30, 12, kNumber, 0},
    {1020, Label, "MAX Calls", 15, 250, 109, 16, 0, 0},
    {1021, NumberField, "", 128, 266, 30, 12, kNumber, 0},
    {1022, Label, "MAX T.38 FAX sessions", 15, 266, 109, 16, 0, 0},
    {1059, Label, "MAX AA Calls", 191, 250, 109, 16, 0, 0},
    {1060, Label, "MAX VM Sessions", 191, 266, 109, 16, 0, 0},
    {1023, NumberField, "", 304, 250, 30, 12, kNumber, 0},
    {1024, NumberField, "", 304, 267, 30, 12, kNumber, 0},
    {-1,   Image, "", 66, 18, 21, 20, 0, 133},
    {1025, DropDown, "", 128, 332, 30, 14, kList, 0},
    {1053, Label, "AA", 191, 154, 109, 16, 0, 0},
    {1066, GroupBox, "Generated Traffic (MAX)", 7, 371, 348, 30, 0, 0},
    {1062, Label, "Calls to AA", 15, 352, 109, 16, 0, 0},
    {1026, NumberField, "", 128, 381, 30, 12, kNumber, 0},
    {1027, Label, "MAX WAN Generated Traffic (G.729 Codec)", 15, 381, 109, 16, 0, 0},
    {1061, GroupBox, "Allowed Calls/Faxes/Recording Combinations (for Selected Phones Combination)", 7, 304, 348, 66, 0, 0},
    {1063, Label, "T.38 FAX Sessions", 191, 314, 109, 16, 0, 0},
    {1028, DropDown, "", 128, 314, 30, 14, kList, 0},
    {1034, Label, "WAN <-> LAN IP/Analog Phones Calls", 15, 314, 109, 16, 0, 0},
    {1029, DropDown, "", 304, 314, 30, 14, kList, 0},
    {1065, Label, "Recording  Sessions", 191, 350, 109, 16, 0, 0},
    {1030, DropDown, "", 304, 350, 30, 14, kList, 0},
    {1032, PushButton, "Clear", 123, 404, 50, 15, kButton, 0},
    {1036, NumberField, "", 304, 381, 30, 12, kNumber, 0},
    {1037, Label, "MAX WAN Generated Traffic (G.711 Codec)", 191, 381, 109, 16, 0, 0},
    {1040, Label, "Language", 191, 17, 100, 16, 0, 0},
    {1031, DropDown, "", 303, 17, 45, 14, kList, 0},
    {1039, GroupBox, "Language", 185, 6, 170, 33, 0, 0},
    {1041, NumberField, "", 128, 282, 30, 12, kNumber, 0},
    {1042, Label, "Max MWI/BLF Subscriptions (Recommended)", 15, 282, 109, 16, 0, 0},
    {1067, Label, "* Maximum numbers may not be available simultaneously", 191, 282, 158, 16, 0, 0},
    {1068, DropDown, "", 304, 153, 30, 14, kList, 0},
    {1069, Label, "Virtual Extensions", 192, 172, 109, 16, 0, 0},
    {1070, Label, "Audio Line-in", 15, 82, 109, 16, 0, 0},
    {1071, NumberField, "", 128, 82, 30, 12, kText, 0},
    {1072, Label, "Audio Line-out", 189, 82, 109, 16, 0, 0},
    {1073, NumberField, "", 304, 82, 30, 12, kText, 0},
}};
// clang-format on

const FormTemplate kMainForm = {
    102, "Trelis 5.2 IP PBXes Resource Calculator", 362, 428, "Microsoft Sans Serif", 8, kControls};

} // namespace

const FormTemplate& MainFormTemplate() {
    return kMainForm;
}
