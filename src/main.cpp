// Tesmark: a double-sided slide rule simulator. It answers --help and
// --version on the terminal and otherwise takes no options.
#include "app/the_app.h"

int main(int argc, char** argv) {
    return tesmark::RunTesmark(argc, argv);
}
