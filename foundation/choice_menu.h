#pragma once
// A popup menu that offers a few texts and remembers the one chosen last.
#include "foundation/string_array.h"
#include "foundation/ui_hooks.h"

#include <string>

namespace pf {

class ChoiceMenu {
  public:
    // (x, y): where the menu opens, in the owner's client coordinates.
    ChoiceMenu(StringArray options, int x, int y, UiOwner owner = nullptr);

    // Asks through the installed hooks; a non-empty title heads the menu. True when an
    // option was chosen; otherwise (no options, nothing chosen) the last choice stays.
    bool Show(const std::string& title = "");
    std::string GetChoice() const { return choice_; }

  private:
    UiOwner owner_;
    int x_;
    int y_;
    StringArray options_;
    std::string choice_;
};

} // namespace pf
