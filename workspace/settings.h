#pragma once
// The user's settings: text values kept in the settings file, read afresh on every use
// and written at once. Booleans are "True"/"False" and read as true only for "true" in
// any ASCII case; integers are decimal; folder settings end in '\'.
#include <string>

namespace pf {

// The store.
void WriteRegistryValue(const std::string& name, const std::string& text);
// The same write with the arguments in the other order; always true.
bool WriteRegistryString(const std::string& text, const std::string& name);
// The value's text (cut at its first NUL), empty when absent or unreadable.
std::string ReadRegistryValue(const std::string& name);
// out = the value; true when not empty.
bool ReadRegistryString(const std::string& name, std::string& out);
// The value with '/' turned into '\' and a trailing '\' added when not empty.
std::string ReadRegistryPath(const std::string& name);
// out = ReadRegistryPath(name); false (out empty) when empty.
bool ReadPathSetting(const std::string& name, std::string& out);
// As ReadPathSetting, and a missing folder is created (one level); "Path not valid."
// when that fails.
bool ReadDirectorySetting(const std::string& name, std::string& out);
// Writes the text; true when it reads back unchanged (a folder ending in '\').
bool WritePathSetting(const std::string& text, const std::string& name);

// Typed settings.
bool GetMaximizeObjectEdit();
void SetMaximizeObjectEdit(bool maximize);
int GetGridSize();
void SetGridSize(int size);
int GetSnapTo();
void SetSnapTo(int step);
int GetRotateBy();
void SetRotateBy(int degrees);
bool GetShowObjectParameters();
void SetShowObjectParameters(bool show);
// True for the static-map service, false for WMS; a missing value is written "google".
bool UseStaticMapService();
void SetMapSource(bool use_static_map_service);
// A missing value is written "False".
bool GetDetectSmallBodies();
void SetDetectSmallBodies(bool detect);

// The image editor: its folder and its executable's name, which comes back with a '\'
// appended like every path setting. True only when both are set.
bool GetImageEditor(std::string& folder, std::string& exe);
// Writes both; ("", "") clears the setting. Always true.
bool SetImageEditor(const std::string& folder, const std::string& exe);
// Asks for the editor's executable with a file chooser and stores it.
bool SelectImageEditor();

} // namespace pf
