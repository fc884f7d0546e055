// Sprite: a placed view of a rectangle of an Image, optionally cut into equal horizontal
// frames, that draws itself into the drawing surface with the key colour left out.
// Drawing clips on all four sides to the clip rectangle and the surface, and never moves
// the sprite. The image is borrowed: sprites are deleted before their images.
#pragma once

#include "base/geometry.h"
#include "render/image.h"

class Sprite {
  public:
    // A view of the w x h rectangle at (srcX, srcY) of image, in frames equal frames
    // (one when frames is 0 or less).
    Sprite(Image* image, int srcX, int srcY, int w, int h, int frames);
    // Slot 0; the image is not owned and stays.
    virtual ~Sprite() = default;
    // Slot 1: draws the current frame at (x, y) unless hidden.
    virtual void Draw();

    // Re-targets the sprite as the constructor does, resetting position, frame and flags.
    void Setup(Image* source, int srcX, int srcY, int w, int h, int frames);
    void SetPosition(int newX, int newY);
    int GetFrameWidth() const { return frameWidth; }
    int GetHeight() const { return height; }
    // The rectangle one frame covers on the surface.
    void GetBounds(Rect* out) const;
    // Draws source columns columnStart to columnEnd - 1 (relative to srcLeft) of the source
    // rows moved down by rowOffset, with the top-left at (x, y).
    void Blit(int columnStart, int columnEnd, int rowOffset);

    int x = 0;
    int y = 0;
    // Leave out pixels whose palette entry equals the image's key.
    bool transparent = true;
    bool visible = true;
    int srcLeft = 0;
    int srcTop = 0;
    // Right and bottom exclusive.
    int srcRight = 0;
    int srcBottom = 0;
    Image* image = nullptr;
    int frame = 0;
    int frameCount = 1;
    // Source width / frameCount, rounded down.
    int frameWidth = 0;
    int stripWidth = 0;
    int height = 0;
};
