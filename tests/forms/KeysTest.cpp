// The key map: what each key does in a text box, and a key pressed through the box.
#include "forms/Keys.h"
#include "forms/Form.h"
#include "forms/Runtime.h"
#include "forms/TextBox.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <string>

using namespace forms;
using testing_support::ScriptedPlatform;
using testing_support::show;

namespace {

// Short names keep the key tables readable.
// NOLINTBEGIN(readability-identifier-naming)
constexpr int S = vbShiftMask;
constexpr int C = vbCtrlMask;
constexpr int A = vbAltMask;
constexpr int M = kMetaMask;
// NOLINTEND(readability-identifier-naming)

Key named(int code, int mods = 0) {
    Key k;
    k.code = code;
    k.mods = mods;
    return k;
}

Key character(int code, StringView text, int mods = 0) {
    Key k = named(code, mods);
    k.character = true;
    k.text = text;
    return k;
}

Key standard(StandardKey s, Key k) {
    k.standard = s;
    return k;
}

struct Row {
    const char* name;
    Key key;
    KeyAction action;
};

void expectActions(std::initializer_list<Row> rows) {
    for (const Row& r : rows)
        EXPECT_EQ(static_cast<int>(keyAction(r.key)), static_cast<int>(r.action)) << r.name;
}

} // namespace

TEST(KeyMap, NamedKeysEditOrMoveOnlyWithTheModifiersTheyAllow) {
    expectActions({
        {"Backspace", named(vbKeyBack), KeyAction::Backspace},
        {"Ctrl+Backspace, no word sequence", named(vbKeyBack, C), KeyAction::NotTaken},
        {"Delete", named(vbKeyDelete), KeyAction::Delete},
        {"Shift+Delete, no cut sequence", named(vbKeyDelete, S), KeyAction::NotTaken},
        {"Enter", named(vbKeyReturn), KeyAction::Enter},
        {"Alt+Enter", named(vbKeyReturn, A), KeyAction::NotTaken},
        {"Tab", named(vbKeyTab), KeyAction::Tab},
        {"Alt+Tab", named(vbKeyTab, A), KeyAction::NotTaken},
        {"Left", named(vbKeyLeft), KeyAction::Move},
        {"Ctrl+Shift+End", named(vbKeyEnd, C | S), KeyAction::Move},
        {"Alt+Meta+PageDown", named(vbKeyPageDown, A | M), KeyAction::Move},
        {"Ctrl+Y", character(vbKeyY, u"", C), KeyAction::Redo},
        {"Ctrl+Shift+Y", character(vbKeyY, u"", C | S), KeyAction::NotTaken},
        {"Escape", named(vbKeyEscape), KeyAction::NotTaken},
        {"a key with no code", named(0), KeyAction::NotTaken},
    });
}

TEST(KeyMap, CharacterKeysTypeUnlessAShortcutModifierIsHeld) {
    expectActions({
        {"a", character(vbKeyA, u"a"), KeyAction::Type},
        {"Shift+a", character(vbKeyA, u"A", S), KeyAction::Type},
        {"AltGr+q", character(vbKeyA + 16, u"@"), KeyAction::Type},
        {"a dead key and a letter", character(vbKeyA, u"\u00b4a"), KeyAction::Type},
        {"Ctrl+a", character(vbKeyA, u"a", C), KeyAction::NotTaken},
        {"Alt+a", character(vbKeyA, u"a", A), KeyAction::NotTaken},
        {"Ctrl+- without text", character(vbKeyInsert, u"", C), KeyAction::NotTaken},
        // Punctuation shares its code with a named key but is never that key.
        {"(", character(vbKeyDown, u"("), KeyAction::Type},
        {"Ctrl+(", character(vbKeyDown, u"(", C), KeyAction::NotTaken},
        {"Meta+$", character(vbKeyHome, u"$", M), KeyAction::NotTaken},
        // The desktop's sequences win over the key's own meaning; more in Pressed below.
        {"Ctrl+A", standard(StandardKey::SelectAll, character(vbKeyA, u"", C)), KeyAction::Move},
        {"Shift+Delete as Cut", standard(StandardKey::Cut, named(vbKeyDelete, S)), KeyAction::Cut},
    });
}

