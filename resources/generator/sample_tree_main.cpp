// Writes the generated files of the sample simulator tree into the folder given on the
// command line (examples/sample-astrel/ in the repository, whose files are committed).
#include "resources/generator/sample_tree.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <simulator folder>\n", argv[0]);
        return 2;
    }
    return pf::sample::WriteSampleTree(argv[1]) ? 0 : 1;
}
