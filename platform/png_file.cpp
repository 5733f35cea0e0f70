// PNG files of frame buffers through cairo.
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

bool ReadPng(const AnsiString& path, FrameBuffer* fb) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    if (ok) {
        cairo_surface_flush(surface);
        int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
        int stride = cairo_image_surface_get_stride(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        fb->width = w;
        fb->height = h;
        fb->pixels.assign(static_cast<size_t>(w) * h, 0);
        for (int y = 0; y < h; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<size_t>(y) * stride);
            for (int x = 0; x < w; ++x) fb->pixels[static_cast<size_t>(y) * w + x] = row[x] & 0xFFFFFF;
        }
    }
    cairo_surface_destroy(surface);
    return ok;
}
