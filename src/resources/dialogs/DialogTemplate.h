#pragma once
// Dialog templates as data: the controls of a dialog with their ids, window
// classes, rectangles in dialog units, texts and style bits. The controls layer
// turns a template into widgets (DialogBuilder); code finds the controls by id.

#include <cstdint>
#include <span>

namespace resources {

// Style bits keep the values of the system the templates were written for, so a
// template reads the same as its original description.
enum WindowStyle : std::uint32_t {
    WS_POPUP = 0x80000000u,
    WS_CHILD = 0x40000000u,
    WS_VISIBLE = 0x10000000u,
    WS_DISABLED = 0x08000000u,
    WS_CAPTION = 0x00C00000u,
    WS_BORDER = 0x00800000u,
    WS_VSCROLL = 0x00200000u,
    WS_HSCROLL = 0x00100000u,
    WS_SYSMENU = 0x00080000u,
    WS_GROUP = 0x00020000u,
    WS_TABSTOP = 0x00010000u,

    DS_MODALFRAME = 0x80u,
    DS_SETFONT = 0x40u,
    DS_CENTER = 0x800u,

    // Static controls: the low byte is the kind.
    SS_LEFT = 0x0u,
    SS_CENTER = 0x1u,
    SS_RIGHT = 0x2u,
    SS_ICON = 0x3u,
    SS_BLACKRECT = 0x4u,
    SS_GRAYRECT = 0x5u,
    SS_WHITERECT = 0x6u,
    SS_BLACKFRAME = 0x7u,
    SS_GRAYFRAME = 0x8u,
    SS_WHITEFRAME = 0x9u,
    SS_LEFTNOWORDWRAP = 0xCu,
    SS_TYPEMASK = 0x1Fu,
    SS_NOPREFIX = 0x80u,
    SS_SUNKEN = 0x1000u,

    // Buttons: the low nibble is the kind.
    BS_PUSHBUTTON = 0x0u,
    BS_DEFPUSHBUTTON = 0x1u,
    BS_CHECKBOX = 0x2u,
    BS_AUTOCHECKBOX = 0x3u,
    BS_RADIOBUTTON = 0x4u,
    BS_GROUPBOX = 0x7u,
    BS_AUTORADIOBUTTON = 0x9u,
    BS_TYPEMASK = 0xFu,

    ES_LEFT = 0x0u,
    ES_CENTER = 0x1u,
    ES_RIGHT = 0x2u,
    ES_MULTILINE = 0x4u,
    ES_AUTOHSCROLL = 0x80u,
    ES_READONLY = 0x800u,

    LBS_NOTIFY = 0x1u,
    LBS_SORT = 0x2u,
    LBS_OWNERDRAWFIXED = 0x10u,
    LBS_HASSTRINGS = 0x40u,
    LBS_EXTENDEDSEL = 0x800u,

    CBS_DROPDOWN = 0x2u,
    CBS_DROPDOWNLIST = 0x3u,
    CBS_SORT = 0x100u,

    SBS_HORZ = 0x0u,
    SBS_VERT = 0x1u,
};

// One control of a template. Rectangles are in dialog units.
struct DialogItem {
    int id;
    const char* className;   // "STATIC", "BUTTON", "EDIT", "LISTBOX", "COMBOBOX", "SCROLLBAR" or a class of the program
    int x, y, width, height;
    const char* text;
    std::uint32_t style;
};

struct DialogTemplate {
    int id;
    std::uint32_t style;
    const char* caption;     // empty for none
    int width, height;       // dialog units
    const char* fontFace;
    int fontPoints;
    std::span<const DialogItem> items;
};

// The template with this resource id, or nullptr when there is none.
const DialogTemplate* FindDialogTemplate(int id);

}  // namespace resources
