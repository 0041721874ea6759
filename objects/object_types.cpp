#include "objects/object_types.h"

#include "objects/beacon_array.h"
#include "objects/block.h"
#include "objects/hangars.h"
#include "objects/landing_pad.h"
#include "objects/mesh.h"
#include "objects/runway.h"
#include "objects/solar_plant.h"
#include "objects/tank.h"
#include "objects/train.h"

#include <memory>

namespace pf {

namespace {

template <class T> std::unique_ptr<AstrelObjectHandle> Make() { return std::make_unique<T>(); }

} // namespace

const std::vector<ObjectTypeRow>& ObjectTypeTable() {
    // clang-format off
    static const std::vector<ObjectTypeRow> table = {
        // code            keyword          maker                parser              order
        //   icon                       "Add Object": button id, caption, place
        {kTypeUndefined,     "UNDEFINED",     nullptr,             nullptr,            10,
             nullptr,                   0, nullptr, 0},
        {kTypeBlock,         "BLOCK",         Make<Block>,         ParseBlock,         5,
             "block.bmp",               1055, "Block", 4},
        {kTypeHangar,        "HANGAR",        Make<Hangar>,        ParseHangar,        6,
             "hangar.bmp",              1084, "Hangar", 2},
        {kTypeHangar2,       "HANGAR2",       Make<Hangar2>,       ParseHangar2,       6,
             "hangar2.bmp",             0, nullptr, 0},
        {kTypeHangar3,       "HANGAR3",       Make<Hangar3>,       ParseHangar3,       6,
             "hangar3.bmp",             0, nullptr, 0},
        {kTypeTank,          "TANK",          Make<Tank>,          ParseTank,          7,
             "tank.bmp",                1056, "Tank", 5},
        // A wide runway shows "Buttons\runway1.bmp" instead.
        {kTypeRunway,        "RUNWAY",        Make<Runway>,        ParseRunway,        1,
             "Buttons\\runway0.bmp",    1060, "Runway", 1},
        {kTypeRunwayLights,  "RUNWAYLIGHTS",  Make<RunwayLights>,  ParseRunwayLights,  0,
             nullptr,                   0, nullptr, 0},
        {kTypeBeaconArray,   "BEACONARRAY",   Make<BeaconArray>,   ParseBeaconArray,   3,
             nullptr,                   1061, "Beacon Array", 9},
        {kTypeSolarPlant,    "SOLARPLANT",    Make<SolarPlant>,    ParseSolarPlant,    9,
             "solarplant.bmp",          1058, "Solar Plant", 7},
        {kTypeTrain1,        "TRAIN1",        Make<Train1>,        ParseTrain1,        8,
             "train1.bmp",              1057, "Train", 6},
        {kTypeTrain2,        "TRAIN2",        Make<Train2>,        ParseTrain2,        8,
             "train1.bmp",              0, nullptr, 0},
        {kTypeLpad1,         "LPAD1",         Make<Lpad1>,         ParseLpad1,         4,
             "lpad1.bmp",               1015, "Landing Pad", 3},
        {kTypeLpad2,         "LPAD2",         Make<Lpad2>,         ParseLpad2,         4,
             "lpad2.bmp",               0, nullptr, 0},
        {kTypeLpad2A,        "LPAD2A",        Make<Lpad2A>,        ParseLpad2A,        4,
             "lpad2a.bmp",              0, nullptr, 0},
        // A mesh whose top view cannot be drawn shows its fixed picture.
        {kTypeMesh,          "MESH",          Make<Mesh>,          ParseMesh,          2,
             kMeshFixedIcon,            1059, "Mesh", 8},
        {kTypeComplex,       "COMPLEXOBJECT", nullptr,             nullptr,            10,
             nullptr,                   0, nullptr, 0},
    };
    // clang-format on
    return table;
}

const ObjectTypeRow* FindObjectType(int32_t code) {
    const std::vector<ObjectTypeRow>& table = ObjectTypeTable();
    if (code < 0 || code >= static_cast<int32_t>(table.size())) {
        return nullptr;
    }
    return &table[static_cast<size_t>(code)];
}

// Registration is explicit because a static library drops self-registering statics.
void RegisterObjectTypes() {
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    for (const ObjectTypeRow& row : ObjectTypeTable()) {
        if (row.create != nullptr) {
            AstrelObjectFactory::Register(row.code, row.create);
        }
    }
}

} // namespace pf
