#pragma once
// What a picture button shows, without the window: the picture scaled to the button, its
// lightened checked twin, and the face built for the button's state (toggle border,
// pushed or raised frame, focus frame, disabled look). The wx control paints the face
// 1:1 and reports mouse and focus changes here.
#include "imagery/bitmap_data.h"

#include <cstdint>
#include <string>

namespace pf {

class PictureButtonFaces {
  public:
    // Colours as 0x00RRGGBB; the top byte of the two border colours is not drawn.
    static constexpr std::uint32_t kDefaultCheckedBorder = 0xFFFF0000;
    static constexpr std::uint32_t kDefaultUncheckedBorder = 0xFF00FF00;
    static constexpr std::uint32_t kPressedTint = 0xCFCFFF;
    static constexpr std::uint32_t kFocusFrame = 0xC0C0FF;

    // The button's client size; pictures are scaled to it with the width rounded down to
    // a multiple of 4.
    void SetClientSize(int width, int height);
    int PictureWidth() const { return client_width_ / 4 * 4; }
    int PictureHeight() const { return client_height_; }

    // Loads a BMP file as the picture (with its checked twin); false, nothing changed,
    // when the file cannot be read.
    bool SetImageFile(const std::string& path);
    // The picture from an image whose rows are stored bottom row first, as BMP files
    // keep them; the checked picture is the picture lightened halfway to white.
    bool SetPictureFromImage(const BitmapData& image);
    // A toggle picture (previews): no border, faces built at once.
    bool SetImage(const BitmapData& image);
    // Stores the border flag and turns toggle style on; true when the checked state
    // changed and the face was rebuilt.
    bool SetChecked(bool checked, int border);
    // The toggle border's colours when checked and unchecked; the face is rebuilt.
    void SetBorderColours(std::uint32_t checked, std::uint32_t unchecked);
    std::uint32_t BorderColour() const { return checked_ ? checked_border_ : unchecked_border_; }
    // Rebuilds the face from the current picture.
    void Redraw();
    // Builds the face for the window's state: held down, else focused, else disabled.
    void DrawState(bool selected, bool focused, bool disabled);
    void MouseDown() { pressed_ = true; }
    void MouseUp();
    void DoubleClick();

    const BitmapData& Picture() const { return picture_; }
    const BitmapData& CheckedPicture() const { return checked_picture_; }
    const BitmapData& Face() const { return face_; }
    bool IsChecked() const { return checked_; }
    bool IsToggle() const { return toggle_; }
    bool IsPressed() const { return pressed_; }
    bool IsFocused() const { return focused_; }
    int BorderFlag() const { return border_; }

  private:
    // The picture to draw from: the checked one when checked and made.
    const BitmapData& CurrentPicture() const;
    void BuildFaces(BitmapData& p);
    bool ScaleToButton(BitmapData& out, const BitmapData& image) const;

    int client_width_ = 0;
    int client_height_ = 0;
    BitmapData picture_;
    BitmapData checked_picture_;
    BitmapData face_;
    bool checked_ = false;
    bool toggle_ = false;
    bool pressed_ = false;
    bool focused_ = false;
    int border_ = 0;
    std::uint32_t checked_border_ = kDefaultCheckedBorder;
    std::uint32_t unchecked_border_ = kDefaultUncheckedBorder;
};

} // namespace pf
