#include "core/events/timeline_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

#include "core/aspects/aspect_kinds.h"
#include "core/events/timeline_report.h"
#include "core/wheels/glyph_stack.h"

namespace helion {
namespace {

constexpr double kCaptionWidth = 200.0;
constexpr double kHeaderHeight = 46.0;
constexpr double kRightMargin = 16.0;
constexpr double kBottomMargin = 8.0;
constexpr double kSmallestRow = 24.0;
constexpr double kLargestRow = 32.0;
constexpr double kTitleSize = 10.0;  // points
constexpr double kCaptionSize = 9.0;
constexpr double kLabelSize = 7.0;
constexpr double kLabelCharWidth = 5.0;  // pixels, a generous guess for a 7-point character
constexpr double kMarkerHalfWidth = 1.5;
constexpr double kPointerReach = 3.0;  // a marker answers this far either side of its line
constexpr double kMonthLabelSpace = 30.0;
constexpr double kSmallestMonth = 3.0;
constexpr double kOneSecond = 1.0 / 86400.0;
constexpr double kDaysPerMonth = 30.44;  // on average

// The orb's outer third, middle third and the third nearest the hit.
constexpr std::array<int, 3> kOrbShades{palette::Cyan, palette::Teal, palette::Navy};
constexpr std::array<const char*, 3> kMoverTags{"", "Pr. ", "SA "};
constexpr std::array<const char*, 12> kMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Lunations and eclipses share the top row; then each moving body's own row (stations and
// ingresses) before its rows to the natal targets.
struct RowKey {
    int mover = -1;
    Point body = Point::Sun;
    std::optional<Point> target;
    friend auto operator<=>(const RowKey&, const RowKey&) = default;
};

RowKey rowOf(const Event& e) {
    switch (e.kind) {
        case EventKind::Aspect: return {static_cast<int>(e.mover), e.body, e.target};
        case EventKind::Station:
        case EventKind::SignIngress:
        case EventKind::HouseIngress: return {static_cast<int>(e.mover), e.body, std::nullopt};
        default: return {};
    }
}

std::string captionOf(const RowKey& key) {
    if (key.mover < 0) return "Lunations and eclipses";
    std::string caption =
        std::string(kMoverTags[static_cast<std::size_t>(key.mover)]) + std::string(pointName(key.body));
    if (key.target) caption += " - " + std::string(pointName(*key.target));
    return caption;
}

std::string lineText(const Event& e, double zoneHours) {
    const std::string line = timelineLine(e, zoneHours);
    return line.substr(line.find_first_not_of(' '));
}

// A marker's date: "12 Mar", or "12 Mar 2031" when the period spans more than a year.
std::string markerDate(double jdUt, const TimelinePictureInput& in) {
    constexpr double kYearDays = 366.0;
    const bool years = in.period.toJdUt - in.period.fromJdUt > kYearDays;
    return localMomentText(jdUt, in.zoneHours).substr(0, years ? 11 : 6);
}

long localDay(double jdUt, double zoneHours) { return static_cast<long>(std::floor(jdUt + 0.5 - zoneHours / 24.0)); }

double localMidnight(CalendarDate date, double zoneHours) { return periodOfLocalDays(date, date, zoneHours).fromJdUt; }

// How a marker is drawn: its colour, and the glyph or word its date follows.
struct MarkerLook {
    int colour = palette::Red;
    int glyph = 0;
    std::string name;
};

MarkerLook lookOf(const Event& e) {
    switch (e.kind) {
        case EventKind::Aspect: return {palette::Red, aspectGlyph(*e.aspect), ""};
        case EventKind::Station: return {palette::Magenta, 0, e.detail == "retrograde" ? "R " : "D "};
        case EventKind::SignIngress: return {palette::Blue, kFirstSignGlyph + e.sign, ""};
        case EventKind::HouseIngress: return {palette::Blue, 0, "H" + std::to_string(e.house) + " "};
        case EventKind::NewMoon: return {palette::Black, 0, "New "};
        case EventKind::FullMoon: return {palette::Grey, 0, "Full "};
        case EventKind::SolarEclipse: return {palette::Red, 0, "Sol. ecl. "};
        case EventKind::LunarEclipse: break;
    }
    return {palette::Red, 0, "Lun. ecl. "};
}

class PictureBuilder {
public:
    PictureBuilder(const TimelinePictureInput& in, std::size_t rowCount) : in_(in) {
        const double free = in.heightPixels - kHeaderHeight - kBottomMargin;
        const double rows = static_cast<double>(rowCount);
        rowHeight_ = std::clamp(free / std::max(1.0, rows), kSmallestRow, kLargestRow);
        height_ = std::max<double>(in.heightPixels, kHeaderHeight + rowHeight_ * rows + kBottomMargin);
        width_ = std::max<double>(in.widthPixels, kCaptionWidth + kRightMargin + 1.0);
        picture_.frame = {0.0, 0.0, width_, -height_};
        picture_.background = palette::White;
    }

