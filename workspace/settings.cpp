#include "workspace/settings.h"

#include "foundation/failure.h"
#include "foundation/text.h"
#include "foundation/ui_hooks.h"
#include "platform/fs.h"
#include "platform/settings_store.h"
#include "workspace/file_utils.h"

#include <climits>

namespace pf {

namespace {

const char kMaximizeObjectEdit[] = "Maximize Object Edit";
const char kGridSize[] = "Grid Size";
const char kSnapTo[] = "Snap To";
const char kRotateBy[] = "Rotate By";
const char kShowObjectParameters[] = "Show Object Parameters";
const char kMapSource[] = "Map Source";
const char kDetectSmallBodies[] = "Detect Small Bodies";
const char kImageEditorPath[] = "Image Editor Path";
const char kImageEditorExe[] = "Image Editor Exe";

bool IsTrueText(const std::string& text) { return CStringEqualsNoCase(text, "true"); }

const char* BoolText(bool value) { return value ? "True" : "False"; }

// Leading blanks, an optional sign and the leading digits; 0 without digits. Clamped to
// [0, INT_MAX] so that a huge number cannot overflow.
int ParseSettingInt(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return 0;
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

int ReadIntSetting(const char* name, int fallback) {
    std::string text;
    if (!ReadRegistryString(name, text))
        return fallback;
    return ParseSettingInt(text);
}

bool ReadBoolSetting(const char* name, bool fallback) {
    std::string text;
    if (!ReadRegistryString(name, text))
        return fallback;
    return IsTrueText(text);
}

} // namespace

void WriteRegistryValue(const std::string& name, const std::string& text) {
    // A failed write is silent: the old value stays.
    settings_store::Write(name, text);
}

bool WriteRegistryString(const std::string& text, const std::string& name) {
    WriteRegistryValue(name, text);
    return true;
}

std::string ReadRegistryValue(const std::string& name) {
    std::string text;
    if (!settings_store::Read(name, text)) {
        return std::string();
    }
    size_t nul = text.find('\0');
    if (nul != std::string::npos)
        text.resize(nul);
    return text;
}

bool ReadRegistryString(const std::string& name, std::string& out) {
    out = ReadRegistryValue(name);
    return !out.empty();
}

std::string ReadRegistryPath(const std::string& name) {
    // A hand-edited settings file may hold native separators.
    std::string path = fs::ToInternal(ReadRegistryValue(name));
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    return path;
}

bool ReadPathSetting(const std::string& name, std::string& out) {
    out = ReadRegistryPath(name);
    return !out.empty();
}

bool ReadDirectorySetting(const std::string& name, std::string& out) {
    out.clear();
    std::string folder = ReadRegistryPath(name);
    if (folder.empty()) {
        return false;
    }
    if (!fs::Exists(folder) && !fs::CreateDirectory(folder)) {
        return ShowFailureMessage("Path not valid.\r\n");
    }
    out = folder;
    return true;
}

bool WritePathSetting(const std::string& text, const std::string& name) {
    WriteRegistryValue(name, text);
    return ReadRegistryPath(name) == text;
}

bool GetMaximizeObjectEdit() { return ReadBoolSetting(kMaximizeObjectEdit, false); }
void SetMaximizeObjectEdit(bool maximize) {
    WriteRegistryString(BoolText(maximize), kMaximizeObjectEdit);
}

int GetGridSize() { return ReadIntSetting(kGridSize, 100); }
void SetGridSize(int size) { WriteRegistryString(std::to_string(size), kGridSize); }

int GetSnapTo() { return ReadIntSetting(kSnapTo, 1); }
void SetSnapTo(int step) { WriteRegistryString(std::to_string(step), kSnapTo); }

int GetRotateBy() { return ReadIntSetting(kRotateBy, 15); }
void SetRotateBy(int degrees) { WriteRegistryString(std::to_string(degrees), kRotateBy); }

bool GetShowObjectParameters() { return ReadBoolSetting(kShowObjectParameters, true); }
void SetShowObjectParameters(bool show) {
    WriteRegistryString(BoolText(show), kShowObjectParameters);
}

bool UseStaticMapService() {
    std::string text;
    if (!ReadRegistryString(kMapSource, text)) {
        WriteRegistryString("google", kMapSource);
        return true;
    }
    return CStringEqualsNoCase(text, "google");
}

void SetMapSource(bool use_static_map_service) {
    WriteRegistryString(use_static_map_service ? "google" : "nasaworldwind", kMapSource);
}

bool GetDetectSmallBodies() {
    std::string text;
    if (!ReadRegistryString(kDetectSmallBodies, text)) {
        WriteRegistryString("False", kDetectSmallBodies);
        return false;
    }
    return IsTrueText(text);
}

void SetDetectSmallBodies(bool detect) {
    WriteRegistryString(BoolText(detect), kDetectSmallBodies);
}

bool GetImageEditor(std::string& folder, std::string& exe) {
    folder.clear();
    ReadPathSetting(kImageEditorPath, folder);
    ReadPathSetting(kImageEditorExe, exe);
    return !folder.empty() && !exe.empty();
}

bool SetImageEditor(const std::string& folder, const std::string& exe) {
    WritePathSetting(folder, kImageEditorPath);
    WritePathSetting(exe, kImageEditorExe);
    return true;
}

bool SelectImageEditor() {
    std::optional<std::string> chosen = ChooseFile("", "All files (*)|*", "\\usr\\bin\\");
    if (!chosen) {
        return false;
    }
    std::string folder = *chosen;
    size_t last = folder.rfind('\\');
    std::string exe = last == std::string::npos ? folder : folder.substr(last + 1);
    if (!GetFolderPart(folder)) {
        return ShowFailureMessage("Error parsing file string\r\n");
    }
    return SetImageEditor(folder, exe);
}

} // namespace pf
