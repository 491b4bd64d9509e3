// Coordinate texts, mouse drawing and reshaping of map areas, and their clipboard text.
#include "structure/MapGeometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zn::structure {
namespace {

constexpr char kSeparator = '\xA7'; // "§" in Windows-1250

int Distance(int x1, int y1, int x2, int y2) {
    return static_cast<int>(std::lround(std::hypot(double(x2 - x1), double(y2 - y1))));
}

std::vector<int> Normalized(const std::vector<int>& r) {
    return {std::min(r[0], r[2]), std::min(r[1], r[3]), std::max(r[0], r[2]), std::max(r[1], r[3])};
}

void DropTrailingComma(std::string& text) {
    if (!text.empty() && text.back() == ',') {
        text.pop_back();
    }
}

} // namespace

std::vector<int> CoordValues(std::string_view text) {
    std::vector<int> values;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view item = text.substr(start, end - start);
        if (!item.empty() && item.front() == '+') {
            item.remove_prefix(1);
        }
        int value = 0;
        const auto [rest, error] = std::from_chars(item.data(), item.data() + item.size(), value);
        if (item.empty() || error != std::errc() || rest != item.data() + item.size()) {
            break;
        }
        values.push_back(value);
        start = end + 1;
    }
    return values;
}

std::string CoordText(const std::vector<int>& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        text += (i > 0 ? "," : "") + std::to_string(values[i]);
    }
    return text;
}

std::string NormalizeRect(std::string_view text, int shape) {
    const std::vector<int> values = CoordValues(text);
    if (shape != kRectangle || values.size() != 4) {
        return std::string(text);
    }
    return CoordText(Normalized(values));
}

TOutline AreaOutline(int shape, std::string_view coords) {
    std::vector<int> values = CoordValues(coords);
    if (shape == kRectangle && values.size() >= 4) {
        values.resize(4);
        return {TOutline::Rect, values};
    }
    if (shape == kCircle && values.size() >= 3) {
        values.resize(3);
        return {TOutline::Circle, values};
    }
    if (shape != kPolygon || values.size() < 2) {
        return {};
    }
    values.resize(values.size() / 2 * 2);
    values.push_back(values[0]);
    values.push_back(values[1]);
    return {TOutline::Lines, values};
}

std::size_t NearestVertex(const std::vector<int>& values, int x, int y) {
    std::size_t best = 0;
    int bestDistance = -1;
    for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
        const int d = Distance(values[i], values[i + 1], x, y);
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i / 2;
        }
    }
    return best;
}

int RectHit(const std::vector<int>& r, int x, int y) {
    const int left = r[0], top = r[1], right = r[2], bottom = r[3];
    const int m = static_cast<int>(std::lround(0.2 * std::abs(right - left)));
    const int n = static_cast<int>(std::lround(0.2 * std::abs(bottom - top)));
    const bool insideX = left + m < x && x < right - m;
    const bool insideY = top + n < y && y < bottom - n;
    if (insideX && insideY) {
        return 5;
    }
    if (insideX && y < top + n) {
        return 6;
    }
    if (x > right - m && insideY) {
        return 7;
    }
    if (insideX && y > bottom - n) {
        return 8;
    }
    if (x < left + m && insideY) {
        return 9;
    }
    // The nearest corner; on equal distances the later one.
    const int corners[4][2] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    int best = 1;
    long long bestDistance = -1;
    for (int i = 0; i < 4; ++i) {
        const long long dx = x - corners[i][0], dy = y - corners[i][1];
        const long long d = dx * dx + dy * dy;
        if (bestDistance < 0 || d <= bestDistance) {
            bestDistance = d;
            best = i + 1;
        }
    }
    return best;
}

void TMapGeometry::Reset() {
    drawing_ = false;
    state_ = 0;
}

void TMapGeometry::Press(TMouseButton button, int x, int y) {
    mouseX_ = x;
    mouseY_ = y;
    if (!EditMode) {
        PressDrawing(button, x, y);
    } else if (state_ == 0) {
        StartEdit(x, y);
    } else {
        FinishEdit(x, y);
    }
}

void TMapGeometry::PressDrawing(TMouseButton button, int x, int y) {
    const std::string point = std::to_string(x) + "," + std::to_string(y) + ",";
    if (!drawing_) {
        if (button == TMouseButton::Left) {
            drawing_ = true;
            originX_ = prevX_ = x;
            originY_ = prevY_ = y;
            Coords = point;
        }
        return;
    }
    if (button == TMouseButton::Right) {
        if (Shape == kPolygon) {
            FinishDrawing();
        } else {
            Coords.clear();
            drawing_ = false;
        }
        return;
    }
    if (Shape == kPolygon) {
        Coords += point;
        prevX_ = x;
        prevY_ = y;
    } else if (Shape == kRectangle) {
        Coords += point;
        FinishDrawing();
    } else {
        Coords += std::to_string(std::max(std::abs(x - originX_), std::abs(y - originY_)));
        FinishDrawing();
    }
}

