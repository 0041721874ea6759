// A body file's base-folder lines ("dir" lines of BEGIN_SURFBASE): the input is the body
// file. Each line is split into folder, context and period, and the period gives the date
// of the base's scenarios, which must be a finite number.
#include "fuzz_support.h"

#include "document/base_document.h"
#include "foundation/text.h"
#include "workspace/astrel_body.h"
#include "workspace/simulator_tree.h"

#include <cmath>
#include <string>

namespace {

void CheckSplit(const std::string& value) {
    using pf::fuzz::Check;
    pf::BodyBaseDirectory entry;
    Check(pf::SplitBaseDirectory(value, entry), "a base-folder line was refused");
    const std::string& folder = entry.directory;
    Check(folder.empty() || folder.back() == '\\', "a base folder does not end in '\\'");
    Check(folder.find('/') == std::string::npos, "a base folder kept a '/'");
    Check(entry.context.empty() ||
              (entry.context.size() >= 8 &&
               pf::CStringEqualsNoCase(entry.context.substr(0, 8), "CONTEXT ")),
          "a context that is not CONTEXT and a name");
    // The splitter parts words at blanks only; a tab stays inside a word.
    for (const std::string* bound : {&entry.periodBegin, &entry.periodEnd}) {
        Check(bound->find(' ') == std::string::npos, "a period bound holds a blank");
    }
    pf::BaseDocument document;
    document.SetPeriodBegin(entry.periodBegin);
    document.SetPeriodEnd(entry.periodEnd);
    const std::string date = document.GetScenarioMJD();
    double mjd = 0.0;
    Check(pf::ParseDoubleCString(date, mjd) && std::isfinite(mjd),
          "a scenario date that is not a finite number");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const pf::fuzz::Sandbox& sandbox = pf::fuzz::Sandbox::Get();
    sandbox.Write("body/Fuzz.cfg", data, size);
    pf::StringArray values;
    if (pf::ReadSurfBaseDirs(sandbox.Dir().InternalPath("body\\Fuzz.cfg"), values, "Fuzz")) {
        for (const std::string& value : values) {
            CheckSplit(value);
        }
    }
    // The whole input as one value too: line ends and other bytes inside it.
    CheckSplit(pf::fuzz::Text(data, size));
    return 0;
}
