// Starts Tolva: the Qt application, its platform services, the program and its views.
#include "qt/App.h"

int main(int argc, char** argv) {
    return tolva::qt::runApplication(argc, argv);
}
