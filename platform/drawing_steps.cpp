// The kept drawing steps: their bounds, the pruning of hidden steps, and saves taken back.
#include "platform/drawing_steps.h"

#include <algorithm>

namespace quintaro::platform {

namespace {

// The box a step paints over completely, whatever was there; empty for the others.
Box coverOf(const DrawOp& op, const Box& bounds) {
    if ((op.kind == OpKind::Filled && op.fill && op.mix == MixMode::Copy) || op.kind == OpKind::Fill)
        return spanning(op.x1, op.y1, op.x2, op.y2).cut(op.clip);
    if (op.kind == OpKind::Paint) return bounds;
    return kNoBox;
}

// The later covers while the list is walked backwards, filed by 64-pixel tiles: a step is hidden when a
// cover filed under the tile of its top-left corner holds it.
class CoverIndex {
public:
    CoverIndex(int width, int height)
        : columns_(width / kTile + 1), rows_(height / kTile + 1), tiles_(columns_ * rows_) {}

    bool hides(const Box& b) const {
        for (const Box& cover : tiles_[tileOf(b.left, b.top)])
            if (cover.contains(b)) return true;
        return false;
    }

    void add(const Box& cover) {
        for (int r = row(cover.top); r <= row(cover.bottom); ++r)
            for (int c = column(cover.left); c <= column(cover.right); ++c)
                tiles_[std::size_t(r) * columns_ + c].push_back(cover);
    }

private:
    static constexpr int kTile = 64;
    int column(int x) const { return std::clamp(x / kTile, 0, columns_ - 1); }
    int row(int y) const { return std::clamp(y / kTile, 0, rows_ - 1); }
    std::size_t tileOf(int x, int y) const { return std::size_t(row(y)) * columns_ + column(x); }
    int columns_, rows_;
    std::vector<std::vector<Box>> tiles_;
};

} // namespace

DrawOp opOf(OpKind kind, const Surface& s, int x1, int y1, int x2, int y2) {
    DrawOp op;
    op.kind = kind;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
    op.foreground = s.foreground();
    op.background = s.background();
    op.lineWidth = s.lineWidth();
    op.fill = s.fill();
    op.mix = s.mixMode();
    op.textBackground = s.textBackground();
    return op;
}

Box boundsOf(const DrawOp& op) {
    const int before = op.lineWidth / 2, after = (op.lineWidth - 1) / 2;
    const Box b = spanning(op.x1, op.y1, op.x2, op.y2);
    return {b.left - before, b.top - before, b.right + after, b.bottom + after};
}

bool DrawingSteps::prune(const Box& whole) {
    const int width = whole.right + 1, height = whole.bottom + 1;
    CoverIndex covers(width, height);
    std::vector<bool> hidden(ops_.size(), false);
    for (std::size_t i = ops_.size(); i-- > 0;) {
        // What the last save holds is dropped only where it was hidden when it was saved.
        if (lastSave_ != 0 && i + 1 == stepsAtSave_) covers = CoverIndex(width, height);
        if (covers.hides(bounds_[i])) {
            hidden[i] = true;
            continue;
        }
        if (const Box cover = coverOf(ops_[i], bounds_[i]); !cover.empty()) covers.add(cover);
    }
    std::size_t kept = 0, keptAtSave = 0;
    for (std::size_t i = 0; i < ops_.size(); ++i) {
        if (i == stepsAtSave_) keptAtSave = kept;
        if (hidden[i]) continue;
        if (kept != i) {
            ops_[kept] = std::move(ops_[i]);
            bounds_[kept] = bounds_[i];
        }
        ++kept;
    }
    stepsAtSave_ = stepsAtSave_ >= ops_.size() ? kept : keptAtSave;
    ops_.resize(kept);
    bounds_.resize(kept);
    pruneAt_ = std::max(kFirstPrune, 2 * ops_.size());
    return ops_.size() > kMostKeptOps;
}

void DrawingSteps::becomeCopy(SavedRectangle pixels, const Box& whole) {
    lastSave_ = 0;
    DrawOp copy;
    copy.kind = OpKind::Paint;
    copy.saved = std::make_shared<const SavedRectangle>(std::move(pixels));
    ops_.assign(1, std::move(copy));
    bounds_.assign(1, whole);
    pruneAt_ = kFirstPrune;
}

std::shared_ptr<SavedDrawing> DrawingSteps::save(const Box& box, Rgb base) {
    auto drawing = std::make_shared<SavedDrawing>();
    drawing->base = base;
    drawing->box = box;
    drawing->surface = this;
    drawing->save = lastSave_ = ++saves_;
    stepsAtSave_ = ops_.size();
    for (std::size_t i = 0; i < ops_.size(); ++i)
        if (bounds_[i].meets(box)) {
            drawing->ops.push_back(ops_[i]);
            drawing->bounds.push_back(bounds_[i]);
        }
    return drawing;
}

bool DrawingSteps::backToSave(const SavedDrawing& drawing, int x, int y) {
    if (drawing.surface != this || drawing.save != lastSave_ || lastSave_ == 0 || x != drawing.box.left ||
        y != drawing.box.top || stepsAtSave_ > ops_.size())
        return false;
    for (std::size_t i = stepsAtSave_; i < ops_.size(); ++i)
        if (bounds_[i].meets(drawing.box) && !drawing.box.contains(bounds_[i])) return false;
    std::size_t kept = stepsAtSave_;
    for (std::size_t i = stepsAtSave_; i < ops_.size(); ++i) {
        if (drawing.box.contains(bounds_[i])) continue;
        ops_[kept] = std::move(ops_[i]);
        bounds_[kept++] = bounds_[i];
    }
    ops_.resize(kept);
    bounds_.resize(kept);
    return true;
}

} // namespace quintaro::platform
