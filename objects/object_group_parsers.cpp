#include "objects/base_file_reader.h"

#include "objects/astrel_object.h"
#include "objects/beacon_array.h"
#include "objects/block.h"
#include "objects/hangars.h"
#include "objects/mesh.h"
#include "objects/solar_plant.h"
#include "objects/tank.h"

namespace pf {

// Every object type the program reads. A type word without a parser here reads as an
// unknown type.
void RegisterObjectGroupParsers() {
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    RegisterObjectGroupParser(kTypeBlock, &ParseBlock);
    RegisterObjectGroupParser(kTypeHangar, &ParseHangar);
    RegisterObjectGroupParser(kTypeHangar2, &ParseHangar2);
    RegisterObjectGroupParser(kTypeHangar3, &ParseHangar3);
    RegisterObjectGroupParser(kTypeTank, &ParseTank);
    RegisterObjectGroupParser(kTypeSolarPlant, &ParseSolarPlant);
    RegisterObjectGroupParser(kTypeBeaconArray, &ParseBeaconArray);
    RegisterObjectGroupParser(kTypeMesh, &ParseMesh);
}

} // namespace pf
