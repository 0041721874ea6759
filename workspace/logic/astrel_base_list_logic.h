#pragma once
// The display-free half of the dialog that picks one base file out of a base folder of
// the simulator, for the main dialog to import.
#include "foundation/string_array.h"

#include <string>

namespace pf {

class AstrelBaseListLogic {
  public:
    // folder: relative to the simulator's configuration folder ("Earth\Base\");
    // context holds its word ("CONTEXT Apollo") or is empty.
    AstrelBaseListLogic(std::string body, std::string folder, std::string context,
                        std::string periodBegin, std::string periodEnd, StringArray files);

    // "Directory: Config\<folder>" and a line with the context and period.
    std::string Description() const;
    std::string Title() const { return "Base files for " + body_; }
    // The file names in the listers' name order.
    const StringArray& Entries() const { return files_; }
    // OK and a double click, with the list's selection (-1: none). Without one the
    // person is told and the dialog stays open (false); otherwise selected is set.
    bool OnOK(int selection);

    // The chosen file name, empty until OK succeeds.
    std::string selected;

  private:
    std::string body_;
    std::string folder_;
    std::string context_;
    std::string periodBegin_;
    std::string periodEnd_;
    StringArray files_;
};

} // namespace pf
