// Strings of the window model: sequences of 16-bit characters, as the program sees them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace forms {

using String = std::u16string;
using StringView = std::u16string_view;

inline constexpr char16_t CR = u'\r';
inline constexpr char16_t LF = u'\n';
inline constexpr StringView CRLF = u"\r\n";

// Widens UTF-8 (ASCII in practice) to the model's 16-bit strings.
String fromUtf8(std::string_view s);
// Appends one code point, as a surrogate pair beyond the 16-bit range.
void appendCodePoint(String& out, char32_t cp);
std::string toUtf8(StringView s);

// Length of the well-formed UTF-8 sequence at s[i], its code point in cp; 0 when the bytes
// there are not one.
size_t utf8Length(std::string_view s, size_t i, char32_t& cp);

// A file name as the system's bytes, held in a model string: valid UTF-8 is decoded, and
// each byte of an invalid sequence becomes a lone low surrogate U+DC80..U+DCFF, so that
// toFileName gives back the very same bytes. Captions show those as replacements.
String fromFileName(std::string_view bytes);
std::string toFileName(StringView name);

// The text as an editor widget shows it: every line break (CR LF, lone CR, lone LF) as
// one LF.
String displayForm(StringView s);
// Appends the display form of s to out.
void appendDisplayForm(String& out, StringView s);

// Decimal text of a number, with no leading blank (the classic Str would add one).
String number(int64_t n);

// Lower/upper case of letters, as the platform maps them (Latin-1 and beyond where simple).
char16_t lowerChar(char16_t c);
char16_t upperChar(char16_t c);
String lower(StringView s);
String upper(StringView s);

} // namespace forms
