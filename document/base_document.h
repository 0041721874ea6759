#pragma once
// One surface base in memory: its names, its place in the simulator's configuration
// tree, the body it stands on, its position, objects, surface tiles, navigation beacons
// and whether its tiles must be rendered and the base loaded into the simulator again.
#include "document/nav_beacon.h"
#include "foundation/lat_lon.h"
#include "foundation/string_array.h"
#include "objects/astrel_object.h"
#include "tiles/tile_attributes.h"
#include "workspace/astrel_body.h"

#include <string>

namespace pf {

class DDSRendererUse;
class MyStream;

// A name that may become a base's work folder and file name and that reads back from the
// base files unchanged: a safe path component without '=' or ';', without a leading or
// trailing blank and without two blanks in a row (the text reader would change those).
bool IsValidBaseName(const std::string& name);

class BaseDocument {
  public:
    // Strings and lists empty, position (0, 0), every flag false.
    BaseDocument();
    // A new base: the body as the simulator describes it (Earth's measures when its file
    // cannot be read), origin "User Created", suffix body + "\Base\", both needs flags set.
    BaseDocument(const std::string& name, const std::string& bodyName, const LatLon& position);
    // Loads the own base file of that name in the documents folder; IsLoaded tells
    // whether it was read. Until then the body is a placeholder "XYZ" of radius 0. A file
    // that stands there but does not read whole is not read at all: one failure message
    // names it and what is missing, and the document can never be saved.
    explicit BaseDocument(const std::string& fileName);
    BaseDocument(const BaseDocument& other);
    // Deep copy; an empty file name becomes the name.
    BaseDocument& operator=(const BaseDocument& other);

    bool IsLoaded() const { return loaded_; }
    void SetLoaded(bool loaded) { loaded_ = loaded; }
    // The own file (in the documents folder) this document stands for: the one it was
    // read from or last saved to; empty for a new or imported base. A save replaces no
    // other file.
    const std::string& GetSourceFile() const { return sourceFile_; }
    // For a base that the person agreed may replace the file of that name.
    void SetSourceFile(const std::string& fileName) { sourceFile_ = fileName; }
    // True when the document has a source file and its save name is that file or free:
    // a copy of a base under another file name, or a second name (a link) of its file,
    // does not own the base's work folder and installation record.
    bool OwnsSaveName() const;
    // When another file than the source file stands at the save name: "File: <it>" and,
    // for a document read from a file, "This base was read from: <source>"; else empty.
    // Files are told apart by their names in the documents folder, not by what they lead
    // to: a link to the base's file is another file.
    std::string SaveNameConflict() const;
    const std::string& GetConfigSuffix() const { return configSuffix_; }
    void SetConfigSuffix(const std::string& suffix) { configSuffix_ = suffix; }
    const std::string& GetContext() const { return context_; }
    void SetContext(const std::string& context) { context_ = context; }
    const std::string& GetPeriodBegin() const { return periodBegin_; }
    void SetPeriodBegin(const std::string& begin) { periodBegin_ = begin; }
    const std::string& GetPeriodEnd() const { return periodEnd_; }
    void SetPeriodEnd(const std::string& end) { periodEnd_ = end; }
    const std::string& GetOrigin() const { return origin_; }
    void SetOrigin(const std::string& origin) { origin_ = origin; }
    const std::string& GetOriginalPath() const { return originalPath_; }
    void SetOriginalPath(const std::string& path) { originalPath_ = path; }

    const AstrelBody& GetBody() const { return body_; }
    AstrelBody& GetBody() { return body_; }
    void SetBody(const AstrelBody& body) { body_.Assign(body); }

    const LatLon& GetPosition() const { return position_; }
    LatLon& GetPosition() { return position_; }
    void SetPosition(const LatLon& position) { position_ = position; }

    // The readers empty and fill the object and beacon lists in place.
    const ObjectArray& GetObjects() const { return objects_; }
    ObjectArray& GetObjects() { return objects_; }
    void SetObjects(const ObjectArray& objects) { objects_.Copy(objects); }

    // Tiles change only through AddTileSorted.
    const TileArray& GetTileArray() const { return tiles_; }

    const NavBeaconArray& GetBeacons() const { return beacons_; }
    NavBeaconArray& GetBeacons() { return beacons_; }
    void SetBeacons(const NavBeaconArray& beacons) { beacons_ = beacons; }

