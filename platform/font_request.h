// A font request as the game makes it: a face with pixel height, width and weight, or a named face at a point size.
#pragma once

#include <string>

namespace quintaro::platform {

// The platform maps the game's faces to installed families: "ARIAL" to Liberation Sans, "Terminal" to
// Liberation Mono, "Fixedsys" to DejaVu Sans Mono, "System" to DejaVu Sans; other names are asked for as they are.
struct FontRequest {
    std::string face;
    int height = 0;   // cell height in pixels (ascent + descent); 0 when pointSize is used
    int width = 0;    // average character width in pixels; 0 = the face's natural width
    int weight = 400; // 100..900, 400 normal, 700 bold
    bool fixedPitch = false;
    double pointSize = 0; // > 0: a named face at this size, converted at 96 dots per inch

    static FontRequest pixels(std::string face, int height, int width, int weight, bool fixedPitch = false) {
        return FontRequest{std::move(face), height, width, weight, fixedPitch, 0};
    }
    static FontRequest points(std::string face, double pointSize, int weight = 400) {
        return FontRequest{std::move(face), 0, 0, weight, false, pointSize};
    }
    friend bool operator==(const FontRequest&, const FontRequest&) = default;
};

} // namespace quintaro::platform
