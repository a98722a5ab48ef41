// The document buffer's editor widget. It mirrors the model text box and never edits
// itself: keys, paste, drops, input-method commits, undo and redo become model edits,
// and every model edit comes back as a minimal replacement.
#pragma once

#include "forms/Keys.h"
#include "forms/TextBox.h"
#include "qt/EditSteps.h"
#include "qt/LongLines.h"
#include "qt/PageColours.h"

#include <QKeySequence>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>

class QMenu;

#include <functional>
#include <vector>

namespace tolva::qt {

class Binder;

// A Qt key press in the model's terms, for its key map.
forms::Key modelKey(QKeyEvent* e);

class BufferEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    // Does not own the text box, which outlives the widget.
    BufferEdit(forms::TextBox& box, Binder& binder, QWidget* parent = nullptr);
    ~BufferEdit() override;

    // Keys that belong to menu actions: the widget lets them through instead of using them.
    void yieldShortcuts(std::vector<QKeySequence> keys) { yielded_ = std::move(keys); }
    // The window's own copy, cut and paste commands. The widget's keys, context menu and
    // paste slot run them, so that every way of pasting gives the same page.
    struct ClipboardCommands {
        std::function<void()> copy;
        std::function<void()> cut;
        std::function<void()> paste;
    };
    void setClipboardCommands(ClipboardCommands c) { clip_ = std::move(c); }
    // The model text box this widget mirrors.
    forms::TextBox& box() const { return box_; }

    // What a drag (or the desktop's selection) of the selected text carries: the text with
    // the desktop's line breaks, marked as coming from this widget.
    QMimeData* createMimeDataFromSelection() const override;
    // The context menu, owned by the caller: its actions run the same commands as the keys.
    QMenu* editMenu(QWidget* parent = nullptr);
    // The widget position of a page offset, and back; they differ where a very long line is
    // shown in pieces.
    int toWidget(int32_t offset) const;
    int32_t fromWidget(int position) const;
    // The page as the widget shows it, without the breaks that cut long lines.
    QString shownPage() const;
    // Whether lines a large edit left are still being laid out and counted.
    bool counting() const { return countFrom_ >= 0; }
    // The page's HTML colours (display only).
    PageColours& colours() { return colours_; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void applyEdit(const forms::DisplayEdit& e);
    void put(const forms::DisplayEdit& e);
    // Replacements of this many characters and more are put in as only what differs.
    static constexpr int kNarrowFrom = 4096;
    bool narrowed(int from, int to, const QString& text);
    // Replaces the widget's text from c's position to to with the edit's text as the model
    // holds it; false, having changed nothing, where that cannot be done.
    bool putRaw(QTextCursor& c, int to, const forms::DisplayEdit& e, int head);
    bool retrace(const forms::DisplayEdit& e);
    bool holds(const forms::DisplayEdit& e) const;
    // The page's lines from display position from on, read from the model's text.
    void readLines(int from, const std::function<bool(QStringView)>& line) const;
    // How many characters of text the widget holds from position at on, or before end.
    qsizetype agreeing(int at, QStringView text) const;
    qsizetype agreeingBack(int end, QStringView text) const;
    void forgetSteps();
    QString withCuts(forms::StringView text, int32_t at, int32_t head);
    void cutLong(const QTextBlock& b);
    void rebuild();
    void adoptOwnEdit(int pos, int removed, int added);
    int32_t displayLines();
    qsizetype columns() const;
    // Counts a block's display lines into it; whether its count changed.
    bool layOut(QTextBlock b, qsizetype cols);
    int wrappedLines(const QTextBlock& b);
    // Lays out from b to last (or the end) until ms have passed; gives the first block left,
    // or an invalid one when all are done.
    QTextBlock layOutFor(QTextBlock b, const QTextBlock& last, qint64 ms);
    // Lines from the block to the one holding position end are to be counted.
    void countBetween(int block, int end);
    void countSlice();
    void pushSelection();
    void copySelection();
    void command(const std::function<void()>& f);
    bool yields(QKeyEvent* e) const;
    bool ownDrag(const QMimeData* data) const;

    forms::TextBox& box_;
    Binder& binder_;
    forms::Subscription selection_;
    ClipboardCommands clip_;
    std::vector<QKeySequence> yielded_;
    // Keys held down whose KeyUp already ran with their press.
    std::vector<int> typed_;
    bool pushing_ = false;
    // Blocks from this one to countTo_'s may still be uncounted (-1: none); a slice at a
    // time counts them while the window is idle, and the model hears when all are done.
    int countFrom_ = -1;
    QTextCursor countTo_; // moves with the edits before it
    QTimer counting_;
    QTextLayout counter_;
    int countedWidth_ = -1;
    bool adopting_ = false; // the next model edit is one the widget made itself
    PageColours colours_{*this};
    LongLines long_;
    // Where readLines stopped, in the widget and in the model; forgotten on an edit before it.
    struct ReadTo {
        int display = -1;
        int32_t model = 0;
    };
    mutable ReadTo readTo_;
    EditSteps steps_;
    std::vector<QTextCursor> touched_;
    // The widget's undo steps counted as they come, and as far as steps_ accounts for them.
    int64_t widgetSteps_ = 0;
    int64_t knownSteps_ = 0;
};

} // namespace tolva::qt
