// Fixture for tests of the program's windows: a program on the scripted platform, and
// helpers that act as a user would.
#pragma once

#include "core/Program.h"
#include "core/Tolva.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

namespace testing_support {

class ProgramTest : public ::testing::Test {
protected:
    ScriptedPlatform sp;
    Program program{sp.platform};

    // Runs f as an event of the platform (queued keystrokes arrive after it returns).
    void run(const std::function<void()>& f) { program.runtime().invoke(f); }
    // The main window, loaded (and initialised) on first use.
    Tolva& main();
    // Types each character into the box as the real window does (TextBox::type): KeyDown,
    // KeyPress, KeyUp, then the keystrokes they queued.
    void typeChars(forms::TextBox& box, StringView s);
    // Replaces the whole box as a user selecting it and typing would.
    void enter(forms::TextBox& box, StringView s);
    // The message of every numeric box that refuses what was typed.
    void expectInvalid();
    // Puts the page into the buffer and the caret (and selection) where asked.
    void setPage(StringView page, int32_t selStart = 0, int32_t selLength = 0);
};

} // namespace testing_support
