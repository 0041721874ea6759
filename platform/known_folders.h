#pragma once
// The account's own folders, in place of the desktop shell's known folders. Every call
// reads the environment afresh. Folders come back in internal form ending in '\' and are
// created (with their parents) when missing; empty only when no absolute home can be had
// or the folder cannot be made.
#include <string>

namespace pf::known_folders {

// $HOME when absolute, else the account's home from the password database.
std::string Home();
// XDG_DOCUMENTS_DIR of user-dirs.dirs ("$HOME/..." or absolute), else ~/Documents.
std::string Documents();
// XDG_PICTURES_DIR of user-dirs.dirs ("$HOME/..." or absolute), else ~/Pictures.
std::string Pictures();
// $XDG_DATA_HOME when absolute, else ~/.local/share.
std::string LocalAppData();
// $XDG_CONFIG_HOME when absolute, else ~/.config. Not created here: the writer of a
// settings file creates it when it first writes.
std::string ConfigHome();
// The running program's file (internal form, no trailing '\'); empty when unknown.
std::string ExecutablePath();

} // namespace pf::known_folders