    bool GetNeedsRendering() const { return needsRendering_; }
    void SetNeedsRendering(bool needs) { needsRendering_ = needs; }
    bool GetNeedsLoading() const { return needsLoading_; }
    void SetNeedsLoading(bool needs) { needsLoading_ = needs; }

    const std::string& GetName() const { return name_; }
    // Stores the name as given; true.
    bool SetName(const std::string& name);
    const std::string& GetFileName() const { return fileName_; }
    // Stores the file name as given; true.
    bool SetFileName(const std::string& fileName);
    // File name = text with every blank turned into '_'; true.
    bool SetFileNameFromName(const std::string& text);
    // (file name, else name) + ".cfg".
    std::string GetConfigFileName() const;
    // suffix + GetConfigFileName: the base's key in the installed-bases record and its
    // path below the simulator's configuration folder and the work folder's "Config\".
    std::string GetConfigRelativePath() const;
    // name + ".txt" when the suffix is body + "\Base\" (case ignored), else suffix + name
    // + ".txt" with every '\' and '/' turned into '_'.
    static std::string BuildSaveFileName(std::string name, std::string bodyName,
                                         std::string suffix);
    std::string GetSaveFileName() const;

    // Sets needs rendering and inserts the tile in ascending (level, x, y) order; a tile
    // equal to one present goes directly in front of it. True.
    bool AddTileSorted(const TileAttributes& tile);
    int GetTileCount() const { return static_cast<int>(tiles_.GetCount()); }
    // Empties the target and appends every tile in order; true.
    bool GetTiles(TileArray& target) const;
    // Nothing changes when needs rendering is clear and the names are pairwise equal;
    // otherwise sets needs rendering and rebuilds the list through AddTileSorted. True.
    bool SetTiles(TileArray tiles);
    // False, out untouched, outside 0..count-1.
    bool GetTileAt(int index, TileAttributes& out) const;
    // A tile at the same level and indices, whatever its body.
    bool HasTile(TileAttributes tile) const;
    // Removes the first tile of the same place and body (case ignored) and sets needs
    // rendering; false when none matches.
    bool RemoveTile(const TileAttributes& tile);
    // Metres east (x) and north (y) of the base as degrees; an offset whose metres per
    // degree are zero or not finite (a pole, a body of radius 0) is 0.
    LatLon GetDegreeOffset(Point3 point) const;

    // Puts the objects in the fixed type order (runway lights, runways, meshes, beacon
    // arrays, pads, blocks, hangars, tanks, trains, solar plants, the rest), each group
    // keeping its order.
    void GroupObjectsByType();
    // GroupObjectsByType, then by ascending top height; equal heights keep the group order.
    void SortObjects();

    // "Name: ...", "Celestial Body: ..." and "Position: ..." lines (degree sign 0xB0).
    std::string GetDescription() const;
    // The description, where the base's file goes and whether it is in the simulator.
    std::string GetStatisticsText() const;

