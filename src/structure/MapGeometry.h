// The geometry of image-map areas: reading and writing coordinate texts, drawing areas with
// the mouse, reshaping them, and the clipboard text of an area. No window is needed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::structure {

/// Shape numbers, as `TArea::Shape` and the editor's shape choice count them.
enum TMapShape : int { kPolygon = 0, kRectangle = 1, kCircle = 2 };

/// The integers of a coordinate text separated by ",", up to the first one that cannot be read
/// (an empty text or a trailing "," ends the list quietly).
std::vector<int> CoordValues(std::string_view text);
/// The values joined with "," and no spaces.
std::string CoordText(const std::vector<int>& values);
/// A rectangle of exactly four values becomes left,top,right,bottom; any other text (and any
/// other shape) is returned unchanged.
std::string NormalizeRect(std::string_view text, int shape);

/// Something to draw: an open line through points, a rectangle (left, top, right, bottom) or
/// a circle (centre x, centre y, radius; drawn with a small cross at the centre).
struct TOutline {
    enum Kind { None, Lines, Rect, Circle } Kind = None;
    std::vector<int> Values; ///< x,y pairs for Lines; four or three values otherwise
    bool operator==(const TOutline&) const = default;
};

/// The outline of an area's coordinate text: a polygon closed back to its first point (up to
/// the first incomplete pair), a rectangle of four values, a circle of three. None when the
/// values needed are missing.
TOutline AreaOutline(int shape, std::string_view coords);

enum class TMouseButton { Left, Right };

/// Drawing and editing one area with the mouse. The window forwards presses and moves in
/// picture pixels and draws `Overlay()` (in the edit pen) over the picture and the area.
class TMapGeometry {
public:
    int Shape = kPolygon;
    std::string Coords;    ///< the coordinate text the editor shows
    bool EditMode = false; ///< false: presses draw a new area; true: they reshape it

    /// Forgets a drawing or edit in progress (the text stays).
    void Reset();
    /// A press on the picture; may change `Coords` and `EditMode`.
    void Press(TMouseButton button, int x, int y);
    void Move(int x, int y);
    /// A drawing or an edit is in progress: the controls outside the picture stay disabled.
    bool Busy() const { return drawing_ || state_ != 0; }
    /// A new area is being drawn: its points so far form an open line.
    bool Drawing() const { return drawing_; }
    /// The edit state: 0 none, 1-4 rectangle corner or circle move (1) / resize (2), 5 moving
    /// a rectangle, 6-9 its top, right, bottom, left edge; polygon vertices use 1.
    int EditState() const { return state_; }
    /// The rubber band for the last mouse position.
    TOutline Overlay() const;

private:
    void PressDrawing(TMouseButton button, int x, int y);
    void StartEdit(int x, int y);
    void FinishEdit(int x, int y);
    std::vector<int> EditedRect(int x, int y) const;
    void FinishDrawing();

    bool drawing_ = false;
    int originX_ = 0, originY_ = 0; ///< first point of a drawing
    int prevX_ = 0, prevY_ = 0;     ///< last point of a polygon being drawn
    int mouseX_ = 0, mouseY_ = 0;
    int state_ = 0;
    std::vector<int> values_; ///< the values when the edit started
    std::size_t vertex_ = 0;  ///< the polygon vertex being moved
    int grabX_ = 0, grabY_ = 0;
};

/// Index of the polygon vertex nearest to a point (distance rounded to an integer, the first
/// wins among equal ones); the values hold x,y pairs.
std::size_t NearestVertex(const std::vector<int>& values, int x, int y);
/// The rectangle edit state (1-9) of a press on l,t,r,b; see TMapGeometry::EditState.
int RectHit(const std::vector<int>& rect, int x, int y);

/// The fields of an area that travel through the clipboard (the name does not).
struct TAreaFields {
    int Shape = kPolygon;
    std::string Coords, Href, AccessKey, TabIndex, Target;
    bool NoHref = false;
    bool operator==(const TAreaFields&) const = default;
};

/// The clipboard text: "%", the shape digit, then the coordinates, HREF, access key, tab
/// index, target and "n" for NoHref, separated by the Windows-1250 byte A7 ("§").
std::string AreaClipboardText(const TAreaFields& fields);
/// The fields of a clipboard text; nothing when the text is not an area.
std::optional<TAreaFields> ParseAreaClipboard(std::string_view text);
/// Whether a clipboard text may be pasted as an area (it begins with "%").
bool LooksLikeArea(std::string_view text);

} // namespace zn::structure
