#pragma once
// "Parameter text": one object of the structure editor edited as the lines it writes into
// a base file, parsed back with the base-file reader on OK. The keyword comes from the
// object, so the text cannot change the object's type.
#include <string>

namespace pf {

class AstrelObject;

class ParameterTextLogic {
  public:
    // The object's holder; on success its object is replaced in place.
    explicit ParameterTextLogic(AstrelObject& object) : object_(object) {}

    // The dialog's caption: the type keyword ("RUNWAY").
    std::string Caption() const;
    // The parameter lines, without the keyword line and the closing "END".
    std::string InitialText() const;
    // OK: the text's lines up to the first "End" rebuild the object; a runway's
    // "RUNWAYLIGHTS" block after that "End" rebuilds its lights. Text the reader refuses
    // shows "Error parsing parameter text\r\n" and leaves that part as it was.
    void Accept(const std::string& text);
    // OK with text that could not be turned into the file's characters.
    void RefuseText();

  private:
    AstrelObject& object_;
};

} // namespace pf
