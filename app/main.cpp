#include "app/application.h"

int main(int argc, char** argv) {
    return RunTessivar(argc, argv);
}
