#pragma once
// The installed-bases record: for every simulator folder (installation root), every base
// the program installed there and the full path of each file it placed into the
// simulator's tree. Kept in "FileManagerV2.dat" in the application-data folder: int32
// little-endian counts and length-prefixed strings, always written in the current form;
// three older base-entry forms are read and converted. Each installation also finds its
// folders from its root (the tree's rules are in simulator_tree.h).
#include "foundation/string_array.h"

#include <list>
#include <string>
#include <vector>

namespace pf {

class MyStream;

inline constexpr const char* kBaseFileListVersion = "1.1.15";
inline constexpr const char* kFileManagerFileName = "FileManagerV2.dat";

// A base entry of an older form, only while it is read.
class LegacyBaseFileList {
  public:
    bool Read(MyStream& stream);

    std::string name;
    StringArray files;
    std::string version = "1.1.3";
};

// One installed base: its key (configuration path relative to the simulator's
// configuration folder, e.g. "Earth\Base\Pad.cfg") and every file installed for it.
class BaseFileList {
  public:
    BaseFileList() = default;
    // Reads one entry; the result lands in readOk.
    BaseFileList(const std::string& root, MyStream& stream);
    // Copies carry name and files; the copy's version is always the current one and its
    // readOk is not taken over.
    BaseFileList(const BaseFileList& other);
    BaseFileList& operator=(const BaseFileList& other);

    bool Read(const std::string& root, MyStream& stream);
    bool ConvertFromLegacy(const std::string& root, const LegacyBaseFileList& legacy);
    bool Write(MyStream& stream) const;

    std::string name;
    StringArray files;
    std::string version = kBaseFileListVersion;
    bool readOk = false;
};

struct BodyBaseDirectory;

// One simulator installation: its root folder and the bases installed there. Its folders
// are derived from the root and the simulator's "Astrel.cfg" on every call.
class Astrel2010 {
  public:
    bool Read(MyStream& stream);
    bool Write(MyStream& stream) const;

    std::string GetRootDirectory() const { return root; }
    // Clears out's files; copies the first base whose key equals name (case ignored).
    bool GetBaseFiles(BaseFileList& out, const std::string& name) const;
    void AddBase(const BaseFileList& base);
    // Appends path to the first base with that key, or records a new base; always true.
    bool AddFile(const std::string& path, const std::string& name);
    // Deletes, in installation order, each file of the first base with that key that no
    // other entry of this installation records, then drops the base's record. Only
    // absolute paths inside the root or one of the simulator's folders are deleted, and
    // only through the guarded delete; others are skipped. A file that installing
    // replaced is put back instead (kept_files.h), and the folders installing made that
    // held the base's files go when empty. False when no such base.
    bool UninstallBase(std::string name);
    // Drops the first base with that key from the record; no file is deleted.
    bool ForgetBase(std::string name);

    // root + "Astrel.cfg".
    std::string GetMainConfigPath() const;
    // The simulator's folders, resolved against the root; "Unable to find path\r\n" when
    // a value cannot be resolved. Existence is not tested.
    bool GetConfigDir(std::string& out) const;
    bool GetMeshesDir(std::string& out) const;
    bool GetTexturesDir(std::string& out) const;
    bool GetTextures2Dir(std::string& out) const;
    bool GetScenariosDir(std::string& out) const;
    // The base directories that the body's configuration file lists, appended to out.
    bool GetBaseDirectories(std::vector<BodyBaseDirectory>& out, const std::string& body) const;
    // True when one of the body's base directories holds a "*.cfg" file.
    bool ListBaseFiles(const std::string& body) const;
    // The bodies worth offering, in the planet list's order; "Earth" when none.
    bool GetBodyList(StringArray& out) const;

    std::vector<BaseFileList> bases;
    std::string root;
};

class FileManager {
  public:
    // The process-wide record, empty until loaded.
    static FileManager& Instance();

    // Replaces the record by the content of the application-data folder's file; a
    // missing or unreadable file leaves it empty. Shows no message of its own.
    void Load();
    // Writes the whole record safely; false, with the old file whole, on any failure.
    // After a load that could not read everything, the old file is first kept as
    // "FileManagerV2.dat.bak".
    bool Save();

    bool Read(MyStream& stream);
    bool Write(MyStream& stream) const;

    // The installation with that root (case ignored); null when the record has none.
    Astrel2010* FindInstallation(const std::string& root);
    // The installation with that root (case ignored), appended when there is none.
    bool FindOrCreateInstallation(const std::string& root, Astrel2010*& out);
    // The installation of the simulator folder (the person may be asked for it): the
    // recorded one, else one standing for the folder outside the record, valid until the
    // next call. Only an installed file records a folder, so that asking for the folders
    // before an install that is refused leaves the record as it was.
    bool GetCurrentInstallation(Astrel2010*& out);
    // False for a root the record does not hold, which is not added.
    bool IsBaseInstalledAt(const std::string& root, const std::string& name);
    // Never asks: false when no simulator folder is known.
    bool IsBaseInstalled(const std::string& name);
    bool GetInstallations(std::vector<Astrel2010>& out) const;
    void AddInstallation(const Astrel2010& installation);

    // Copies source + relative to destination + relative (making its folders), records
    // destination + relative under the base key in root's installation and saves the
    // record. A relative file that is empty, a folder, absolute or climbing out is
    // refused like a failed copy: "Error copying file: %s", nothing recorded. So is a file
    // whose whole path an uninstall would not delete, with a second line saying what in
    // the destination's path is wrong. An existing file that no base of root's
    // installation records is kept aside first (refused like a failed copy when it cannot
    // be); the folders the copy makes are noted.
    bool InstallFile(std::string root, std::string destination, std::string source,
                     std::string relative, std::string name);
    // The simulator folder's base is uninstalled or forgotten; false without a known
    // simulator folder (never asks).
    bool UninstallBaseFromAstrel(std::string name);
    bool ForgetBaseInAstrel(std::string name);
    // The base of root's existing installation; false, nothing saved, when root has no
    // installation. Otherwise the record is saved, whether the base was found or not.
    bool UninstallBase(std::string root, std::string name);
    bool ForgetBase(std::string root, std::string name);

    // Installations keep their addresses while others are added.
    std::list<Astrel2010>& Installations() { return installations_; }
    const std::list<Astrel2010>& Installations() const { return installations_; }
    void Clear();

    // The same operations of the current installation (silently false when no simulator
    // folder is known).
    static bool GetConfigDir(std::string& out);
    static bool GetMeshesDir(std::string& out);
    static bool GetTexturesDir(std::string& out);
    static bool GetTextures2Dir(std::string& out);
    static bool GetScenariosDir(std::string& out);
    static bool GetBaseDirectories(std::vector<BodyBaseDirectory>& out, const std::string& body);
    static bool ListBaseFiles(const std::string& body);
    static bool GetBodyList(StringArray& out);

  private:
    std::list<Astrel2010> installations_;
    // The simulator folder's installation while the record holds none.
    Astrel2010 unrecorded_;
    // The file on disk holds entries that the record does not (a damaged entry, or a file
    // that could not be read): keep a copy before the first save overwrites it.
    bool keepOldFile_ = false;
};

// Copies source root + relative to destination root + relative, making its folders.
bool CopyFileIntoTree(std::string destination, std::string source, std::string relative);

// Loads the process-wide record when made and saves it when it ends.
class FileManagerSession {
  public:
    FileManagerSession();
    ~FileManagerSession();
    FileManagerSession(const FileManagerSession&) = delete;
    FileManagerSession& operator=(const FileManagerSession&) = delete;
};

} // namespace pf
