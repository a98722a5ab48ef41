// Captions, message titles and message flags that more than one place writes, each named
// once. Exact to the character: blanks and capitals differ between them on purpose.
#pragma once

#include "forms/Platform.h"
#include "forms/Text.h"

struct Captions {
    // The name of a page that has no file yet.
    static constexpr char16_t untitled[] = u"Untitled";
    // After the page's name: saved or just opened, then modified or not ("[" star "]").
    static constexpr char16_t saved[] = u"[]: Tolva -By Quendry";
    static constexpr char16_t statusTail[] = u"]: Tolva -By Quendry";
    // After a new file name, before the first status refresh.
    static constexpr char16_t named[] = u":  Tolva - by Quendry";
    // The help line over the buffer and the window's own surface.
    static constexpr char16_t ready[] = u"Ready: Tolva-by Quendry";
};

struct Messages {
    // The title of the assistant's questions and warnings.
    static constexpr char16_t assistant[] = u"Assistant: Tolva";
    // Yes and No, No the default: for questions whose Yes loses something.
    static constexpr int yesNoSafe = forms::vbYesNo + forms::vbQuestion + forms::vbDefaultButton2;
    static constexpr char16_t exitUnsaved[] = u"Are you sure you want to exit without saving?";
};
