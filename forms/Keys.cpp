// The key map of a text box: what each key press does.
#include "forms/Keys.h"

namespace forms {

namespace {

constexpr int kAnyMods = vbShiftMask | vbCtrlMask | vbAltMask | kMetaMask;

struct StandardRow {
    StandardKey key;
    KeyAction action;
};

// The desktop's own sequences come first: they may use a key that has a meaning of its own
// (Shift+Delete cuts, Alt+Backspace undoes on some desktops).
constexpr StandardRow kStandard[] = {
    {StandardKey::Undo, KeyAction::Undo},
    {StandardKey::Redo, KeyAction::Redo},
    {StandardKey::Paste, KeyAction::Paste},
    {StandardKey::Cut, KeyAction::Cut},
    {StandardKey::Copy, KeyAction::Copy},
    {StandardKey::DeleteStartOfWord, KeyAction::DeleteWordBack},
    {StandardKey::DeleteEndOfWord, KeyAction::DeleteWordForward},
    {StandardKey::SelectAll, KeyAction::Move},
};

// A key with these modifiers, apart from the ignored ones.
struct KeyRow {
    int code;
    bool character;
    int mods;
    int ignored;
    KeyAction action;
};

constexpr KeyRow kKeys[] = {
    // Ctrl+Y redoes wherever the desktop's own Redo is another key.
    {vbKeyY, true, vbCtrlMask, 0, KeyAction::Redo},
    {vbKeyBack, false, 0, vbShiftMask, KeyAction::Backspace},
    {vbKeyDelete, false, 0, 0, KeyAction::Delete},
    // Ctrl+Enter and Ctrl+Tab belong to the window's shortcuts, Alt+Tab to the desktop.
    {vbKeyReturn, false, 0, vbShiftMask | kMetaMask, KeyAction::Enter},
    {vbKeyTab, false, 0, vbShiftMask | kMetaMask, KeyAction::Tab},
    {vbKeyLeft, false, 0, kAnyMods, KeyAction::Move},
    {vbKeyRight, false, 0, kAnyMods, KeyAction::Move},
    {vbKeyUp, false, 0, kAnyMods, KeyAction::Move},
    {vbKeyDown, false, 0, kAnyMods, KeyAction::Move},
    {vbKeyHome, false, 0, kAnyMods, KeyAction::Move},
    {vbKeyEnd, false, 0, kAnyMods, KeyAction::Move},
    {vbKeyPageUp, false, 0, kAnyMods, KeyAction::Move},
    {vbKeyPageDown, false, 0, kAnyMods, KeyAction::Move},
};

// Ctrl and Meta make a shortcut of a character key, and so does Alt alone; Alt+Shift still
// types. AltGr is no modifier here: its effect is in the text.
bool types(const Key& k) {
    return !k.text.empty() && !(k.mods & (vbCtrlMask | kMetaMask)) && k.mods != vbAltMask;
}

} // namespace

KeyAction keyAction(const Key& k) {
    for (const StandardRow& r : kStandard)
        if (k.standard == r.key) return r.action;
    for (const KeyRow& r : kKeys)
        if (k.code == r.code && k.character == r.character && (k.mods & ~r.ignored) == r.mods)
            return r.action;
    if (types(k)) return KeyAction::Type;
    return KeyAction::NotTaken;
}

PaneStep paneStep(const Key& k) {
    if (k.character || k.code != vbKeyF1 + 5) return PaneStep::None;
    if (k.mods == 0) return PaneStep::Next;
    if (k.mods == vbShiftMask) return PaneStep::Previous;
    return PaneStep::None;
}

} // namespace forms
