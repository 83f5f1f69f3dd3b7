// The game's single main window (number 0): its frame, client-area surface, menu bar and controls.
#pragma once

#include "platform/label.h"
#include "platform/menu.h"
#include "platform/rgb.h"
#include "platform/surface.h"

#include <string>
#include <vector>

namespace quintaro::platform {

struct WindowGeometry {
    int x = 0, y = 0;                    // outer top-left corner on the screen
    int outerWidth = 0, outerHeight = 0; // at factor 1, in the game's pixels
    double zoom = 1;                     // window pixels per game pixel of the client area
    bool fullScreen = false;             // zoom and corner are then those the window has outside full screen
    friend bool operator==(const WindowGeometry&, const WindowGeometry&) = default;
};

class MainWindow {
public:
    // The outer size is reckoned with this much height for the caption and the menu bar: the client
    // area is outerWidth x (outerHeight - kFrameAllowance), whatever the desktop draws around it.
    static constexpr int kFrameAllowance = 48;

    virtual ~MainWindow() = default;

    virtual void setTitle(const std::string& utf8) = 0;
    virtual std::string title() const = 0;
    // Shows the window at (x, y) (outer corner; may lie off screen), its client area the game's
    // outerWidth x (outerHeight - kFrameAllowance) pixels scaled by zoom, or full screen. The player may
    // resize it after; the game keeps drawing in its own pixels, and pointer positions arrive in them.
    virtual void open(const WindowGeometry& geometry) = 0;
    // Where the window is now, its sizes at factor 1, the factor it shows the game at, full screen or not.
    virtual WindowGeometry geometry() const = 0;
    virtual void activate() = 0;
    // Closes the window for good; the platform's run() then returns.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // A disabled window takes no input (dialogs disable their owner while they are open).
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    // Busy (hourglass) or normal arrow pointer over the window.
    virtual void setBusyPointer(bool busy) = 0;
    // Fills the client area with the colour; it shows wherever nothing is drawn afterwards.
    virtual void setBackground(Rgb colour) = 0;
    // The client area. Drawing on it never waits for a repaint.
    virtual Surface& surface() = 0;
    // Shows what was drawn at once, inside the handler, before a pause that should let the player see it.
    virtual void flush() = 0;

    // Replaces the menu bar (the previous one is destroyed) by drop-down menus, one per top-level node.
    virtual void setMenuBar(const std::vector<MenuNode>& menus) = 0;
    // Switches the whole menu bar off (no choices reach the handler) or on.
    virtual void setMenuBarEnabled(bool enabled) = 0;
    virtual bool menuBarEnabled() const = 0;
    // Check marks by command id; ids not in the bar are ignored and read as unchecked.
    virtual void setMenuChecked(int id, bool checked) = 0;
    virtual bool menuChecked(int id) const = 0;

    // A label control owned by the window; it lives as long as the window.
    virtual Label& createLabel(const std::string& name) = 0;
};

} // namespace quintaro::platform
