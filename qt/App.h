// The front end's entry point.
#pragma once

namespace tolva::qt {
int runApplication(int argc, char** argv);
}
