#include "devlibs/window_pixels/WindowPixels.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstddef>

std::vector<Rgb> readWindowPixels(Display* display, unsigned long window, int x, int y, int width, int height)
{
    std::vector<Rgb> pixels;
    XImage* image = XGetImage(display, window, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height),
                              AllPlanes, ZPixmap);
    if (image == nullptr)
        return pixels;
    pixels.reserve(static_cast<std::size_t>(width * height));
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) {
            const unsigned long pixel = XGetPixel(image, column, row);
            pixels.push_back(Rgb{static_cast<int>((pixel & image->red_mask) >> 16),
                                 static_cast<int>((pixel & image->green_mask) >> 8),
                                 static_cast<int>(pixel & image->blue_mask)});
        }
    XDestroyImage(image);
    return pixels;
}