void TMapGeometry::FinishDrawing() {
    DropTrailingComma(Coords);
    Coords = NormalizeRect(Coords, Shape);
    drawing_ = false;
    EditMode = true;
}

void TMapGeometry::StartEdit(int x, int y) {
    values_ = CoordValues(Coords);
    if (Shape == kPolygon && values_.size() >= 4) {
        values_.resize(values_.size() / 2 * 2);
        vertex_ = NearestVertex(values_, x, y);
        state_ = 1;
    } else if (Shape == kRectangle && values_.size() == 4) {
        state_ = RectHit(values_, x, y);
        grabX_ = x - values_[0];
        grabY_ = y - values_[1];
    } else if (Shape == kCircle && values_.size() == 3) {
        state_ = Distance(values_[0], values_[1], x, y) >= values_[2] / 2 ? 2 : 1;
    }
}

std::vector<int> TMapGeometry::EditedRect(int x, int y) const {
    std::vector<int> r = values_;
    switch (state_) {
    case 1:
        r[0] = x, r[1] = y;
        break;
    case 2:
        r[2] = x, r[1] = y;
        break;
    case 3:
        r[2] = x, r[3] = y;
        break;
    case 4:
        r[0] = x, r[3] = y;
        break;
    case 5:
        r[0] = x - grabX_, r[1] = y - grabY_;
        r[2] = r[0] + values_[2] - values_[0], r[3] = r[1] + values_[3] - values_[1];
        break;
    case 6:
        r[1] = y;
        break;
    case 7:
        r[2] = x;
        break;
    case 8:
        r[3] = y;
        break;
    case 9:
        r[0] = x;
        break;
    default:
        break;
    }
    return r;
}

void TMapGeometry::FinishEdit(int x, int y) {
    std::vector<int> values = values_;
    if (Shape == kPolygon) {
        values[2 * vertex_] = x;
        values[2 * vertex_ + 1] = y;
    } else if (Shape == kRectangle) {
        values = Normalized(EditedRect(x, y));
    } else if (state_ == 1) {
        values = {x, y, values_[2]};
    } else {
        values = {values_[0], values_[1], Distance(values_[0], values_[1], x, y)};
    }
    Coords = CoordText(values);
    state_ = 0;
}

void TMapGeometry::Move(int x, int y) {
    mouseX_ = x;
    mouseY_ = y;
}

TOutline TMapGeometry::Overlay() const {
    const int x = mouseX_, y = mouseY_;
    if (drawing_) {
        if (Shape == kPolygon) {
            return {TOutline::Lines, {prevX_, prevY_, x, y}};
        }
        if (Shape == kRectangle) {
            return {TOutline::Rect, Normalized({originX_, originY_, x, y})};
        }
        return {TOutline::Circle,
                {originX_, originY_, std::max(std::abs(x - originX_), std::abs(y - originY_))}};
    }
    if (state_ == 0) {
        return {};
    }
    if (Shape == kPolygon) {
        const std::size_t count = values_.size() / 2;
        const std::size_t before = (vertex_ + count - 1) % count, after = (vertex_ + 1) % count;
        return {TOutline::Lines,
                {values_[2 * before], values_[2 * before + 1], x, y, values_[2 * after],
                 values_[2 * after + 1]}};
    }
    if (Shape == kRectangle) {
        return {TOutline::Rect, Normalized(EditedRect(x, y))};
    }
    if (state_ == 1) {
        return {TOutline::Circle, {x, y, values_[2]}};
    }
    return {TOutline::Circle, {values_[0], values_[1], Distance(values_[0], values_[1], x, y)}};
}

std::string AreaClipboardText(const TAreaFields& f) {
    std::string text = "%" + std::to_string(f.Shape);
    for (const std::string* field : {&f.Coords, &f.Href, &f.AccessKey, &f.TabIndex, &f.Target}) {
        text += *field + kSeparator;
    }
    return text + (f.NoHref ? "n" : "");
}

bool LooksLikeArea(std::string_view text) {
    return !text.empty() && text.front() == '%';
}

std::optional<TAreaFields> ParseAreaClipboard(std::string_view text) {
    if (!LooksLikeArea(text) || text.size() < 2 || text[1] < '0' || text[1] > '2') {
        return std::nullopt;
    }
    TAreaFields fields;
    fields.Shape = text[1] - '0';
    text.remove_prefix(2);
    for (std::string* field :
         {&fields.Coords, &fields.Href, &fields.AccessKey, &fields.TabIndex, &fields.Target}) {
        const std::size_t end = text.find(kSeparator);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        *field = std::string(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    fields.NoHref = text == "n";
    return fields;
}

} // namespace zn::structure
