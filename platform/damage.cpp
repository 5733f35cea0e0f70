// The frame-to-frame comparison of the widget tree behind DamageTracker.
#include "platform/damage.h"

#include <algorithm>
#include <unordered_map>

#include "platform/application.h"
#include "platform/blit.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/paint_key.h"
#include "platform/report_box.h"

namespace {

constexpr ClipRect kScreen{0, 0, kScreenWidth, kScreenHeight};
// Damage is painted in whole cells of this many pixels a side.
constexpr int kCell = 32;
constexpr int kCellCols = (kScreenWidth + kCell - 1) / kCell;
constexpr int kCellRows = (kScreenHeight + kCell - 1) / kCell;
// Past this share of the screen (in percent) the whole screen is painted
// as one rectangle.
constexpr long kWholeScreenPercent = 90;

// Stands for the error report in the lists.
const char kReportBox = 0;

long Area(const ClipRect& r) { return Empty(r) ? 0 : static_cast<long>(r.x1 - r.x0) * (r.y1 - r.y0); }

bool Same(const ClipRect& a, const ClipRect& b) { return a.x0 == b.x0 && a.y0 == b.y0 && a.x1 == b.x1 && a.y1 == b.y1; }

}  // namespace

void DamageTracker::List(const TForm& form, std::vector<Entry>& out) const {
    out.clear();
    // The same walk as the paint: hidden widgets and everything clipped
    // away paint nothing, children are clipped by their parent.
    struct Walker {
        std::vector<Entry>& out;
        void Walk(const TControl& c, const ClipRect& parentClip, int x, int y) {
            if (!c.Visible) return;
            ClipRect whole{x, y, x + c.Width, y + c.Height};
            ClipRect own = Intersect(parentClip, whole);
            if (Empty(own)) return;
            PaintKey key;
            c.AddPaintState(key);
            out.push_back({&c, own, whole, key.value});
            if (!c.IsWindowed()) return;
            for (const TControl* child : static_cast<const TWinControl&>(c).PaintOrder())
                Walk(*child, own, x + child->Left, y + child->Top);
        }
    } walker{out};
    if (form.Visible) {
        PaintKey key;
        form.AddPaintState(key);
        out.push_back({&form, kScreen, kScreen, key.value});
        for (const TControl* child : form.PaintOrder()) walker.Walk(*child, kScreen, child->Left, child->Top);
    }
    if (Application && Application->MainForm() == &form && !Application->ShownReports().empty()) {
        PaintKey key;
        key.Add(Application->Title);
        for (const AnsiString& m : Application->ShownReports()) key.Add(m);
        ClipRect box = ReportBoxRect(Application->ShownReports());
        out.push_back({&kReportBox, Intersect(kScreen, box), box, key.value});
    }
}

void DamageTracker::Damage(const ClipRect& r) {
    if (!Empty(r)) rects_.push_back(r);
}

