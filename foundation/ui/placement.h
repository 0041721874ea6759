#pragma once
// Measuring and moving dialog controls in integer pixels. "In parent" means the
// control's client-area origin in its parent's client coordinates.
#include "foundation/geometry.h"

#include <wx/gdicmn.h>

class wxWindow;

namespace pf {

// {left, top, left + client width, top + client height} in parent coordinates.
IntRect WindowRectInParent(wxWindow* window);
int WindowLeftInParent(wxWindow* window);
int WindowTopInParent(wxWindow* window);
int WindowRightInParent(wxWindow* window);
int WindowBottomInParent(wxWindow* window);
int WindowWidth(wxWindow* window);  // client width
int WindowHeight(wxWindow* window); // client height

// Moves the window to (x, y) in its parent and gives it its client size as the new
// window size (a bordered control shrinks by its border); fills rect when given.
bool WindowMoveToRect(wxWindow* window, int x, int y, IntRect* rect);
bool WindowMoveTo(wxWindow* window, int x, int y);
// Keeps the in-parent origin and gives the window the new size.
bool WindowResizeTo(wxWindow* window, int width, int height);
// Sizes a top-level window so that its client area becomes width x height, keeping its
// screen position.
bool WindowSetClientSize(wxWindow* window, int width, int height);
// Centre of the control with this id in the parent's client coordinates:
// ((2 * left + width) / 2, (2 * top + height) / 2); (0, 0) when there is no such control.
wxPoint GetDlgItemCentre(wxWindow* parent, int id);

} // namespace pf