    double x(double jd) const {
        const EventPeriod& p = in_.period;
        const double length = std::max(p.toJdUt - p.fromJdUt, kOneSecond);
        const double share = std::clamp((jd - p.fromJdUt) / length, 0.0, 1.0);
        return kCaptionWidth + share * (width_ - kCaptionWidth - kRightMargin);
    }
    double rowTop(std::size_t row) const { return -kHeaderHeight - rowHeight_ * static_cast<double>(row); }
    // The bar fills the lower part of the row; the labels sit above it.
    WheelBox barBox(std::size_t row, double fromJd, double toJd) const {
        const double top = rowTop(row);
        return {x(fromJd), top - rowHeight_ * 0.92, x(toJd), top - rowHeight_ * 0.45};
    }

    void add(WheelPrimitive p) { picture_.primitives.push_back(std::move(p)); }
    void text(WheelPoint at, std::string s, double size, int colour, bool bold = false) {
        add(TextShape{at, std::move(s), 0, size, colour, bold, TextAnchor::TopLeft});
    }
    void line(WheelPoint from, WheelPoint to, int colour) { add(LineShape{from, to, colour}); }
    void box(const WheelBox& b, int colour) { add(BoxShape{b, colour}); }

    void frameAndGrid(const std::vector<std::string>& rows);
    void orbPeriod(std::size_t row, const std::vector<const Event*>& hits);
    void marker(std::size_t row, const Event& e);
    void today();

    TimelinePicture finish(std::vector<std::string> rows) {
        picture_.rows = std::move(rows);
        return std::move(picture_);
    }

private:
    void monthGrid();
    void label(std::size_t row, double atX, int glyph, const std::string& s);

