#include "ui/LabelSets.h"

#include <cstddef>

namespace Labels {

// clang-format off
const std::array<Caption, 38> kFixed = {{
    {1038, "Product Type", "Tipo de producto"},
    {1039, "Language", "Lenguaje"},
    {1040, "Language", "Lenguaje"},
    {1035, "Interfaces/Extensions", "Interfaz/Extension"},
    {1004, "FXS", "FXS"},
    {1043, "IP Phones (Basic)", "Telefono IP (Basico)"},
    {1044, "Virtual Ext (Max)", "Extension Virtual (Max)"},
    {1070, "Audio Line-in", "Entrada de Linea de Audio"},
    {1072, "Audio Line-out", "Salida de Linea de Audio"},
    {1045, "Licenses", "Licencias"},
    {1046, "G.729 (Basic)", "G.729 (Basico)"},
    {1047, "G.729 (By Key)", "G.729 (Con Llave)"},
    {1048, "IP phones (By Key)", "Telefono IP (Con Llave)"},
    {1049, "Recording (By Key)", "Grabacion (Con Llave)"},
    {1050, "Allowed Phones/AA/Extensions Combinations", "Combinaciones de Telefonos/AA/Extensiones Permitidas"},
    {1051, "IP Phones", "Telefonos IP"},
    {1052, "Analog Phones", "Telefonos Analogos"},
    {1053, "AA", "AA"},
    {1069, "Virtual Extensions", "Extensiones Virtuales"},
    {1054, "Memory", "Memoria"},
    {1055, "Available On Board User Memory (MB)", "Memoria interna de usuario disponible (MB)"},
    {1056, "External Memory", "Memoria Externa"},
    {1057, "Avg. User\u2019s Memory (KB)", "Memoria de usuario promedio (KB)"},
    {1058, "Max Calls/Fax Sessions/Subscriptions*", "Maximo Llamadas/FAX/Subscripciones"},
    {1020, "Max Calls", "Maximo Llamadas"},
    {1022, "Max T.38 Fax Sessions", "Maximo Sesiones de FAX T.38"},
    {1042, "Max MWI/BLF Subscriptions\n(Recommended)", "Maximo Subscripciones MWI/BLF\n(Sugeridas)"},
    {1059, "Max AA Calls", "Maximo Llamadas AA"},
    {1060, "Max VM Sessions", "Maximo Sesiones VM"},
    {1067, "* Maximum numbers may not be available simultaneously", "* Las capacidades maximas indicadas puede que no se cumplan todas a la vez"},
    {1061, "Allowed Calls/Faxes/Recording Combinations (for Selected Phones Combination)", "Combinaciones de Llamadas/FAX/Grabaciones Permitidas (Para Combinacion de Telefonos Seleccionadas)"},
    {1062, "Calls to AA", "Llamadas al AA"},
    {1063, "T.38 Fax Sessions", "Sesiones de FAX T.38"},
    {1064, "VM Sessions", "Sesiones de VM"},
    {1065, "Recording Sessions", "Sesiones de Grabacion"},
    {1066, "Generated Traffic (MAX)", "Trafico Generado(MAX)"},
    {1027, "MAX WAN Generated Traffic (G.729 Codec)", "Trafico Generado en WAN Maximo (Codec G.729)"},
    {1037, "MAX WAN Generated Traffic (G.711 Codec)", "Trafico Generado en WAN Maximo(Codec G.711)"},
}};

// By model: Avlo, Brenic, Casko, Dremi, Elvar, Fosk, Gurin, Hadel, Ivrel. The models
// without FXS ports (Casko, Dremi) get call captions without analog phones.
const std::array<TrunkCaptions, 9> kTrunkEnglish = {{
    {"FXO", "WAN<->LAN IP/Analog Phones Calls", "FXO<->LAN IP/Analog Phones Calls"},
    {"ISDN", "WAN<->LAN IP/Analog Phones Calls", "ISDN<->LAN IP/Analog Phones Calls"},
    {"FXO", "WAN<->LAN IP Phones Calls", "FXO<->LAN IP Phones Calls"},
    {"ISDN", "WAN<->LAN IP Phones Calls", "ISDN<->LAN IP Phones Calls"},
    {"FXO", "WAN<->LAN IP/Analog Phones Calls", "FXO<->LAN IP/Analog Phones Calls"},
    {"ISDN", "WAN<->LAN IP/Analog Phones Calls", "ISDN<->LAN IP/Analog Phones Calls"},
    {"FXO", "WAN<->LAN IP/Analog Phones Calls", "FXO<->LAN IP/Analog Phones Calls"},
    {"ISDN", "WAN<->LAN IP/Analog Phones Calls", "ISDN<->LAN IP/Analog Phones Calls"},
    {"E1/T1", "WAN<->LAN IP/Analog Phones Calls", "E1T1<->LAN IP/Analog Phones Calls"},
}};

const std::array<TrunkCaptions, 9> kTrunkSpanish = {{
    {"FXO", "WAN<->Llamadas IP en LAN/Llamadas Analogas", "FXO<-> Llamadas IP en LAN/Llamadas Analogas"},
    {"ISDN (RSDI)", "WAN<->Llamadas IP en LAN/Llamadas Analogas", "ISDN<-> Llamadas IP en LAN/Llamadas Analogas"},
    {"FXO", "WAN<->Llamadas IP en LAN", "FXO<-> Llamadas IP en LAN"},
    {"ISDN (RSDI)", "WAN<->Llamadas IP en LAN", "ISDN<-> Llamadas IP en LAN"},
    {"FXO", "WAN<->Llamadas IP en LAN/Llamadas Analogas", "FXO<-> Llamadas IP en LAN/Llamadas Analogas"},
    {"ISDN (RSDI)", "WAN<->Llamadas IP en LAN/Llamadas Analogas", "ISDN<-> Llamadas IP en LAN/Llamadas Analogas"},
    {"FXO", "WAN<->Llamadas IP en LAN/Llamadas Analogas", "FXO<-> Llamadas IP en LAN/Llamadas Analogas"},
    {"ISDN (RSDI)", "WAN<->Llamadas IP en LAN/Llamadas Analogas", "ISDN<-> Llamadas IP en LAN/Llamadas Analogas"},
    {"E1/T1", "WAN<->Llamadas IP en LAN/Llamadas Analogas", "E1T1<-> Llamadas IP en LAN/Llamadas Analogas"},
}};
// clang-format on

TrunkCaptions TrunkCaptionsFor(int product, int language) {
    const auto& table = language == kSpanish ? kTrunkSpanish : kTrunkEnglish;
    return table[static_cast<size_t>(product)];
}

} // namespace Labels
