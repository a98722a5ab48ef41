// HTML colouring of the document buffer. Display only: the colours live in the blocks'
// layouts, never in the text, the undo steps or the model. Only the blocks in view are
// coloured; the state a line starts in (inside a comment, a tag, a quoted value) is carried
// forward from the line before and kept in the block, so a 10 MB page opens and types as
// fast as without colouring. The states of the lines out of view are read while idle.
#pragma once

#include <QColor>
#include <QList>
#include <QStringView>
#include <QTextCharFormat>
#include <QTimer>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>

class QPalette;
class QPlainTextEdit;
class QTextBlock;

namespace tolva::qt {

namespace colouring {

enum class Kind : uint8_t { Tag, Attribute, Value, Comment, Entity, Doctype };
inline constexpr int kKinds = 6;

// Where a line starts: the low bits are the place, the high bits the raw-text element
// (script or style) whose tag is open, whose content is not markup.
enum class Place : uint8_t { Text, Comment, Doctype, Attributes, DoubleQuoted, SingleQuoted, Raw };
struct State {
    Place place = Place::Text;
    uint8_t raw = 0; // 0 none, 1 script, 2 style
    bool operator==(const State&) const = default;
    int code() const { return static_cast<int>(place) | raw << 3; }
    static State fromCode(int c) {
        return {static_cast<Place>(c & 7), static_cast<uint8_t>(c >> 3 & 3)};
    }
};

struct Span {
    int start;
    int length;
    Kind kind;
};

// Colours one line (without its break) that starts in state; spans go to out when given.
// Returns the state the next line starts in.
State colourLine(QStringView line, State state, QList<Span>* out);

// The colours for a base (background) colour: dark text colours on a light base, light
// ones on a dark base, each readable against it.
std::array<QColor, kKinds> coloursFor(const QColor& base);
// WCAG contrast ratio of two colours, from 1 to 21.
double contrast(const QColor& a, const QColor& b);

} // namespace colouring

// Colours the page of one editor widget, which owns nothing of it but the layouts' formats.
class PageColours {
public:
    explicit PageColours(QPlainTextEdit& edit);

    // Colours the blocks from first to last (those in view) that are not coloured yet.
    // Called before each paint.
    void colourShown(const QTextBlock& first, const QTextBlock& last);
    // The document's text changed: the states after the change may have moved on.
    void changed(int pos, int removed, int added);
    // New base colours: every block takes the colours made for them when next shown.
    void paletteChanged(const QPalette& palette);
    // The block takes its colours again when next shown.
    void recolour(const QTextBlock& b);
    // Off leaves every block plain (the benchmarks compare with and without).
    void setEnabled(bool on);

    const std::array<QColor, colouring::kKinds>& colours() const { return colours_; }

    // Hands the page's lines, from a display position at a line's start on, to line until
    // it says stop. Set by a view that has them faster than the document, whose text comes
    // out a fragment at a time; lines it leaves unread are read from the document.
    std::function<void(int from, const std::function<bool(QStringView)>& line)> lineReader;
    // Blocks before this one hold the state their next line starts in.
    int known() const { return known_; }

private:
    colouring::State startOf(const QTextBlock& b) const;
    // Reads the states of the lines from b up to end (an invalid end: the page's end).
    void readStates(QTextBlock b, const QTextBlock& end);
    // Reads the states of a stretch of lines after the known ones, and asks for the next.
    void readWhileIdle();
    // Asks for readWhileIdle when lines are left unread.
    void readLater();
    colouring::State apply(const QTextBlock& b, colouring::State start);
    bool coloured(const QTextBlock& b) const;
    // Lets go of the kept shaping of lines beyond the last few coloured, out of view.
    void letGo(int viewFrom, int viewTo);

    QPlainTextEdit& edit_;
    std::array<QColor, colouring::kKinds> colours_;
    std::array<QTextCharFormat, colouring::kKinds> formats_;
    int known_ = 0;
    int blocks_ = 1;
    // Bumped when the colours change; a block is coloured when it carries the current one.
    int generation_ = 1;
    bool enabled_ = true;
    // Where the lines whose shaping is kept start, oldest first.
    std::deque<int> cached_;
    // The states of the whole page are read while the window is idle, so that a jump far
    // down (select all, Ctrl+End) finds them read.
    QTimer idle_;
};

} // namespace tolva::qt
