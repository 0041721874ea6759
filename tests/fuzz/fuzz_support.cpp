#include "fuzz_support.h"

#include "document/base_document.h"
#include "document/base_file_reader.h"
#include "foundation/lat_lon.h"
#include "foundation/stream.h"
#include "foundation/ui_hooks.h"
#include "objects/astrel_object.h"
#include "objects/runway.h"
#include "platform/fs.h"
#include "platform/socket.h"
#include "support/fake_astrel_tree.h"
#include "workspace/astrel_body.h"
#include "workspace/config_reader.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace pf::fuzz {

namespace {

// Nobody at the screen: every box is closed at once, every chooser cancelled.
class SilentUi : public UiHooks {
  public:
    bool ShowFailure(const std::string&) override { return false; }
    MessageAnswer MessageBox(const std::string&, const std::string&, MessageButtons buttons,
                             MessageIcon) override {
        return ClosedBoxAnswer(buttons);
    }
};

void SetEnv(const char* name, const std::string& value) { setenv(name, value.c_str(), 1); }

std::string Blocks(const ObjectArray& objects) {
    std::string text;
    for (const AstrelObject& object : objects) {
        text += object.GetTypeName() + "\r\n" + object.GetParameterText() + "END\r\n";
    }
    return text;
}

// The object steps of reading a base: lights go to their runways, then the list is put
// in the order a base keeps.
ObjectArray Reread(const std::string& blocks) {
    StringArray lines;
    SplitTextIntoLines(lines, "BEGIN_OBJECTLIST\r\n" + blocks + "END_OBJECTLIST\r\n");
    BaseDocument document;
    ObjectArray& objects = document.GetObjects();
    LoadObjectList(objects, lines);
    AttachRunwayLights(objects);
    document.SortObjects();
    return objects;
}

} // namespace

Sandbox& Sandbox::Get() {
    static Sandbox sandbox;
    return sandbox;
}

Sandbox::Sandbox() {
    static SilentUi ui;
    SetUiHooks(&ui);
    SetEnv("HOME", dir_.Native());
    SetEnv("XDG_CONFIG_HOME", dir_.NativePath(".config"));
    SetEnv("XDG_DATA_HOME", dir_.NativePath(".local/share"));
    // No name is ever looked up, so nothing but 127.0.0.1 can be reached.
    unsetenv("PADFORGE_STATICMAP_HOST");
    unsetenv("PADFORGE_WMS_HOST");
    socket::SetLookupFunction([](const std::string&, uint32_t&) { return false; });
    root_ = test::WriteFakeAstrelTree(dir_);
    Check(SetAstrelPath(root_), "the fake simulator tree cannot be made current");
    RegisterObjectTypes();
    RegisterObjectGroupParsers();
}

void Sandbox::Write(const std::string& relative, const uint8_t* data, size_t size) const {
    dir_.WriteFile(relative, Text(data, size));
}

void Sandbox::WriteAt(const std::string& path, const uint8_t* data, size_t size) {
    test::WriteNativeFile(fs::ToNative(path), Text(data, size));
}

void Sandbox::EmptyFolder(const std::string& folder) {
    std::vector<std::string> names;
    fs::ListNames(folder, names);
    for (const std::string& name : names) {
        fs::RemoveFile(folder + name);
    }
}

void Fill(MemStream& stream, const uint8_t* data, size_t size) {
    stream.Write(data, static_cast<uint32_t>(size));
    stream.SeekToBegin();
}

std::string Bytes(MemStream& stream) {
    std::string bytes(static_cast<size_t>(stream.GetLength()), '\0');
    stream.SeekToBegin();
    stream.Read(bytes.data(), static_cast<uint32_t>(bytes.size()));
    stream.SeekToBegin();
    return bytes;
}

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz property failed: %s\n", what);
        std::abort();
    }
}

void CheckSameText(const std::string& first, const std::string& second, const char* what) {
    if (first != second) {
        std::fprintf(stderr, "first:\n%s\nsecond:\n%s\n", first.c_str(), second.c_str());
    }
    Check(first == second, what);
}

void CheckHeightAsRead(const AstrelObject& object) {
    double height = 0.0;
    if (object.ReadBackTopHeight(height)) {
        const double read = TopHeightAsRead(object);
        if (height != read) {
            std::fprintf(stderr, "%s\n%s: %.17g worked out, %.17g read back\n",
                         object.GetTypeName().c_str(), object.GetParameterText().c_str(), height,
                         read);
        }
        Check(height == read, "an object's height as read differs from its block read back");
    }
}

void CheckObjectsSettle(const ObjectArray& objects) {
    for (const AstrelObject& object : objects) {
        CheckHeightAsRead(object);
    }
    const std::string first = Blocks(objects);
    const ObjectArray second = Reread(first);
    Check(second.GetCount() == objects.GetCount(), "an object written and read again was lost");
    CheckSameText(first, Blocks(second),
                  "objects written and read again do not give the same text");
}

void CheckBaseSettles(const BaseDocument& document) {
    // A position outside the globe is moved by one turn on every read (and reported): it
    // keeps its meaning, not its text.
    const LatLon& position = document.GetPosition();
    if (std::fabs(position.GetLongitude()) > 180.0 || std::fabs(position.GetLatitude()) > 90.0) {
        return;
    }
    MemStream first;
    if (!document.WriteBaseFile(first)) {
        return;
    }
    const std::string firstBytes = Bytes(first);
    BaseDocument second;
    Check(second.ReadBaseFile(first), "a written base file does not read");
    MemStream secondText;
    Check(second.WriteBaseFile(secondText), "a base read back cannot be written");
    CheckSameText(firstBytes, Bytes(secondText),
                  "a base written and read again is not the same file");
}

} // namespace pf::fuzz
