#pragma once
// Include this instead of <wx/testing.h>: unmet or unexpected dialogs under
// wxTEST_DIALOG become GoogleTest failures instead of wx asserts.
#include <gtest/gtest.h>
#include <wx/modalhook.h>
#include <wx/string.h>

class wxTestingModalHook;

namespace pf::test {
void ReportDialogFailure(const wxString& message);
}

#define wxTEST_DIALOG_HOOK_CLASS pf::test::GTestModalHook
#include <wx/testing.h>

namespace pf::test {

class GTestModalHook : public wxTestingModalHook {
  public:
    GTestModalHook(const char* file, int line, const char* func)
        : wxTestingModalHook(file, line, func) {}

  protected:
    void ReportFailure(const wxString& msg) override { ReportDialogFailure(msg); }
};

} // namespace pf::test
