// The text box of the window model: text, selection and the events the program relies on.
#pragma once

#include "forms/Control.h"
#include "forms/GapBuffer.h"
#include "forms/Keys.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace forms {

// A property given an invalid value (a negative SelStart): stops the running command.
struct RuntimeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What the view does for the key actions that are not the text box's own.
struct KeyView {
    // The window's clipboard commands.
    std::function<void()> copy;
    std::function<void()> cut;
    std::function<void()> paste;
    // Moves the caret or the selection as the key asks.
    std::function<void()> move;
    // The start and end a word deletion takes: the selection if there is one, else up to
    // the display's word boundary before (back) or after the caret.
    std::function<std::pair<int32_t, int32_t>(bool back)> wordRange;
};

// One replacement as the display shows it: CR LF is one character there, and so is a
// lone CR or LF. Reported after the storage changed and before Change is raised. The new
// text's display form is made when asked for: a view that takes back a step of its own
// reads its ends at most, not megabytes. Read it during the report; the box's text it is
// made from changes after.
class DisplayEdit {
public:
    // An edit whose new text is given in display form.
    DisplayEdit(int32_t pos, int32_t removed, String text);
    // An edit whose new text is the page's characters from to to, added long in display form.
    DisplayEdit(int32_t pos, int32_t removed, int32_t added, const GapBuffer& page, int32_t from,
                int32_t to);

    int32_t pos;
    int32_t removed;
    int32_t added;

    // The new text, line breaks as LF.
    String text() const;
    // The display form of the new text's first, or last, n characters of the page at most.
    String head(int32_t n) const;
    String tail(int32_t n) const;
    // The new text as the page holds it (CR LF as two characters), in the one or two pieces
    // it lies in, uncopied; none when it was given in display form.
    std::pair<StringView, StringView> raw() const;

private:
    const GapBuffer* page_ = nullptr;
    int32_t from_ = 0;
    int32_t to_ = 0;
    String text_;
};

class TextBox : public Control {
public:
    TextBox(Form& owner, std::string name, int index = -1);

    // --- content ---------------------------------------------------------------------
    int32_t length() const { return buf_.size(); }
    String text() const { return buf_.str(); }
    void setText(StringView t);
    // setText of a text with no past (another file's page): the undo and redo steps go, none
    // is recorded, and the box keeps t's storage instead of a copy.
    void adoptText(String t);
    char16_t at(int32_t i) const { return buf_.at(i); }
    String mid(int32_t pos, int32_t len) const { return buf_.mid(pos, len); }
    // The up to n characters just before offset end.
    String before(int32_t end, int32_t n) const;
    int32_t find(StringView needle, int32_t from = 0) const { return buf_.find(needle, from); }
    int32_t rfind(StringView needle, int32_t limit) const { return buf_.rfind(needle, limit); }
    const GapBuffer& storage() const { return buf_; }
    // Whether offset i falls between the two halves of a surrogate pair.
    bool splitsPair(int32_t i) const;

    // --- selection -------------------------------------------------------------------
    // The selection holds whole characters: a caret or a start between the two halves of
    // one moves before it, a selection's end there moves after it.
    int32_t selStart() const { return selStart_; }
    int32_t selLength() const { return selLength_; }
    void setSelStart(int64_t v);  // RuntimeError when negative; clamps at the end
    void setSelLength(int64_t v); // RuntimeError when negative; clamps at the end
    String selText() const { return buf_.mid(selStart_, selLength_); }
    void setSelText(StringView t);
    // Both at once, without raising anything (the view copies user caret moves this way).
    void select(int32_t start, int32_t length);

