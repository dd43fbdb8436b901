// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures decoded from their PNG files with the stb_image that Emscripten ships.
#include "web/web_shell.h"

#include <cstdio>

extern "C" {
unsigned char* stbi_load(const char* file, int* width, int* height, int* channels, int wanted_channels);
void stbi_image_free(void* pixels);
}

namespace kelvaro {
namespace {

// NAME.png as 0xAARRGGBB pixels, as the desktop reads it; an empty surface if it cannot be read.
Surface pngSurface(const std::filesystem::path& file)
{
    int width = 0;
    int height = 0;
    int channels = 0;
    unsigned char* rgba = stbi_load(file.c_str(), &width, &height, &channels, 4);
    if (!rgba) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return {};
    }
    Surface surface(width, height);
    for (int i = 0; i < width * height; ++i) {
        const unsigned char* p = rgba + static_cast<std::size_t>(i) * 4;
        surface.data()[i] = Pixel{p[3]} << 24 | Pixel{p[0]} << 16 | Pixel{p[1]} << 8 | p[2];
    }
    stbi_image_free(rgba);
    return surface;
}

} // namespace

Images loadImages(const std::filesystem::path& folder)
{
    return imagesFrom([&folder](const char* name) { return pngSurface(folder / (std::string(name) + ".png")); });
}

} // namespace kelvaro