    const TimelinePictureInput& in_;
    double rowHeight_ = kSmallestRow;
    double width_ = 0.0;
    double height_ = 0.0;
    std::map<std::size_t, double> labelEnd_;  // per row, where its last label ends
    TimelinePicture picture_;
};

void PictureBuilder::frameAndGrid(const std::vector<std::string>& rows) {
    const double last = in_.period.toJdUt - kOneSecond;
    const auto date = [&](double jd) { return localMomentText(jd, in_.zoneHours).substr(0, 11); };
    text({8.0, -4.0}, "Timeline " + date(in_.period.fromJdUt) + " - " + date(last), kTitleSize, palette::Black, true);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double top = rowTop(r);
        line({0.0, top - rowHeight_}, {width_, top - rowHeight_}, palette::Silver);
        text({6.0, top - rowHeight_ * 0.3}, rows[r], kCaptionSize, palette::Black);
    }
    line({kCaptionWidth, -kHeaderHeight}, {kCaptionWidth, -height_}, palette::Black);
    monthGrid();
}

// Every how many years a year is named so that its names keep `room` pixels apart.
int yearStep(double yearWidth, double room) {
    int step = 1;
    for (const int next : {2, 5, 10, 20, 50, 100, 200, 500, 1000}) {
        if (yearWidth * step >= room) break;
        step = next;
    }
    return step;
}

// A line at the start of each month of the period, named where there is room: every
// month, or only the years (every so many) when the months crowd.
void PictureBuilder::monthGrid() {
    const EventPeriod& p = in_.period;
    const double monthWidth = (x(p.toJdUt) - x(p.fromJdUt)) / ((p.toJdUt - p.fromJdUt) / kDaysPerMonth);
    const bool monthsNamed = monthWidth >= kMonthLabelSpace;
    const int step = yearStep(12.0 * monthWidth, kMonthLabelSpace);
    CalendarDate month = calendarDate(localDay(p.fromJdUt, in_.zoneHours));
    month.day = 1;
    for (double jd = localMidnight(month, in_.zoneHours); jd < p.toJdUt;) {
        const bool january = month.month == 1;
        if (jd >= p.fromJdUt && (monthWidth >= kSmallestMonth || january)) {
            line({x(jd), -kHeaderHeight + 4.0}, {x(jd), -height_}, palette::Grey);
            std::string name = monthsNamed ? kMonthNames[static_cast<std::size_t>(month.month - 1)] : "";
            if (january && month.year % step == 0) name += (monthsNamed ? " " : "") + std::to_string(month.year);
            if (!name.empty()) text({x(jd) + 3.0, -kHeaderHeight + 16.0}, name, kLabelSize, palette::Black);
        }
        month = month.month == 12 ? CalendarDate{month.year + 1, 1, 1} : CalendarDate{month.year, month.month + 1, 1};
        jd = localMidnight(month, in_.zoneHours);
    }
}

// One orb period: the bar, then a band of each darker shade around every hit, reaching a
// third and two thirds of the way from the orb's edge (or the middle between two hits)
// to the hit. The shade thus follows the time to the exact hit.
void PictureBuilder::orbPeriod(std::size_t row, const std::vector<const Event*>& hits) {
    const Event& first = *hits.front();
    const double enter = first.enterJdUt.value_or(in_.period.fromJdUt);
    const double leave = first.leaveJdUt.value_or(in_.period.toJdUt);
    const WheelBox bar = barBox(row, enter, leave);
    box(bar, kOrbShades[0]);
    std::string text;
    for (const Event* e : hits) text += (text.empty() ? "" : "\n") + lineText(*e, in_.zoneHours);
    picture_.marks.push_back({bar, text});
    for (std::size_t h = 0; h < hits.size(); ++h) {
        const double at = hits[h]->jdUt;
        const double before = h == 0 ? at - enter : (at - hits[h - 1]->jdUt) / 2.0;
        const double after = h + 1 == hits.size() ? leave - at : (hits[h + 1]->jdUt - at) / 2.0;
        for (std::size_t shade = 1; shade < kOrbShades.size(); ++shade) {
            const double share = 1.0 - static_cast<double>(shade) / 3.0;
            box(barBox(row, at - before * share, at + after * share), kOrbShades[shade]);
        }
    }
}

// A label above the bar, left out where it would run into the row's previous one.
void PictureBuilder::label(std::size_t row, double atX, int glyph, const std::string& s) {
    const double width = (glyph != 0 ? 2.5 : 0.0) * kLabelCharWidth + static_cast<double>(s.size()) * kLabelCharWidth;
    double& end = labelEnd_[row];
    if (atX < end) return;
    // Near the right edge the label ends at the edge instead.
    const WheelPoint at{std::min(atX + 2.0, width_ - width), rowTop(row) - 1.0};
    if (glyph != 0) add(TextShape{at, "", glyph, kLabelSize + 1.0, palette::Black, false, TextAnchor::TopLeft});
    text({at.x + (glyph != 0 ? 2.5 * kLabelCharWidth : 0.0), at.y}, s, kLabelSize, palette::Black);
    end = at.x + width + 2.0;
}

// An exact hit, a station, an ingress, a lunation or an eclipse at its moment.
void PictureBuilder::marker(std::size_t row, const Event& e) {
    const double at = x(e.jdUt);
    WheelBox mark = barBox(row, e.jdUt, e.jdUt);
    mark.left = at - kMarkerHalfWidth;
    mark.right = at + kMarkerHalfWidth;
    mark.top += 2.0;
    mark.bottom -= 2.0;
    const MarkerLook look = lookOf(e);
    box(mark, look.colour);
    label(row, at, look.glyph, look.name + markerDate(e.jdUt, in_));
    mark.left = at - kPointerReach;
    mark.right = at + kPointerReach;
    picture_.marks.push_back({mark, lineText(e, in_.zoneHours)});
}

void PictureBuilder::today() {
    if (!in_.period.holds(in_.todayJdUt)) return;
    const double at = x(in_.todayJdUt);
    line({at, -kHeaderHeight + 4.0}, {at, -height_}, palette::Red);
    text({at + 3.0, -19.0}, "Today", kLabelSize, palette::Red, true);  // between the title and the month names
}

}  // namespace

TimelinePicture buildTimelinePicture(const TimelinePictureInput& in) {
    static const std::vector<Event> kNoEvents;
    const std::vector<Event>& events = in.events ? *in.events : kNoEvents;
    std::map<RowKey, std::vector<const Event*>> byRow;
    for (const Event& e : events) byRow[rowOf(e)].push_back(&e);
    std::vector<std::string> rows;
    for (const auto& [key, rowEvents] : byRow) rows.push_back(captionOf(key));

    PictureBuilder b(in, rows.size());
    b.frameAndGrid(rows);
    std::size_t row = 0;
    for (const auto& [key, rowEvents] : byRow) {
        // The hits of one orb period share its edges.
        std::map<std::tuple<Aspect, std::optional<double>, std::optional<double>>, std::vector<const Event*>> periods;
        for (const Event* e : rowEvents)
            if (e->kind == EventKind::Aspect) periods[{*e->aspect, e->enterJdUt, e->leaveJdUt}].push_back(e);
        for (const auto& [edges, hits] : periods) b.orbPeriod(row, hits);
        for (const Event* e : rowEvents) b.marker(row, *e);
        ++row;
    }
    b.today();
    return b.finish(std::move(rows));
}

const TimelineMark* timelineMarkAt(const TimelinePicture& picture, WheelPoint at) {
    for (auto mark = picture.marks.rbegin(); mark != picture.marks.rend(); ++mark) {
        const WheelBox& b = mark->box;
        if (at.x >= b.left && at.x <= b.right && at.y >= b.bottom && at.y <= b.top) return &*mark;
    }
    return nullptr;
}

}  // namespace helion
