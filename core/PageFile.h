// Page files on disk: decoding and encoding (Windows-1252 or UTF-8), the line rule of
// reading, and saving through a temporary file renamed over the target.
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
};

// --- characters ---------------------------------------------------------------------------

// UTF-8 with a byte-order mark, valid UTF-8 holding non-ASCII bytes, else Windows-1252.
Encoding detect(std::string_view bytes);
// Decodes bytes in the given encoding (a UTF-8 byte-order mark is dropped).
forms::String decode(std::string_view bytes, Encoding encoding);
// True when every character has a Windows-1252 byte.
bool fitsWindows1252(forms::StringView text);
// The encoding a page is written in: UTF-8 stays UTF-8; otherwise Windows-1252 when it
// fits, else UTF-8 with a byte-order mark so that browsers detect it.
Encoding choose(forms::StringView text, Encoding readAs);
std::string encode(forms::StringView text, Encoding encoding);

// --- lines ---------------------------------------------------------------------------------

// A line ends at CR or CR LF (a lone LF stays inside the line); every line read is
// followed by CR LF, so the text ends with one unless the file was empty.
forms::String readLines(forms::StringView decoded);

// --- files -----------------------------------------------------------------------------------

struct Loaded {
    forms::String text;
    Encoding encoding = Encoding::Windows1252;
};

// Reads a page file; nothing and the reason when it cannot be read. path is UTF-8.
std::optional<Loaded> load(const std::string& path, std::string& error);

// Replaces the file at path with bytes so that, on any failure, the old file stays as it
// was: writes a temporary file in the same folder, flushes it to disk and renames it over
// the target, keeping the target's permissions. A file without any write permission is
// refused. Returns false and the reason on failure.
bool writeAtomically(const std::string& path, std::string_view bytes, std::string& error);

} // namespace pagefile
