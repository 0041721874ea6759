#include "foundation/ui/placement.h"

#include <wx/window.h>

namespace pf {

namespace {

// The window's client origin in the client coordinates of `in` (screen coordinates for
// a window without parent).
wxPoint ClientOriginIn(wxWindow* window, wxWindow* in) {
    wxPoint screen = window->ClientToScreen(wxPoint(0, 0));
    return in != nullptr ? in->ScreenToClient(screen) : screen;
}

} // namespace

IntRect WindowRectInParent(wxWindow* window) {
    wxPoint origin = ClientOriginIn(window, window->GetParent());
    wxSize client = window->GetClientSize();
    return {origin.x, origin.y, origin.x + client.x, origin.y + client.y};
}

int WindowLeftInParent(wxWindow* window) { return WindowRectInParent(window).left; }
int WindowTopInParent(wxWindow* window) { return WindowRectInParent(window).top; }
int WindowRightInParent(wxWindow* window) { return WindowRectInParent(window).right; }
int WindowBottomInParent(wxWindow* window) { return WindowRectInParent(window).bottom; }
int WindowWidth(wxWindow* window) { return window->GetClientSize().x; }
int WindowHeight(wxWindow* window) { return window->GetClientSize().y; }

bool WindowMoveToRect(wxWindow* window, int x, int y, IntRect* rect) {
    wxSize client = window->GetClientSize();
    window->SetSize(x, y, client.x, client.y, wxSIZE_ALLOW_MINUS_ONE);
    window->Refresh();
    if (rect != nullptr) {
        *rect = {x, y, x + client.x, y + client.y};
    }
    return true;
}

bool WindowMoveTo(wxWindow* window, int x, int y) {
    return WindowMoveToRect(window, x, y, nullptr);
}

bool WindowResizeTo(wxWindow* window, int width, int height) {
    IntRect r = WindowRectInParent(window);
    window->SetSize(r.left, r.top, width, height, wxSIZE_ALLOW_MINUS_ONE);
    window->Refresh();
    return true;
}

bool WindowSetClientSize(wxWindow* window, int width, int height) {
    wxSize frame = window->GetSize() - window->GetClientSize();
    wxPoint position = window->GetPosition();
    window->SetSize(position.x, position.y, width + frame.x, height + frame.y,
                    wxSIZE_ALLOW_MINUS_ONE);
    return true;
}

wxPoint GetDlgItemCentre(wxWindow* parent, int id) {
    wxWindow* item = nullptr;
    for (wxWindow* child : parent->GetChildren()) {
        if (child->GetId() == id) {
            item = child;
            break;
        }
    }
    if (item == nullptr) {
        return wxPoint(0, 0);
    }
    wxPoint origin = ClientOriginIn(item, parent);
    wxSize client = item->GetClientSize();
    return wxPoint((2 * origin.x + client.x) / 2, (2 * origin.y + client.y) / 2);
}

} // namespace pf
