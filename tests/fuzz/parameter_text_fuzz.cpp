// Text typed into the structure editor's parameter dialog: the first byte chooses the type
// of the edited object, the rest is the typed text. The object that OK leaves shows a text
// that, given to OK again unchanged, gives the same text back.
#include "fuzz_support.h"

#include "app/logic/parameter_text_logic.h"
#include "objects/astrel_object.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pf;
    fuzz::Sandbox::Get();
    if (size == 0) {
        return 0;
    }
    const int32_t type = kTypeBlock + data[0] % (kTypeComplex - kTypeBlock);
    const std::unique_ptr<AstrelObjectHandle> made = AstrelObjectFactory::Create(type);
    fuzz::Check(made != nullptr, "an object type cannot be made");
    AstrelObject object(*made);
    ParameterTextLogic(object).Accept(fuzz::Text(data + 1, size - 1));
    fuzz::Check(object.GetType() == type, "OK changed the object's type");
    fuzz::CheckHeightAsRead(object);
    const std::string first = ParameterTextLogic(object).InitialText();
    ParameterTextLogic(object).Accept(first);
    fuzz::CheckSameText(first, ParameterTextLogic(object).InitialText(),
                        "a parameter text read back does not give the same text");
    return 0;
}
