// One object group, as the parameter-text dialog hands typed text to the dispatcher: the
// text written of every object read reads and writes back byte for byte.
#include "fuzz_support.h"

#include "document/base_file_reader.h"
#include "objects/astrel_object.h"
#include "workspace/config_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pf;
    fuzz::Sandbox::Get();
    StringArray group;
    SplitTextIntoLines(group, fuzz::Text(data, size));
    AstrelObject holder;
    if (!ParseObjectGroup(holder, group)) {
        return 0;
    }
    fuzz::Check(!holder.IsEmpty(), "a group read into no object");
    ObjectArray objects;
    objects.Add(holder);
    fuzz::CheckObjectsSettle(objects);
    return 0;
}
