#pragma once
// The one failure channel: every failing operation ends with
// `return ShowFailureMessage(text);`.
#include <string>

namespace pf {

// Shows the text unless the person opted out earlier in this run. Always false.
bool ShowFailureMessage(const char* text);
bool ShowFailureMessage(const std::string& text);

// The show-failures flag: true at start, cleared when the person ticks the opt-out box.
bool GetShowFailures();
void SetShowFailures(bool show);

} // namespace pf
