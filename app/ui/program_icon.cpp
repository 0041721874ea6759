#include "app/ui/program_icon.h"

#include "platform/fs.h"
#include "workspace/settings.h"

#include <wx/icon.h>
#include <wx/image.h>

namespace pf {

wxIconBundle ProgramIcons() {
    wxIconBundle bundle;
    std::string folder;
    if (!ReadPathSetting("Install Path", folder)) {
        return bundle;
    }
    const std::string path = folder + "padforge.png";
    if (!fs::IsRegularFile(path)) {
        return bundle;
    }
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) {
        wxImage::AddHandler(new wxPNGHandler);
    }
    wxImage image;
    if (image.LoadFile(wxString(fs::ToNative(path).c_str(), *wxConvFileName), wxBITMAP_TYPE_PNG)) {
        for (int size : {16, 32, 48, 64}) {
            wxIcon icon;
            icon.CopyFromBitmap(wxBitmap(image.Scale(size, size, wxIMAGE_QUALITY_HIGH)));
            bundle.AddIcon(icon);
        }
    }
    return bundle;
}

} // namespace pf
