#pragma once
// Reading a base into a BaseDocument: the program's own base file (the "PFG_" key lines,
// then the simulator's sections) and the simulator's base configuration file, whose tile
// textures are imported into the tile cache. Also the one dispatcher that turns an object
// group into an object of its type.
#include "foundation/string_array.h"
#include "objects/object_types.h"

#include <cstdint>
#include <string>

namespace pf {

class AstrelObject;
class BaseDocument;
class LatLon;
class MyStream;
class NavBeaconArray;
class ObjectArray;
class TileArray;
struct NavBeacon;

// The own base file; the caller has already read past its "BASE-V2.0" header test. Each
// missing key fails with a message naming it; so does a section without its end line
// (a file cut off).
bool LoadPfgBaseFile(BaseDocument& document, MyStream& stream);
// Why LoadPfgBaseFile would fail on these lines, without a message and without reading
// a single object: the message it would show ("Couldn't find name" and "Couldn't find
// location" for the two it fails on silently); "" when the file reads whole.
std::string FindPfgBaseFileProblem(const StringArray& lines);
// The name, file name, configuration suffix, origin, original path, context and period of
// the own base file's lines (a missing one empty), without a message and without reading
// the body, the position or a single object.
void ReadPfgNamesAndPlace(BaseDocument& document, const StringArray& lines);
// A simulator base configuration file ("...\<body>\<folder>\<file>.cfg").
bool LoadSimulatorBaseCfg(BaseDocument& document, const std::string& path);

// Installs the parser of a type code (1..15) and returns the previous one; the other
// codes are refused (nullptr). RegisterObjectGroupParsers fills it from the type table.
ObjectGroupParser RegisterObjectGroupParser(int32_t typeCode, ObjectGroupParser parser);
// Registers the parser of every type in the type table; runs once.
void RegisterObjectGroupParsers();

// The dispatcher: line 0 compared as a whole line, case ignored, with the keywords of the
// type table; the match parses. No match (or a type without a parser):
// "Type of object unknown: %s" in an "Error" box, false.
bool ParseObjectGroup(AstrelObject& holder, const StringArray& group);
// The top height the object has once its block is written and read again: the file holds
// fewer decimals than memory, and a base must keep the order its file reads back in. The
// height as held when its type has no reader or its block does not read. This reads the
// written block back whole; AstrelObject::ReadBackTopHeight gives the same from the
// numbers alone wherever they all read.
double TopHeightAsRead(const AstrelObject& object);
// Appends every object of the BEGIN_OBJECTLIST section; a group that fails shows
// "Problem loading: %s" and is skipped.
void LoadObjectList(ObjectArray& objects, const StringArray& lines);

// The first "location " line with exactly two numbers: longitude, latitude.
bool ReadLocation(LatLon& position, const StringArray& lines);
// The BEGIN_NAVBEACON section; bad lines are dropped silently.
void ReadNavBeacons(NavBeaconArray& beacons, const StringArray& lines);
// type, identifier, longitude, latitude, frequency[, range]; fewer than 5 tokens, a
// non-number or a number beyond the float range gives false.
bool ParseNavBeaconLine(NavBeacon& beacon, const StringArray& tokens);
// The BEGIN_SURFTILELIST section: lines of 3 or 4 tokens, tiles in range, sorted, no
// duplicates.
void ReadSurfTileList(TileArray& tiles, const std::string& bodyName, const StringArray& lines);
// The same tiles, each imported from the simulator's texture files (tiles whose texture
// cannot be had are left out; large textures become their descendants).
void ReadSurfTileListWithTextures(TileArray& tiles, const std::string& bodyName,
                                  const StringArray& lines);
// "...\<body>\<folder>\<file>.<ext of 3>": the body name and the file's stem.
bool SplitBaseCfgPath(std::string& fileName, std::string& bodyName, const std::string& path);

// A decimal integer as atoi reads it (leading blanks, optional sign, leading digits, 0
// when there are none), saturated at the int32 limits.
int32_t ReadIntSaturated(const std::string& text);

} // namespace pf