    // The own base file's text (the simulator's text plus the "PFG_" keys). False at the
    // first failed write.
    bool WriteBaseFile(MyStream& stream) const;
    // Writes the own base file into the documents folder through a temporary file; a
    // failure shows its box and leaves the old file whole. Refused, with a box naming
    // both files, when another file stands at the save name than the source file, and
    // for a document whose file did not read whole. A save makes its file the source.
    bool SaveToDocuments() const;
    // The "BASE-V2.0" header test, then the own base file's reader.
    bool ReadBaseFile(MyStream& stream);
    // True when something stands at the documents folder's file name; an own base file
    // there is loaded on the way, so its problems are shown.
    static bool BaseFileExists(std::string fileName);
    // Why the own base file of that name does not read whole, found without a message
    // and without reading its objects: "" when it does. A file whose Name line is empty
    // names no base and does not read whole either. hasHeader tells whether the file
    // begins with the "BASE-V2.0" header line.
    static std::string FindFileProblem(const std::string& fileName, bool& hasHeader);
    // "Couldn't read base file <native path>" and the problem on a second line.
    static std::string UnreadableFileMessage(const std::string& fileName,
                                             const std::string& problem);
    // Whether every file and folder name that a base of this name makes (its own file,
    // work folder, configuration and scenario files, each with the safe writer's
    // temporary suffix) stays within the file system's limit for one name.
    static bool NamesFitFileSystem(const std::string& name, const std::string& bodyName,
                                   const std::string& suffix, const std::string& context);
    // "PFG_BODY_NAME" and the name of an own base file, without loading the base and
    // without a message whatever the file holds: false for a file that names no body or
    // no base, cannot be opened or is too big to read.
    static bool LoadBodyName(std::string& bodyName, std::string& name, const std::string& fileName);
    // The names, place and origin of an own base file that reads whole (see
    // ReadPfgNamesAndPlace), without a message; false, out untouched, for a file that
    // does not read whole.
    static bool LoadNamesAndPlace(BaseDocument& out, const std::string& fileName);
    // The base's work folder is named after the base alone, whatever its body and
    // directory: when a file of the documents folder other than exceptFile names a base
    // of this name (letter case ignored, as in the simulator's tree), "File: <it>";
    // else "". Every file that names it counts, whole or not; files are told apart by
    // their names, so a link to exceptFile counts too. Reads without a message.
    static std::string NameTakenBy(const std::string& name, const std::string& exceptFile);
    // Whether a file of the documents folder other than fileName (told apart by name, as
    // in NameTakenBy) reads whole as a base of this name and, unless key is "", of that
    // GetConfigRelativePath (case ignored). A symbolic link to fileName does not count: it
    // names nothing once fileName goes. Reads without a message.
    static bool AnotherWholeFileNames(const std::string& fileName, const std::string& name,
                                      const std::string& key);
    // Whether the documents folder's entry fileName is a symbolic link (leading anywhere).
    static bool IsLinkEntry(const std::string& fileName);
    // Deletes the base's own file, and its work folder when the base reads whole with a
    // valid name, owns its save name and no other file of the documents folder reads whole
    // as a base of that name. A link is deleted itself and alone, whatever it leads to.
    static bool DeleteBase(const std::string& fileName);

    // The simulator's base configuration text: the own file without its "PFG_" keys.
    bool WriteSimulatorConfig(MyStream& stream) const;
    // The simulator text into the work folder's "Config\" + GetConfigRelativePath.
    bool WriteWorkConfig() const;
    // The simulator text into GetTempConfigPath, to be compared with the installed copy.
    bool WriteTempConfig() const;
    // The application-data folder + "tempConfig.cfg"; "" without that folder.
    static std::string GetTempConfigPath();
    // The simulator's configuration folder + GetConfigRelativePath; "" when there is no
    // simulator folder or the relative path would leave it.
    std::string GetInstalledConfigPath() const;

    // documents folder + name + "\" and its subfolders, each made when missing.
    bool GetWorkFolder(std::string& out) const;
    bool WorkSubdirectoryConfig(std::string& out) const;
    bool WorkSubdirectoryTextures2(std::string& out) const;
    bool WorkSubdirectoryScenarios(std::string& out) const;

    // Writes every tile's DDS texture into the folder, reporting to the current progress
    // dialog. Sets needs loading; a cancel returns false at once with needs rendering
    // still set; a finished run clears needs rendering, saves the base and returns true.
    bool RenderTiles(DDSRendererUse& use, std::string folder);

    // The scenarios' date: the middle of the base's period, or a fixed date.
    std::string GetScenarioMJD() const;
    // Appends (title, text) for the first runway, the first landing pad, and, when there
    // is neither, parked at the base. True.
    bool BuildScenarios(LabeledStringArray& out) const;
    // Replaces the "*.scn" files of the work folder's "Scenarios\Padforge\" by the
    // base's scenarios. A file that cannot be written gives false without a message.
    bool WriteScenarioFiles() const;

  private:
    bool WriteText(MyStream& stream, bool withPfgKeys) const;
    bool WorkSubdirectory(std::string& out, const char* subfolder) const;
    // Makes the folder (one level) when nothing stands there; "Couldn't make path: %s".
    static bool MakeFolderIfMissing(const std::string& folder);

    bool loaded_ = false;
    // The file stood in the documents folder but did not read whole.
    bool unreadable_ = false;
    // Saving makes the file saved to the source: kept by the const save.
    mutable std::string sourceFile_;
    std::string configSuffix_;
    std::string context_;
    std::string periodBegin_;
    std::string periodEnd_;
    std::string origin_;
    std::string originalPath_;
    AstrelBody body_;
    LatLon position_;
    ObjectArray objects_;
    TileArray tiles_;
    NavBeaconArray beacons_;
    bool needsRendering_ = false;
    bool needsLoading_ = false;
    std::string name_;
    std::string fileName_;
};

} // namespace pf
