// Key presses in the model's terms and the key map that decides what one does in a text box.
#pragma once

#include "forms/Text.h"

namespace forms {

// The classic key codes the KeyDown and KeyUp handlers see.
inline constexpr int vbKeyBack = 8;
inline constexpr int vbKeyTab = 9;
inline constexpr int vbKeyReturn = 13;
inline constexpr int vbKeyShift = 16;
inline constexpr int vbKeyControl = 17;
inline constexpr int vbKeyMenu = 18;
inline constexpr int vbKeyEscape = 27;
inline constexpr int vbKeySpace = 32;
inline constexpr int vbKeyPageUp = 33;
inline constexpr int vbKeyPageDown = 34;
inline constexpr int vbKeyEnd = 35;
inline constexpr int vbKeyHome = 36;
inline constexpr int vbKeyLeft = 37;
inline constexpr int vbKeyUp = 38;
inline constexpr int vbKeyRight = 39;
inline constexpr int vbKeyDown = 40;
inline constexpr int vbKeyInsert = 45;
inline constexpr int vbKeyDelete = 46;
inline constexpr int vbKeyA = 65; // the letters follow in order, vbKeyA + 25 is Z
inline constexpr int vbKeyY = 89;
inline constexpr int vbKeyF1 = 112; // F1 to F24 follow in order

// The shift argument of KeyDown and KeyUp: a sum of these.
inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;
// The desktop's Meta (Super) key, which the classic shift argument has no bit for.
inline constexpr int kMetaMask = 8;

// Editing sequences whose keys differ between desktops (Shift+Delete cuts on some, Ctrl+X
// everywhere): the view reports which of them a key is, the map gives their meaning.
enum class StandardKey {
    None,
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    DeleteStartOfWord,
    DeleteEndOfWord,
    SelectAll,
};

struct Key {
    int code = 0; // the classic code (vbKeyReturn, vbKeyA + n); 0 for a key that has none
    // A key that stands for a character (letter, digit, punctuation). Its code is the
    // character's own and may equal a named key's: '(' has vbKeyDown's.
    bool character = false;
    int mods = 0; // vbShiftMask, vbCtrlMask, vbAltMask, kMetaMask; AltGr is not one
    String text;  // the printable characters the key types; empty for none
    StandardKey standard = StandardKey::None;

    // The KeyDown and KeyUp handlers' shift argument.
    int shift() const { return mods & (vbShiftMask | vbCtrlMask | vbAltMask); }
};

// What a key press does in a text box.
enum class KeyAction {
    NotTaken, // the box leaves the key to whoever else wants it
    Move,     // the view moves the caret or the selection itself
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    DeleteWordBack,
    DeleteWordForward,
    Backspace,
    Delete,
    Enter,
    Tab,
    Type, // the key's text goes in as typed characters
};

KeyAction keyAction(const Key& k);

// The desktop's way between the panes of a window: F6 to the next, Shift+F6 back. No text
// box takes these keys, so they reach the window.
enum class PaneStep { None, Next, Previous };

PaneStep paneStep(const Key& k);

} // namespace forms
