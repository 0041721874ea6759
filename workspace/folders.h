#pragma once
// The program's working folders (documents, application data, install folder, caches)
// and the simulator's root folder. Every folder is an internal path ending in '\';
// every getter reads the settings afresh and creates its folder when it is missing.
#include <functional>
#include <optional>
#include <string>

namespace pf {

enum class ShellFolder { Documents, LocalAppData, Pictures };

// The desktop's folder with a trailing '\'; empty when there is none.
std::string GetShellFolder(ShellFolder folder);
std::string GetMyDocumentsFolder();
std::string GetLocalAppDataFolder();
// The pictures folder, else the documents folder.
std::string GetPicturesFolder();
bool GetPicturesPath(std::string& out);

// The folder setting `name`, else base + "Padforge\" (made when missing, never stored).
bool GetDefaultFolderSetting(std::string& out, const std::string& name, const std::string& base);
bool GetDocumentsPath(std::string& out);
bool GetAppDataPath(std::string& out);
bool GetInstallPath(std::string& out);
bool GetCachePath(std::string& out);
bool GetBodyCachePath(std::string& out);
bool GetMeshCachePath(std::string& out);
bool GetMapCachePath(std::string& out);

// The stored simulator folder; a stored folder that no longer exists counts as missing.
bool GetAstrelPath(std::string& out);
bool SetAstrelPath(const std::string& path);
// The folder holds "astrel.exe" and "astrel.cfg" or "Config\".
bool IsAstrelFolder(const std::string& path);
// The stored folder, else the documents folder's "Astrel2010\" when it holds the
// simulator; out keeps that candidate even when it is refused.
bool FindAstrelPath(std::string& out);
// Stored, found (then stored) or asked for with the "Configuration" dialog.
bool EnsureAstrelPath(std::string& out);

// The "Configuration" dialog that asks for the simulator folder is made by padforge_ui,
// which registers how to show it; with nothing registered nothing is shown.
void SetAstrelPathDlgRunner(std::function<void()> runner);
// At start-up: when "Install Path" is missing or stale, points it at
// "<executable's folder>\..\share\padforge\" if that folder exists.
void SetDefaultInstallPath(const std::string& executable);

} // namespace pf
