// The program's version, as the splash and about windows show it.
#pragma once

#include "forms/Text.h"

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

inline forms::String versionText() {
    return u"Version " + forms::number(kVersionMajor) + u"." + forms::number(kVersionMinor) + u"." +
           forms::number(kVersionRevision);
}
