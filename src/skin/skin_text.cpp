#include "skin/skin_text.h"

#include <sstream>

namespace vesk::skin {
namespace {

bool ParsePoint(const std::string& word, Point& p) {
    const auto comma = word.find(',');
    if (comma == std::string::npos) return false;
    try {
        std::size_t used = 0;
        p.x = std::stoi(word.substr(0, comma), &used);
        if (used != comma) return false;
        const std::string y = word.substr(comma + 1);
        p.y = std::stoi(y, &used);
        return used == y.size();
    } catch (const std::exception&) {
        return false;
    }
}

bool ParsePoints(std::istringstream& in, std::vector<Point>& points) {
    std::string word;
    while (in >> word) {
        Point p;
        if (!ParsePoint(word, p)) return false;
        points.push_back(p);
    }
    return true;
}

bool ParseRect(std::istringstream& in, Rect& r) {
    std::string rest;
    return static_cast<bool>(in >> r.Left >> r.Top >> r.Right >> r.Bottom) && !(in >> rest);
}

void FormatPoints(std::ostream& out, const char* name, const std::vector<Point>& points) {
    out << name;
    for (Point p : points) out << ' ' << p.x << ',' << p.y;
    out << '\n';
}

void FormatRect(std::ostream& out, const std::string& name, const Rect& r) {
    out << name << ' ' << r.Left << ' ' << r.Top << ' ' << r.Right << ' ' << r.Bottom << '\n';
}

}  // namespace

SkinTextResult ParseSkinDescription(const std::string& text, SkinDescription& d) {
    d = {};
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    auto fail = [&](std::string why) { return SkinTextResult{false, number, std::move(why)}; };
    while (std::getline(lines, line)) {
        ++number;
        std::istringstream in(line);
        std::string item;
        if (!(in >> item) || item[0] == '#') continue;
        SkinFile& g = d.geometry;
        Rect* rect = item == "drag" ? &g.drag : item == "about" ? &g.about : item == "status" ? &g.status
                   : item == "minimize" ? &g.minimize : item == "close" ? &g.close
                   : item == "selector" ? &g.selector : nullptr;
        if (rect) {
            if (!ParseRect(in, *rect)) return fail("expected four numbers: Left Top Right Bottom");
        } else if (item == "command") {
            std::size_t n = 0;
            if (!(in >> n) || n < 1 || n > kCommandRectCount) return fail("command number must be 1 to 14");
            if (!ParseRect(in, g.commands[n - 1])) return fail("expected: command N Left Top Right Bottom");
        } else if (item == "outline") {
            if (!ParsePoints(in, g.outline)) return fail("points are written x,y");
            if (g.outline.size() > kMaxOutlinePoints) return fail("more than 151 outline points");
        } else if (item == "polygon") {
            if (g.polygons.size() == kMaxSelectorPolygons) return fail("more than 9 selector polygons");
            g.polygons.emplace_back();
            if (!ParsePoints(in, g.polygons.back())) return fail("points are written x,y");
            if (g.polygons.back().size() > kMaxSelectorPoints) return fail("more than 51 points in a polygon");
        } else if (item == "reserved") {
            std::string rest;
            if (!(in >> g.reserved.x >> g.reserved.y) || (in >> rest)) return fail("expected: reserved x y");
        } else if (item == "main-image" || item == "dialog-image") {
            std::string file;
            std::getline(in >> std::ws, file);
            if (file.empty()) return fail("image file name missing");
            (item == "main-image" ? d.mainImageFile : d.dialogImageFile) = file;
        } else {
            return fail("unknown item '" + item + "'");
        }
    }
    if (d.mainImageFile.empty() || d.dialogImageFile.empty()) {
        return {false, number, "main-image and dialog-image are required"};
    }
    return {};
}

std::string FormatSkinDescription(const SkinDescription& d) {
    const SkinFile& g = d.geometry;
    std::ostringstream out;
    FormatPoints(out, "outline", g.outline);
    FormatRect(out, "drag", g.drag);
    FormatRect(out, "about", g.about);
    FormatRect(out, "status", g.status);
    FormatRect(out, "minimize", g.minimize);
    FormatRect(out, "close", g.close);
    for (std::size_t i = 0; i < g.commands.size(); ++i) FormatRect(out, "command " + std::to_string(i + 1), g.commands[i]);
    FormatRect(out, "selector", g.selector);
    for (const auto& polygon : g.polygons) FormatPoints(out, "polygon", polygon);
    out << "reserved " << g.reserved.x << ' ' << g.reserved.y << '\n';
    out << "main-image " << d.mainImageFile << '\n';
    out << "dialog-image " << d.dialogImageFile << '\n';
    return out.str();
}

}  // namespace vesk::skin
