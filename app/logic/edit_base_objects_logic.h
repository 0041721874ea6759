#pragma once
// The Base Structure Editor dialog's own rules, apart from its model: how a client size
// becomes the view size (or is refused), and the captions of the three setting buttons.
// The dialog's commands themselves are StructureEditorModel's.
#include "app/logic/structure_editor_window.h"

#include <optional>
#include <string>

namespace pf {

struct EditorSize {
    // The client size the window must take instead of the one it got.
    std::optional<ClientPoint> resize;
    // The view for the client size: what is left right of and below the view origin, less
    // a 10-pixel margin, within 100 x 100 and 3000 x 2000, sides multiples of 4.
    int viewWidth = 0;
    int viewHeight = 0;
};

// minimumHeight is 0 until the layout is ready; from then on no client area is narrower
// than 400 or lower than minimumHeight.
EditorSize DecideEditorSize(int clientWidth, int clientHeight, const ClientPoint& viewOrigin,
                            int minimumHeight);

// Captions for the values the popups offer; nothing for any other stored value, which
// keeps the caption the button has. Texts are CP1252 (the degree sign is byte 0xB0).
std::optional<std::string> SnapToCaption(double step);
std::optional<std::string> GridCaption(double size);
std::optional<std::string> RotateCaption(double step);

} // namespace pf
