// The front end's entry point.
#pragma once

#include <optional>

namespace forms {
class Browser;
}

namespace tolva::qt {
// --help and --version: prints the answer and gives the exit code; nothing otherwise.
std::optional<int> answerWithoutWindows(int argc, char** argv);
// The browser, if any, is the preview's; it outlives the application.
int runApplication(int argc, char** argv, forms::Browser* browser = nullptr);
} // namespace tolva::qt