    // --- properties ------------------------------------------------------------------
    int32_t maxLength() const { return maxLength_; }
    void setMaxLength(int32_t n) { maxLength_ = n; }
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool on) { multiLine_ = on; }
    bool locked() const { return locked_; }
    void setLocked(bool on);
    const String& fontName() const { return fontName_; }
    void setFontName(StringView f);
    Color backColor() const { return back_; }
    Color foreColor() const { return fore_; }
    void setBackColor(Color c);
    void setForeColor(Color c);

    // Display lines of the wrapped text; the view supplies the real count.
    int32_t lineCount() const;
    std::function<int32_t()> lineCounter;
    // Raised by the view when its count changed without an edit: the lines a large edit
    // left were laid out later, or the width changed.
    Handler LineCountChanged;

    // --- user input (what the view turns keys and mouse into) ------------------------
    void keyDown(int keyCode, int shift = 0);
    void keyUp(int keyCode, int shift = 0);
    // KeyPress, then the character's own action: insert it, Backspace (8) deletes,
    // Enter (13) breaks the line in a multi-line box, Tab (9) inserts a tab.
    void keyPress(char16_t c);
    // The Delete key's action (it raises no KeyPress).
    void deleteKey();
    // Every key pressed in the box comes through here, from the view and from tests alike:
    // KeyDown, the key's action (for a character its KeyPress, the edit and Change),
    // KeyUp, all as one event, so that keystrokes queued meanwhile arrive after KeyUp.
    void typeKey(int keyCode, int shift, const std::function<void()>& action);
    // A key pressed in the box, from the view: KeyDown, what the key map decides, KeyUp.
    // A key the box does not take still raises KeyDown and KeyUp.
    KeyAction pressKey(const Key& k, const KeyView& view);
    // Typed characters, each through keyPress; one beyond 16 bits has no key code and
    // goes in whole.
    void pressChars(StringView chars);
    // A character key through typeKey, with KeyPress and the character's own action.
    void type(char16_t c, int shift = 0);
    // Queued keystrokes: KeyDown, KeyPress, then the characters inserted exactly as they
    // are (a lone CR or LF stays itself; a CR LF pair comes as one), KeyUp.
    void typeLiteral(StringView chars);
    // Paste or drop: replaces the selection as one edit.
    void userInsert(StringView t);
    // The selection dragged elsewhere in the box: one edit, after which the moved text is
    // selected. Dropping it inside itself changes nothing.
    void userMove(int32_t start, int32_t length, int32_t to);
    bool undo();
    bool redo();
    bool canUndo() const { return !undo_.empty(); }
    // Forgets every step to undo and redo.
    void clearUndo() {
        undo_.clear();
        redo_.clear();
    }
    bool canRedo() const { return !redo_.empty(); }
    // True while an undo or redo is being applied (the assistant stays quiet then).
    bool undoing() const { return undoing_; }

    // --- events ----------------------------------------------------------------------
    Handler Change;
    Handler Click;
    std::function<void(int keyCode, int shift)> KeyDown;
    std::function<void(int keyCode, int shift)> KeyUp;
    std::function<void(int& keyAscii)> KeyPress;

    // The view's mirror of edits; set only by a view.
    std::function<void(const DisplayEdit&)> displayEdit;

private:
    // With whole, the buffer takes whole (the new text, t its replaced part) and no step is
    // recorded. With taken, an edit of the whole page hands the page's storage to taken.
    void replace(int32_t pos, int32_t len, StringView t, bool typed, bool caretToStart,
                 String* whole = nullptr, String* taken = nullptr);

    struct Step {
        int32_t pos;
        String removed;
        String inserted;
        bool typed;
        // The side the page holds now is lent to it, not copied: that side is empty here,
        // and its text is the whole page.
        bool lent = false;
    };
    void record(int32_t pos, String removed, StringView inserted, bool typed);
    void apply(Step& s, bool forward);

    GapBuffer buf_;
    int32_t selStart_ = 0;
    int32_t selLength_ = 0;
    int32_t maxLength_ = 0;
    bool multiLine_ = false;
    bool locked_ = false;
    String fontName_;
    Color back_ = vbWindowBackground;
    Color fore_ = vbWindowFrame;

    std::vector<Step> undo_;
    std::vector<Step> redo_;
    bool undoing_ = false;
};

} // namespace forms
