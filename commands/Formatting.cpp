// Special characters, tabify and the rectangular box. Quick format and indent are plain
// fragments and live with the other tag commands.
#include "commands/Formatting.h"

#include "core/Tolva.h"
#include "forms/Runtime.h"
#include "page/Texts.h"

#include <algorithm>

using forms::String;
using forms::StringView;

namespace {

// Code points as the list shows them; it keeps its duplicates, plain letters and question
// marks where they fall.
constexpr char16_t kSpecial[] = {
    0x0021, 0x0022, 0x0027, 0x0023, 0x0024, 0x0025, 0x0026, 0x0028, 0x0029, 0x002A, 0x002B, 0x002C,
    0x002D, 0x007B, 0x007D, 0x0020, 0x00A9, 0x00AE, 0x2122, 0x002E, 0x002F, 0x0030, 0x003A, 0x003B,
    0x003C, 0x003D, 0x003E, 0x003F, 0x0040, 0x005B, 0x005C, 0x005D, 0x005E, 0x2039, 0x203A, 0x007C,
    0x007E, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00AA, 0x00AB, 0x00AC,
    0x00AD, 0x00AF, 0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x20AC, 0x00B8,
    0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,
    // U+00C0 to U+00E0
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB,
    0x00CC, 0x00CD, 0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, 0x00E0,
    //
    0x02C6, 0x00AF, 0x00B0, 0x02DC, 0x0060, 0x00B4, 0x007E, 0x003B, 0x0061, 0x00DF, 0x003F, 0x0064,
    0x0065, 0x00B5, 0x003F, 0x0070, 0x003F, 0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D,
    0x201E, 0x2020, 0x2021, 0x2022, 0x2026, 0x2030, 0x0027, 0x002F, 0x006E, 0x00A3, 0x0050, 0x006C,
    0x0065, 0x003F, 0x002D, 0x002F, 0x00B7, 0x0076, 0x0038, 0x02DC, 0x003F, 0x003D, 0x00A6, 0x00AC,
    0x00A4};
static_assert(std::size(kSpecial) == 149);

constexpr StringView kTab = u"       ";
constexpr StringView kCrLf = u"\r\n";
constexpr StringView kBox =
    u"<div style=\"border-style: solid; border-width: 1; padding-left: 4; padding-right: 4; "
    u"padding-top: 1; padding-bottom: 1\">";

} // namespace

std::span<const char16_t> specialCharacters() {
    return kSpecial;
}

void fillSpecialCharacters(forms::ComboBox& combo) {
    combo.setText(u"Spcl Char");
    for (char16_t c : kSpecial)
        combo.addItem(StringView(&c, 1));
}

void formatting::specialCharacter(Tolva& w) {
    String c = w.Combo3.text();
    if (c.empty() || c == u"Spcl Char") {
        w.runtime().msgBox(u"Choose a valid special character from the list");
        w.Text1.setFocus();
        return;
    }
    w.Text1.setFocus();
    w.runtime().sendKeys(c);
}

void formatting::tabify(Tolva& w) {
    String s = w.Text1.selText();
    // Each line is copied whole; counting the LFs first gives room for every tab at once.
    size_t lfs = static_cast<size_t>(std::count(s.begin(), s.end(), forms::LF));
    String out;
    out.reserve(s.size() + kTab.size() * (lfs + 1));
    out += kTab;
    size_t from = 0;
    for (size_t at; (at = s.find(kCrLf, from)) != String::npos; from = at + kCrLf.size()) {
        out.append(s, from, at + kCrLf.size() - from);
        out += kTab;
    }
    out.append(s, from);
    w.Text1.setSelText(out);
}

void formatting::rectangularBox(Tolva& w) {
    String t = w.runtime().inputBox(u"Enter text to be inserted in the box", Messages::assistant,
                                    u"&nbsp;");
    w.Text1.setSelText(String(kBox) + t + u"</div>");
}
