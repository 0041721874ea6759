#pragma once
// The display-free half of the configuration dialog: simulator folder, map source, small
// bodies, image editor and clearing the caches. Every handler stores its setting at once.
#include "foundation/ui_hooks.h"

#include <optional>
#include <string>

namespace pf {

inline constexpr const char* kSelectImageEditorChoice = "Select image editor .exe file";
inline constexpr const char* kDefaultImageEditorChoice = "Use system's default editor";

class ConfigurationLogic {
  public:
    // Reads the map source (writing "google" when it is missing).
    ConfigurationLogic();

    // Writes the map source again, stores a found simulator folder and reads the
    // small-bodies setting; gives the folder to show (a refused candidate, or empty).
    std::string OnInitDialog();
    // The radio buttons: each acts only when it switches the source.
    void OnUseStaticMap();
    void OnUseWmsMap();
    void OnSmallBodiesClicked(bool ticked);
    // The "..." button: the folder stored, to show; nothing when none was stored.
    std::optional<std::string> OnBrowse();
    // Deletes the map, body and mesh caches (only the program's own image and data
    // files; folders that keep anything else stay). No question, no report.
    void OnClearCache();
    // With an editor stored, a menu at (x, y) of owner offers to pick another or to use
    // the system's default; without one the file chooser comes at once.
    void OnSetImageEditor(UiOwner owner, int x, int y);

    bool useStaticMap;
    // 0: the static-map radio, 1: the WMS radio.
    int mapSourceIndex = 0;
    // The small-bodies box as initialised.
    bool smallBodies = false;
};

} // namespace pf
