#include "foundation/choice_menu.h"

#include <utility>

namespace pf {

ChoiceMenu::ChoiceMenu(StringArray options, int x, int y, UiOwner owner)
    : owner_(owner), x_(x), y_(y), options_(std::move(options)) {}

bool ChoiceMenu::Show(const std::string& title) {
    if (options_.empty())
        return false;
    const int command = ChooseFromMenu(owner_, x_, y_, title, options_);
    // A command outside the options' range (a stray or stale one) counts as no choice.
    const long index = static_cast<long>(command) - kFirstMenuCommand;
    if (command == 0 || index < 0 || index >= static_cast<long>(options_.size()))
        return false;
    choice_ = options_[static_cast<size_t>(index)];
    return true;
}

} // namespace pf
