// A label control on the main window: a caption in a font on a background colour.
#pragma once

#include "platform/font_request.h"
#include "platform/rgb.h"

#include <string>

namespace quintaro::platform {

class Label {
public:
    virtual ~Label() = default;
    // Safe from any thread: from another thread the change is queued to the window thread.
    virtual void setCaption(const std::string& utf8) = 0;
    // The caption as last applied on the window thread.
    virtual std::string caption() const = 0;
    virtual void setFont(const FontRequest& font) = 0;
    virtual void setBackground(Rgb colour) = 0;
    // Client-area position and size in pixels.
    virtual void setGeometry(int x, int y, int width, int height) = 0;
};

} // namespace quintaro::platform
