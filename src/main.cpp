// Tesmark: a double-sided slide rule simulator. The program takes no options.
#include "app/the_app.h"

int main(int argc, char** argv) {
    return tesmark::RunTesmark(argc, argv);
}