namespace {

struct Pressed : ::testing::Test {
    ScriptedPlatform sp;
    Runtime rt{sp.platform};
    Form form{rt, "f"};
    TextBox box{form, "Text1"};
    std::string log;
    KeyView view;

    void SetUp() override {
        box.setMultiLine(true);
        box.KeyDown = [this](int code, int shift) {
            log += "D" + std::to_string(code) + "/" + std::to_string(shift) + " ";
        };
        box.KeyUp = [this](int code, int shift) {
            log += "U" + std::to_string(code) + "/" + std::to_string(shift);
        };
        box.Change = [this] { log += "C "; };
        view.copy = [this] { log += "copy "; };
        view.cut = [this] { log += "cut "; };
        view.paste = [this] { log += "paste "; };
        view.move = [this] { log += "move "; };
    }
    void page(StringView text, int32_t caret, int32_t length = 0) {
        box.setText(text);
        box.select(caret, length);
        log.clear();
    }
};

} // namespace

TEST_F(Pressed, EveryKeyRaisesKeyDownAndKeyUpAroundWhatItDoes) {
    const std::tuple<const char*, Key, KeyAction, const char*> cases[] = {
        {"Ctrl+Enter", named(vbKeyReturn, C), KeyAction::NotTaken, "D13/2 U13/2"},
        {"Meta+a", character(vbKeyA, u"a", M), KeyAction::NotTaken, "D65/0 U65/0"},
        {"Shift+Left", named(vbKeyLeft, S), KeyAction::Move, "D37/1 move U37/1"},
        {"Ctrl+V", standard(StandardKey::Paste, character(vbKeyA + 21, u"", C)), KeyAction::Paste,
         "D86/2 paste U86/2"},
        {"Alt+Shift+x", character(vbKeyA + 23, u"X", A | S), KeyAction::Type, "D88/5 C U88/5"},
    };
    for (const auto& [name, key, action, expected] : cases) {
        page(u"ab", 1);
        EXPECT_EQ(box.pressKey(key, view), action) << name;
        EXPECT_EQ(log, expected) << name;
    }
}

TEST_F(Pressed, TypedTextPassesKeyPressPerCharacterAndAPairBeyond16BitsWhole) {
    String pressed;
    box.KeyPress = [&](int& c) {
        pressed += static_cast<char16_t>(c);
        if (c == 'b') c = 'B';
    };
    page(u"", 0);
    box.pressKey(character(0, u"a\U0001F600b"), view);
    EXPECT_EQ(show(box.text()), show(u"a\U0001F600B"));
    EXPECT_EQ(show(pressed), show(u"ab"));
}

TEST_F(Pressed, WordDeletionTakesTheViewsRangeAsOneEditAndUndoAndRedoRestore) {
    bool askedBack = false;
    view.wordRange = [&](bool back) {
        askedBack = back;
        log += "range ";
        return std::pair<int32_t, int32_t>(4, 8);
    };
    page(u"one two three", 8);
    EXPECT_EQ(box.pressKey(standard(StandardKey::DeleteStartOfWord, named(vbKeyBack, C)), view),
              KeyAction::DeleteWordBack);
    EXPECT_TRUE(askedBack);
    EXPECT_EQ(log, "range D8/2 C U8/2") << "the range is taken before any handler runs";
    EXPECT_EQ(show(box.text()), show(u"one three"));

    box.pressKey(standard(StandardKey::DeleteEndOfWord, named(vbKeyDelete, C)), view);
    EXPECT_FALSE(askedBack);

    box.pressKey(standard(StandardKey::Undo, character(vbKeyA + 25, u"", C)), view);
    box.pressKey(standard(StandardKey::Undo, character(vbKeyA + 25, u"", C)), view);
    EXPECT_EQ(show(box.text()), show(u"one two three"));
    box.pressKey(character(vbKeyY, u"", C), view);
    EXPECT_EQ(show(box.text()), show(u"one three"));
}
