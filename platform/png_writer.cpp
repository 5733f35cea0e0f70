// PNG output of the frame buffer through cairo.
#include <cairo.h>

#include "platform/canvas.h"

bool WritePng(const FrameBuffer& fb, const AnsiString& path) {
    // cairo's RGB24 is the same 0x00RRGGBB word per pixel as the buffer.
    int stride = cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, fb.width);
    if (stride != fb.width * 4 || fb.pixels.size() < static_cast<size_t>(fb.width) * fb.height) return false;
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(fb.pixels.data())), CAIRO_FORMAT_RGB24,
        fb.width, fb.height, stride);
    bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS &&
              cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}
