#include "document/base_file_reader.h"

#include "objects/astrel_object.h"
#include "objects/beacon_array.h"
#include "objects/block.h"
#include "objects/hangars.h"
#include "objects/landing_pad.h"
#include "objects/mesh.h"
#include "objects/runway.h"
#include "objects/solar_plant.h"
#include "objects/tank.h"
#include "objects/train.h"

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
    RegisterObjectGroupParser(kTypeRunwayLights, &ParseRunwayLights);
    RegisterObjectGroupParser(kTypeRunway, &ParseRunway);
    RegisterObjectGroupParser(kTypeLpad1, &ParseLpad1);
    RegisterObjectGroupParser(kTypeLpad2A, &ParseLpad2A);
    RegisterObjectGroupParser(kTypeLpad2, &ParseLpad2);
    RegisterObjectGroupParser(kTypeTrain1, &ParseTrain1);
    RegisterObjectGroupParser(kTypeTrain2, &ParseTrain2);
    RegisterObjectGroupParser(kTypeHangar, &ParseHangar);
    RegisterObjectGroupParser(kTypeHangar2, &ParseHangar2);
    RegisterObjectGroupParser(kTypeHangar3, &ParseHangar3);
    RegisterObjectGroupParser(kTypeTank, &ParseTank);
    RegisterObjectGroupParser(kTypeSolarPlant, &ParseSolarPlant);
    RegisterObjectGroupParser(kTypeBeaconArray, &ParseBeaconArray);
    RegisterObjectGroupParser(kTypeMesh, &ParseMesh);
    RegisterObjectGroupParser(kTypeRunway, &ParseRunway);
    RegisterObjectGroupParser(kTypeRunwayLights, &ParseRunwayLights);
    RegisterObjectGroupParser(kTypeTrain1, &ParseTrain1);
    RegisterObjectGroupParser(kTypeTrain2, &ParseTrain2);
    RegisterObjectGroupParser(kTypeLpad1, &ParseLpad1);
    RegisterObjectGroupParser(kTypeLpad2, &ParseLpad2);
    RegisterObjectGroupParser(kTypeLpad2A, &ParseLpad2A);
}

} // namespace pf
