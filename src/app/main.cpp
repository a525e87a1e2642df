#include "gui/mainwindow/application.h"

int main(int argc, char* argv[]) {
    return RunProgram(argc, argv);
}
