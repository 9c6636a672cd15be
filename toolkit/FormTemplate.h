#pragma once

#include <span>

// A form described as data: its controls with ids, kinds, texts and geometry in dialog units.
// Built into the program as constant tables; CForm creates the widgets from it.

enum class ControlKind { GroupBox, Label, NumberField, DropDown, PushButton, Image };

enum ControlFlags : unsigned {
    kTabStop = 1u,        // reached with Tab, in template order
    kReadOnly = 2u,       // number field: shown, not edited
    kNumbersOnly = 4u,    // number field: typing accepts digits only
    kSorted = 8u,         // drop-down: its rows arrive sorted; the widget never reorders them
    kDefaultButton = 16u, // push button: Enter anywhere but on another button clicks it
    kNotify = 32u,        // label: a click reaches OnClicked
    kCentered = 64u,      // label: text centred horizontally
};

struct ControlTemplate {
    int id; // -1 for controls the program never addresses
    ControlKind kind;
    const char* text; // UTF-8
    int x, y, w, h;
    unsigned flags;
    int iconId; // Image only, else 0
};

struct FormTemplate {
    int id;
    const char* title; // UTF-8
    int cx, cy;        // client size, dialog units
    const char* fontFamily;
    int pointSize;
    std::span<const ControlTemplate> controls; // tab and stacking order
};
