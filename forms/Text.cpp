// String conversions and case mapping of the window model.
#include "forms/Text.h"

namespace forms {

String fromUtf8(std::string_view s) {
    String out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        char32_t cp = 0;
        int extra = 0;
        if (c < 0x80) {
            cp = c;
        } else if ((c & 0xE0) == 0xC0) {
            cp = c & 0x1F;
            extra = 1;
        } else if ((c & 0xF0) == 0xE0) {
            cp = c & 0x0F;
            extra = 2;
        } else {
            cp = c & 0x07;
            extra = 3;
        }
        ++i;
        for (int k = 0; k < extra && i < s.size(); ++k, ++i)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
        appendCodePoint(out, cp);
    }
    return out;
}

void appendCodePoint(String& out, char32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(cp));
    }
}

std::string toUtf8(StringView s) {
    std::string out;
    out.reserve(s.size() + s.size() / 2);
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t cp = s[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
            s[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = 0xFFFD; // half a surrogate pair is no character; UTF-8 cannot hold it
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

// Overlong forms, surrogates and values beyond U+10FFFF are no sequence.
size_t utf8Length(std::string_view s, size_t i, char32_t& cp) {
    auto at = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = at(i);
    size_t n = 0;
    char32_t least = 0;
    if (c < 0x80) {
        cp = c;
        return 1;
    }
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        cp = c & 0x1F;
        least = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        cp = c & 0x0F;
        least = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        cp = c & 0x07;
        least = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k) {
        if ((at(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (at(i + k) & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return 0;
    return n;
}

namespace {

constexpr char16_t kEscapedByte = 0xDC00;

} // namespace

String fromFileName(std::string_view bytes) {
    String out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        char32_t cp = 0;
        size_t n = utf8Length(bytes, i, cp);
        if (n == 0) {
            out.push_back(
                static_cast<char16_t>(kEscapedByte + static_cast<unsigned char>(bytes[i])));
            ++i;
        } else {
            appendCodePoint(out, cp);
            i += n;
        }
    }
    return out;
}

std::string toFileName(StringView name) {
    std::string out;
    out.reserve(name.size() + name.size() / 2);
    size_t from = 0;
    for (size_t i = 0; i < name.size(); ++i) {
        char16_t u = name[i];
        bool pairedLow = i > 0 && name[i - 1] >= 0xD800 && name[i - 1] < 0xDC00;
        if (u >= 0xDC80 && u <= 0xDCFF && !pairedLow) {
            out += toUtf8(name.substr(from, i - from));
            out.push_back(static_cast<char>(u - kEscapedByte));
            from = i + 1;
        }
    }
    out += toUtf8(name.substr(from));
    return out;
}

String displayForm(StringView s) {
    String out;
    out.reserve(s.size());
    appendDisplayForm(out, s);
    return out;
}

void appendDisplayForm(String& out, StringView s) {
    // Copied in runs between CRs, so a page with LF breaks or none is a plain copy.
    size_t i = 0;
    for (size_t cr = s.find(CR); cr != StringView::npos; cr = s.find(CR, i)) {
        out.append(s.substr(i, cr - i));
        out.push_back(LF);
        i = cr + 1;
        if (i < s.size() && s[i] == LF) ++i;
    }
    out.append(s.substr(i));
}

String number(int64_t n) {
    std::string s = std::to_string(n);
    return String(s.begin(), s.end());
}

namespace {
// Case pairs of the scripts a hand-written page is likely to hold; enough for Latin-1,
// Latin Extended-A, Greek and Cyrillic without depending on the process locale.
char16_t mapCase(char16_t c, bool toUpper) {
    if (c < 0x80) {
        if (toUpper) return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
        return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
    }
    auto range = [&](char16_t lo, char16_t hi, int delta) -> int {
        // lo..hi upper case; lower case is +delta.
        if (!toUpper && c >= lo && c <= hi) return c + delta;
        if (toUpper && c >= lo + delta && c <= hi + delta) return c - delta;
        return -1;
    };
    int r;
    if (c != 0xD7 && c != 0xF7 && (r = range(0xC0, 0xDE, 0x20)) >= 0)
        return static_cast<char16_t>(r);
    if (c == 0xFF && toUpper) return 0x178;
    if (c == 0x178 && !toUpper) return 0xFF;
    if (c == 0xB5 || c == 0xDF) return c;
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) {
        bool isUpper = (c % 2) == 0;
        if (toUpper && !isUpper) return static_cast<char16_t>(c - 1);
        if (!toUpper && isUpper) return static_cast<char16_t>(c + 1);
        return c;
    }
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
        bool isUpper = (c % 2) == 1;
        if (toUpper && !isUpper) return static_cast<char16_t>(c - 1);
        if (!toUpper && isUpper) return static_cast<char16_t>(c + 1);
        return c;
    }
    if (c != 0x3A2 && (r = range(0x391, 0x3AB, 0x20)) >= 0) return static_cast<char16_t>(r);
    if ((r = range(0x410, 0x42F, 0x20)) >= 0) return static_cast<char16_t>(r);
    if ((r = range(0x400, 0x40F, 0x50)) >= 0) return static_cast<char16_t>(r);
    return c;
}
} // namespace

char16_t lowerChar(char16_t c) {
    return mapCase(c, false);
}
char16_t upperChar(char16_t c) {
    return mapCase(c, true);
}

String lower(StringView s) {
    String out(s);
    for (auto& c : out)
        c = lowerChar(c);
    return out;
}

String upper(StringView s) {
    String out(s);
    for (auto& c : out)
        c = upperChar(c);
    return out;
}

} // namespace forms
