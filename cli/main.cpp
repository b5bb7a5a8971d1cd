// tesmark-cli: the rule model from the command line.
#include "cli_main.h"

int main(int argc, char** argv) {
    return tesmark::cli::Main(argc, argv);
}