const std::vector<ClipRect>& DamageTracker::Update(const TForm& form) {
    List(form, now_);
    rects_.clear();
    if (!valid_) {
        valid_ = true;
        rects_.push_back(kScreen);
        last_.swap(now_);
        return rects_;
    }
    // Mostly the same widgets show in the same order as before: then each
    // is compared with its old self by place, without the search below.
    bool sameOrder = now_.size() == last_.size();
    for (size_t i = 0; sameOrder && i < now_.size(); ++i) sameOrder = now_[i].who == last_[i].who;
    if (sameOrder) {
        for (size_t i = 0; i < now_.size(); ++i) {
            const Entry &was = last_[i], &e = now_[i];
            if (!Same(was.rect, e.rect) || !Same(was.whole, e.whole) || was.key != e.key) {
                Damage(was.rect);
                Damage(e.rect);
            }
        }
        last_.swap(now_);
        Merge();
        return rects_;
    }
    // Old place of each widget still showing.
    std::unordered_map<const void*, int> oldAt;
    oldAt.reserve(last_.size() * 2);
    for (size_t i = 0; i < last_.size(); ++i) oldAt.emplace(last_[i].who, static_cast<int>(i));
    keep_.assign(last_.size(), false);
    order_.clear();
    steady_.clear();
    for (const Entry& e : now_) {
        auto it = oldAt.find(e.who);
        if (it == oldAt.end()) {
            Damage(e.rect);
            continue;
        }
        const Entry& was = last_[it->second];
        keep_[it->second] = true;
        if (!Same(was.rect, e.rect) || !Same(was.whole, e.whole) || was.key != e.key) {
            Damage(was.rect);
            Damage(e.rect);
        }
        order_.push_back(it->second);
    }
    for (size_t i = 0; i < last_.size(); ++i)
        if (!keep_[i]) Damage(last_[i].rect);

    // Restacking: the widgets kept in the same relative order are the
    // longest increasing run of old places in the new order; every other
    // widget changed places with some widget and is damaged where it was
    // and where it is (their overlap is all that can look different).
    const int n = static_cast<int>(order_.size());
    tails_.clear();
    tailAt_.clear();
    prev_.assign(n, -1);
    for (int i = 0; i < n; ++i) {
        auto pos = std::lower_bound(tails_.begin(), tails_.end(), order_[i]);
        size_t k = static_cast<size_t>(pos - tails_.begin());
        if (k > 0) prev_[i] = tailAt_[k - 1];
        if (pos == tails_.end()) {
            tails_.push_back(order_[i]);
            tailAt_.push_back(i);
        } else {
            *pos = order_[i];
            tailAt_[k] = i;
        }
    }
    if (static_cast<int>(tails_.size()) < n) {
        steady_.assign(n, 0);  // 1 where the widget kept its relative order
        for (int i = tailAt_.empty() ? -1 : tailAt_.back(); i >= 0; i = prev_[i]) steady_[i] = 1;
        int i = 0;
        for (const Entry& e : now_) {
            auto it = oldAt.find(e.who);
            if (it == oldAt.end()) continue;
            if (!steady_[i++]) {
                Damage(last_[it->second].rect);
                Damage(e.rect);
            }
        }
    }
    last_.swap(now_);
    Merge();
    return rects_;
}

void DamageTracker::Merge() {
    if (rects_.empty()) return;
    // The damage is gathered on a grid of cells and painted as runs of
    // damaged cells, which stay apart where the screen between them did not
    // change (a scrolling street above an unchanged dashboard) at a cost
    // bounded by the grid, however many widgets moved.
    cells_.assign(static_cast<size_t>(kCellCols) * kCellRows, 0);
    for (const ClipRect& r0 : rects_) {
        const ClipRect r = Intersect(r0, kScreen);
        if (Empty(r)) continue;
        for (int cy = r.y0 / kCell; cy <= (r.y1 - 1) / kCell; ++cy)
            std::fill_n(cells_.begin() + cy * kCellCols + r.x0 / kCell, (r.x1 - 1) / kCell - r.x0 / kCell + 1, 1);
    }
    rects_.clear();
    long total = 0;
    for (int cy = 0; cy < kCellRows; ++cy) {
        const int y0 = cy * kCell, y1 = y0 + kCell;
        for (int cx = 0; cx < kCellCols;) {
            if (!cells_[cy * kCellCols + cx]) {
                ++cx;
                continue;
            }
            const int start = cx;
            while (cx < kCellCols && cells_[cy * kCellCols + cx]) ++cx;
            const ClipRect run{start * kCell, y0, cx * kCell, y1};
            total += Area(run);
            // A run under one of the same width in the row above extends it.
            auto above = std::find_if(rects_.begin(), rects_.end(), [&](const ClipRect& o) {
                return o.y1 == y0 && o.x0 == run.x0 && o.x1 == run.x1;
            });
            if (above != rects_.end())
                above->y1 = y1;
            else
                rects_.push_back(run);
        }
    }
    if (total * 100 >= Area(kScreen) * kWholeScreenPercent) rects_.assign(1, kScreen);
}
