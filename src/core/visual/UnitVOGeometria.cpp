#include "visual/UnitVOGeometria.h"

#include "visual/UnitVOElemento.h"

#include <algorithm>
#include <cmath>

namespace brelix {

namespace {

// Follows the cursor along one axis; see DragStep.
std::int32_t DragAxis(std::int32_t position, std::int32_t size, std::int32_t offset, std::int32_t cursor,
                      std::int32_t extent) {
    std::int64_t p = std::int64_t{position} + cursor - offset;
    p = std::min<std::int64_t>(p, std::int64_t{extent} - size - 5);
    p = std::max<std::int64_t>(p, 0);
    return static_cast<std::int32_t>(p / 5 * 5);
}

bool HitsSegment(TPonto a, TPonto b, TPonto p) {
    if (a.X != b.X) {
        if (p.X < std::min(a.X, b.X) || p.X > std::max(a.X, b.X)) return false;
        const double k = static_cast<double>(a.Y - b.Y) / static_cast<double>(a.X - b.X);
        return std::fabs(p.Y - (p.X * k + a.Y - a.X * k)) <= 3.0;
    }
    return std::abs(p.X - a.X) <= 3 && p.Y >= std::min(a.Y, b.Y) && p.Y <= std::max(a.Y, b.Y);
}

} // namespace

TDragStep DragStep(TPonto position, TPonto size, TPonto offset, TPonto cursor, std::int32_t docWidth,
                   std::int32_t docClientHeight) {
    TDragStep step;
    step.Position.X = DragAxis(position.X, size.X, offset.X, cursor.X, docWidth);
    step.Position.Y = DragAxis(position.Y, size.Y, offset.Y, cursor.Y, docClientHeight);
    step.Offset.X = offset.X + (step.Position.X - position.X);
    step.Offset.Y = offset.Y + (step.Position.Y - position.Y);
    return step;
}

TPonto PlacementByClick(TPonto click) {
    return {click.X / 5 * 5 - 5, click.Y / 5 * 5 - 5};
}

bool InsideSensitive(const TVisualObject& o, TPonto local) {
    const std::int32_t m = o.Margin();
    return local.X >= m && local.X < o.Width() - m && local.Y >= m && local.Y < o.Height() - m;
}

bool LabelVisible(const TVisualObject& o) {
    return !o.Lbl().empty() && (o.State() & kStateDragging) == 0;
}

TPonto LabelPosition(const TVisualObject& o, std::int32_t labelWidth, std::int32_t labelHeight) {
    const TPonto c = o.Centre();
    return {c.X - labelWidth / 2 + o.LblX(), c.Y - labelHeight / 2 + o.LblY()};
}

TPortHit HitPort(const TVOElemento& e, TPonto local) {
    if (!e.FixedPorts()) {
        if (!InsideSensitive(e, local)) return {};
        return {TPortHitKind::Port, 1};
    }
    bool busy = false;
    for (std::int32_t p = 1; p <= e.NumPorts(); ++p) {
        const TPortInfo info = e.GetPortInfo(p);
        const std::int32_t x = info.X - e.Left();
        const std::int32_t y = info.Y - e.Top();
        if (std::abs(local.X - x) > 3 || std::abs(local.Y - y) > 3) continue;
        if (e.ConnectionAt(p) == 0) return {TPortHitKind::Port, p};
        busy = true;
    }
    return busy ? TPortHit{TPortHitKind::Busy, 0} : TPortHit{};
}

bool PortPickAllowed(std::int32_t mode, TMouseButton button) {
    return button == TMouseButton::Right || (button == TMouseButton::Left && mode == kModeConectar);
}

bool HitTestPolyline(const std::vector<TPonto>& points, TPonto p) {
    for (std::size_t i = 1; i < points.size(); ++i)
        if (HitsSegment(points[i - 1], points[i], p)) return true;
    return false;
}

} // namespace brelix
