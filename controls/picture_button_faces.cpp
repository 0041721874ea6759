#include "controls/picture_button_faces.h"

#include "imagery/bmp_file.h"
#include "imagery/color_convert.h"
#include "imagery/drawing.h"

namespace pf {

void PictureButtonFaces::SetClientSize(int width, int height) {
    client_width_ = width > 0 ? width : 0;
    client_height_ = height > 0 ? height : 0;
}

bool PictureButtonFaces::ScaleToButton(BitmapData& out, const BitmapData& image) const {
    BitmapData source(image);
    if (!source.HasPixels() || !ConvertTo24Bit(source)) {
        return false;
    }
    BitmapData scaled;
    if (!scaled.Create24(PictureWidth(), PictureHeight()) ||
        !BitmapData::Resample24(scaled, source)) {
        return false;
    }
    out.Swap(scaled);
    return true;
}

bool PictureButtonFaces::SetImageFile(const std::string& path) {
    BitmapData image;
    if (!LoadBmpFile(path, image)) {
        return false;
    }
    return SetPictureFromImage(image);
}

bool PictureButtonFaces::SetPictureFromImage(const BitmapData& image) {
    BitmapData upright(image);
    if (!upright.HasPixels() || !upright.FlipVertical()) {
        return false;
    }
    BitmapData scaled;
    if (!ScaleToButton(scaled, upright)) {
        return false;
    }
    BitmapData canvas;
    if (!canvas.Create24(scaled.Width(), scaled.Height()) || !canvas.FillColor(0xFFFFFF) ||
        !BitmapData::Blit24(canvas, scaled, canvas.GetRect(), scaled.GetRect())) {
        return false;
    }
    BitmapData lighter(canvas);
    if (!lighter.AdjustBrightness(2.0)) {
        lighter.Free();
    }
    picture_.Swap(canvas);
    checked_picture_.Swap(lighter);
    return true;
}

bool PictureButtonFaces::SetImage(const BitmapData& image) {
    toggle_ = true;
    border_ = 0;
    BitmapData scaled;
    if (!ScaleToButton(scaled, image)) {
        return false;
    }
    picture_.Swap(scaled);
    BuildFaces(picture_);
    return true;
}

bool PictureButtonFaces::SetChecked(bool checked, int border) {
    border_ = border;
    toggle_ = true;
    if (checked == checked_) {
        return false;
    }
    checked_ = checked;
    Redraw();
    return true;
}

const BitmapData& PictureButtonFaces::CurrentPicture() const {
    return checked_ && checked_picture_.HasPixels() ? checked_picture_ : picture_;
}

void PictureButtonFaces::Redraw() {
    BitmapData p(CurrentPicture());
    BuildFaces(p);
}

void PictureButtonFaces::DrawState(bool selected, bool focused, bool disabled) {
    BitmapData p(CurrentPicture());
    pressed_ = false;
    focused_ = false;
    if (selected) {
        pressed_ = true;
    } else if (focused) {
        focused_ = true;
    } else if (disabled && p.HasPixels()) {
        BitmapData black;
        if (black.CreateLike(p) && black.FillColor(0x000000)) {
            p.CrossFade(black, 0.25);
        }
    }
    BuildFaces(p);
}

void PictureButtonFaces::MouseUp() {
    pressed_ = false;
    Redraw();
}

void PictureButtonFaces::SetBorderColours(std::uint32_t checked, std::uint32_t unchecked) {
    checked_border_ = checked;
    unchecked_border_ = unchecked;
    Redraw();
}

void PictureButtonFaces::DoubleClick() {
    pressed_ = true;
    Redraw();
}

void PictureButtonFaces::BuildFaces(BitmapData& p) {
    if (p.HasPixels()) {
        if (toggle_) {
            if (border_ != 0) {
                DrawBorder(p, BorderColour());
            }
        } else if (pressed_) {
            BitmapData tint;
            if (tint.CreateLike(p) && tint.FillColor(kPressedTint)) {
                p.CrossFade(tint, 0.25);
            }
            DrawBevelFrame(p);
        } else {
            DrawFrame3D(p);
        }
        if (focused_ && border_ != 0) {
            DrawFocusFrame(p, kFocusFrame);
        }
    }
    if (&p != &face_) {
        face_.Assign(p);
    }
}

} // namespace pf
