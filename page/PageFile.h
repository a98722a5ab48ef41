// Page files on disk: decoding and encoding, line breaks, and saving through a temporary
// file renamed over the target. Whatever is read is written back byte for byte.
#pragma once

#include "forms/Text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pagefile {

enum class Encoding : uint8_t {
    Windows1252, // one byte per character; every byte round-trips
    Utf8,
    Utf8Bom,
    Utf16LeBom,
    Utf16BeBom,
};

// The line break a file uses. The buffer always breaks lines with CR LF; a file that
// breaks every line with LF (or CR) gets its own break back when written.
enum class Breaks : uint8_t {
    CrLf,  // every break is CR LF, or there is none: the buffer is the file
    Lf,    // every break is a lone LF
    Cr,    // every break is a lone CR
    Mixed, // more than one kind: the buffer holds the characters as they are
};

// How a page's file was read, so that saving writes it back the same way.
struct Format {
    Encoding encoding = Encoding::Windows1252;
    Breaks breaks = Breaks::CrLf;
    bool operator==(const Format&) const = default;
};

// --- characters ---------------------------------------------------------------------------

// UTF-8 or UTF-16 with a byte-order mark, valid UTF-8 holding non-ASCII bytes, else
// Windows-1252.
Encoding detect(std::string_view bytes);
// Decodes bytes in the given encoding (a byte-order mark is dropped).
forms::String decode(std::string_view bytes, Encoding encoding);
// True when every character has a Windows-1252 byte.
bool fitsWindows1252(forms::StringView text);
// The encoding a page is written in: UTF-8 and UTF-16 stay as they are; otherwise
// Windows-1252 when it fits, else UTF-8 with a byte-order mark so that browsers detect it.
Encoding choose(forms::StringView text, Encoding readAs);
std::string encode(forms::StringView text, Encoding encoding);

// --- lines ---------------------------------------------------------------------------------

Breaks breaksOf(forms::StringView text);
// The file's text as the buffer holds it: LF or CR files get CR LF; others are unchanged.
forms::String toBuffer(forms::String text, Breaks breaks);
// The buffer's text as the file holds it: each CR LF becomes the file's break, except one
// that would join a lone CR or LF next to it into a new pair.
forms::String toFile(forms::StringView text, Breaks breaks);

// --- pages ---------------------------------------------------------------------------------

struct Loaded {
    forms::String text;
    Format format;
};

// The page held in a file's bytes, with the format to write it back in.
Loaded read(std::string_view bytes);
// The bytes of a page in format; write(read(b).text, read(b).format) == b.
std::string write(forms::StringView text, Format format);

// --- files ---------------------------------------------------------------------------------

// Reads a page file; nothing and the reason when it cannot be read, or is not a regular
// file. path is UTF-8.
std::optional<Loaded> load(const std::string& path, std::string& error);

// The start of the names of a page's temporary files, base being the page's file name
// without its folder. Short, so that a page whose name is as long as the system allows can
// still be saved, and marked with that name (hashed) so that a later save finds what a
// killed one left.
std::string tempStem(std::string_view base);

// Replaces the file at path with bytes so that, on any failure, the old file stays as it
// was: writes a temporary file in the same folder, flushes it to disk and renames it over
// the target, keeping the target's permissions. A file without any write permission is
// refused. Returns false and the reason on failure. Once saved, removes the temporary files
// of this page that saves killed before this process started left in the folder.
bool writeAtomically(const std::string& path, std::string_view bytes, std::string& error);

} // namespace pagefile
