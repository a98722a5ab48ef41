// The page a new buffer starts with.
#pragma once

#include "forms/Text.h"

forms::String initialPage();
