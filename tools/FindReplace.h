// The find and replace window `findreplace`, and the page searches it shares with the
// main window's Find Next (F3).
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

#include <cstdint>

class Page;

// A found search text is selected up to this many characters.
inline constexpr int32_t kMaxSearchSelection = 1000;

// 0-based start of the first occurrence at or after from, or -1. Without matchCase, letters
// compare as their lower case. Reads the box in place (the page may be many MB).
int32_t findText(const forms::TextBox& box, forms::StringView needle, int32_t from, bool matchCase);
// Start of the last occurrence lying wholly within the first limit characters, or -1.
int32_t findTextBack(const forms::TextBox& box, forms::StringView needle, int32_t limit,
                     bool matchCase);
// The box's text with every occurrence replaced, left to right, without overlaps; the rest
// of the text keeps its letters as they were.
forms::String replaceAllText(const forms::TextBox& box, forms::StringView needle,
                             forms::StringView replacement, bool matchCase);

// Value of the decimal digits at the start of s (0 when none); the hidden position and
// length fields hold their numbers as text.
int32_t decimalValue(forms::StringView s);

class FindReplace : public forms::Form {
public:
    explicit FindReplace(Page& page);
    Page& page;

    forms::Label Label1{*this, "Label1"};
    forms::ComboBox txtfind{*this, "txtfind"};
    forms::CheckBox casematch{*this, "casematch"};
    forms::OptionButton down{*this, "down", "direction"};
    forms::OptionButton up{*this, "up", "direction"};
    forms::Button btnfind{*this, "btnfind"};
    forms::Label lblreplink{*this, "lblreplink"};
    // Lies below the find-only form; the expanded form moves it into view.
    forms::Frame FrameRep{*this, "FrameRep"};
    forms::Label Label2{*this, "Label2"};
    forms::ComboBox txtReplace{*this, "txtReplace"};
    forms::Button btnReplace{*this, "btnReplace"};
    forms::Button btnReplaceAll{*this, "btnReplaceAll"};
    // Decimal length of the text of the window's last search.
    forms::TextBox lengthofwrd{*this, "lengthofwrd"};

    // 1-based position of the window's last match, 0 when it found nothing.
    int32_t foundpos = 0;

    void Form_Load();
    void Form_MouseMove();
    void btnfind_Click();
    void btnReplace_Click();
    void btnReplaceAll_Click();
    void lblreplink_Click();
    void txtfind_Change();
    void txtReplace_Change();
    void markfound();
    void openreplace();

    // Both searches go this way: the upward one looks before the buffer's caret and
    // leaves the caret there. Returns the 1-based position of the match, or 0.
    int32_t search(int32_t foundFrom);

private:
    void enableReplace();
};

// The main window's Find, Find Next (F3) and Replace.
void mnufind_Click(Page& w);
void mnufindnext_Click(Page& w);
void mnuReplace_Click(Page& w);
