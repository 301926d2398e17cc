// Program entry; arguments are ignored.

#include "app/program.h"

int main(int argc, char *argv[]) {
    return ChromohmMain(argc, argv);
}
