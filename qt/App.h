// The front end's entry point.
#pragma once

namespace forms {
class Browser;
}

namespace tolva::qt {
// The browser, if any, is the preview's; it outlives the application.
int runApplication(int argc, char** argv, forms::Browser* browser = nullptr);
} // namespace tolva::qt
