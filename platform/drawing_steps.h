// The drawing steps an image surface keeps, so that a new resolution draws everything again sharp; the
// steps hidden by later ones are dropped now and then, and a saved rectangle remembers the steps under it.
#pragma once

#include "platform/font_request.h"
#include "platform/rgb.h"
#include "platform/saved_rectangle.h"
#include "platform/surface.h"
#include "platform/surface_geometry.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace quintaro::platform {

enum class OpKind { Line, Outline, Filled, Fill, Text, Paint }; // Fill: the box alone, in the background colour

// One drawing step as it was asked for, with the drawing state it was drawn in.
struct DrawOp {
    OpKind kind = OpKind::Line;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // a painted rectangle's corner is (x1, y1)
    Rgb foreground, background;
    int lineWidth = 1;
    bool fill = true;
    MixMode mix = MixMode::Copy;
    TextBackground textBackground = TextBackground::Opaque;
    FontRequest font;
    std::string text;
    std::shared_ptr<const SavedRectangle> saved; // pixels only, never a drawing: no chains of drawings
    Box clip = kEverywhere;                      // a step painted back from a saved drawing stays in its box
};

// A step of this kind through the two corners, in the surface's current drawing state.
DrawOp opOf(OpKind kind, const Surface& s, int x1, int y1, int x2, int y2);

// Every game pixel a line or rectangle may touch.
Box boundsOf(const DrawOp& op);

// The steps that touched a saved rectangle, in order, over the colour the surface was cleared to.
struct SavedDrawing {
    Rgb base;
    Box box;
    std::vector<DrawOp> ops;
    std::vector<Box> bounds;
    const void* surface = nullptr; // where it was saved, and which save there it was
    std::uint64_t save = 0;
};

// What was drawn since the last clear, in order, and the game pixels each step may touch.
class DrawingSteps {
public:
    const std::vector<DrawOp>& ops() const { return ops_; }
    const std::vector<Box>& bounds() const { return bounds_; }

    // Forgets every step, and the last save with them.
    void clear() {
        lastSave_ = 0;
        ops_.clear();
        bounds_.clear();
        pruneAt_ = kFirstPrune;
    }

    // Keeps a step that was drawn on a surface of game pixels `whole`, touching at most b; now and then
    // drops those hidden by later ones. Returns true when even then too many are left: the caller must
    // hand over a copy of the pixels to replace them (becomeCopy).
    [[nodiscard]] bool keep(DrawOp op, Box b, const Box& whole) {
        b = b.cut(op.clip).cut(whole);
        if (b.empty()) return false;
        ops_.push_back(std::move(op));
        bounds_.push_back(b);
        return ops_.size() >= pruneAt_ && prune(whole);
    }

    // Replaces every step by one that paints these pixels of the whole surface; the last save is gone.
    void becomeCopy(SavedRectangle pixels, const Box& whole);

    // Starts a save of the box: the steps that touch it, in order, on the surface cleared to `base`.
    std::shared_ptr<SavedDrawing> save(const Box& box, Rgb base);

    // Takes the list back to the last save when its drawing is painted back where it came from (corner
    // (x, y)) and what was drawn since lies inside its box (it goes) or away from it (it stays); false,
    // and nothing changed, when it cannot.
    bool backToSave(const SavedDrawing& drawing, int x, int y);

private:
    // Past this many steps, once the hidden ones are dropped, the list gives way to a copy of the pixels:
    // memory stays bounded, and only a change of resolution after that shows the older drawing resampled.
    static constexpr std::size_t kMostKeptOps = 20000;
    // The hidden steps are dropped when the list has doubled since the last time, and not before this size.
    static constexpr std::size_t kFirstPrune = 2048;

    // Drops every step that a later one paints over completely; true when more than kMostKeptOps remain.
    bool prune(const Box& whole);

    std::vector<DrawOp> ops_;
    std::vector<Box> bounds_;
    std::size_t pruneAt_ = kFirstPrune;
    // The last save: its number (0 once the list no longer holds what it was) and how many steps the
    // list held then. Painted back where it was, it takes the list back there instead of adding to it.
    std::uint64_t lastSave_ = 0, saves_ = 0;
    std::size_t stepsAtSave_ = 0;
};

} // namespace quintaro::platform
