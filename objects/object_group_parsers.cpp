#include "objects/base_file_reader.h"

#include "objects/astrel_object.h"
#include "objects/mesh.h"

namespace pf {

// Every object type the program reads. A type word without a parser here reads as an
// unknown type.
void RegisterObjectGroupParsers() {
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    RegisterObjectGroupParser(kTypeMesh, &ParseMesh);
}

} // namespace pf
