#include "foundation/text.h"
#include "objects/astrel_object.h"
#include "objects/value_readers.h"
#include "workspace/config_reader.h"

namespace pf {

bool ParseObjectGroup(AstrelObject& holder, const StringArray& group, const std::string& typeWord,
                      AstrelObjectHandle& local, const std::vector<ParameterReader>& readers) {
    if (group.empty() || !CStringEqualsNoCase(group[0], typeWord)) {
        return false;
    }
    StringArray tokens;
    for (size_t line = 1; line < group.size(); ++line) {
        if (!SplitBySpace(tokens, group[line])) {
            continue;
        }
        const ParameterReader* match = nullptr;
        for (const ParameterReader& reader : readers) {
            if (CStringEqualsNoCase(tokens[0], reader.keyword)) {
                match = &reader;
                break;
            }
        }
        if (match == nullptr) {
            TraceDiagnostic(FormatString("Type of parameter unknown: %s", tokens[0].c_str()));
            local.KeepLine(group[line]);
            continue;
        }
        // A malformed value keeps what was read before it; the type decides what it means.
        if (match->read) {
            match->read(tokens);
        }
    }
    holder.AssignFrom(local);
    return true;
}

} // namespace pf
