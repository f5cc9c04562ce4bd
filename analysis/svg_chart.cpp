#include "analysis/svg_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lotto {

namespace {

constexpr double Width = 960, Height = 520;
constexpr double Left = 96, Right = 24, Top = 56, Bottom = 120;
constexpr double PlotWidth = Width - Left - Right, PlotHeight = Height - Top - Bottom;

std::string num(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

// A tick label: whole numbers plainly, others with up to three significant digits.
std::string tick_text(double v) {
    char text[32];
    if (std::abs(v - std::round(v)) < 1e-9 && std::abs(v) < 1e15)
        std::snprintf(text, sizeof text, "%.0f", v);
    else
        std::snprintf(text, sizeof text, "%.3g", v);
    return text;
}

// A step of 1, 2 or 5 times a power of ten giving about five ticks up to top.
double nice_step(double top) {
    const double raw = top / 5, power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (raw <= m * power) return m * power;
    return 10 * power;
}

class Scale {
  public:
    Scale(const BarChart& c) : log_(c.log_scale) {
        double top = 0;
        for (const ChartBar& b : c.bars)
            top = std::max(
                {top, b.value, b.expected.value_or(0), b.high.value_or(0), b.second.value_or(0)});
        if (log_) {
            decades_ = std::max(1.0, std::ceil(std::log10(std::max(top, 1.0))));
        } else {
            step_ = nice_step(top > 0 ? top : 1);
            if (c.whole_ticks) step_ = std::max(step_, 1.0);
            top_ = std::ceil(top / step_) * step_;
            if (top_ <= 0) top_ = step_;
        }
    }
    // The y coordinate of a value.
    double y(double v) const {
        const double share = log_ ? std::log10(std::max(v, 1.0)) / decades_ : v / top_;
        return Top + PlotHeight * (1 - std::clamp(share, 0.0, 1.0));
    }
    std::vector<double> ticks() const {
        std::vector<double> t;
        if (log_)
            for (int i = 0; i <= decades_; ++i) t.push_back(std::pow(10.0, i));
        else
            for (double v = 0; v <= top_ + step_ / 2; v += step_) t.push_back(v);
        return t;
    }

  private:
    bool log_;
    double top_ = 1, step_ = 1, decades_ = 1;
};

void text(std::string& svg, double x, double y, std::string_view anchor, std::string_view content,
          std::string_view extra = "") {
    svg += "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" text-anchor=\"" + std::string(anchor) +
           "\"" + std::string(extra) + ">" + xml_escaped(content) + "</text>\n";
}

void rect(std::string& svg, std::string_view cls, double x, double y, double w, double h) {
    svg += "<rect class=\"" + std::string(cls) + "\" x=\"" + num(x) + "\" y=\"" + num(y) +
           "\" width=\"" + num(w) + "\" height=\"" + num(std::max(h, 0.0)) + "\"/>\n";
}

void line(std::string& svg, std::string_view cls, double x1, double y1, double x2, double y2) {
    svg += "<line class=\"" + std::string(cls) + "\" x1=\"" + num(x1) + "\" y1=\"" + num(y1) +
           "\" x2=\"" + num(x2) + "\" y2=\"" + num(y2) + "\"/>\n";
}

} // namespace

std::string xml_escaped(std::string_view text) {
    std::string out;
    for (char c : text) switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default: out += c;
        }
    return out;
}

std::string svg_document(const BarChart& c) {
    const Scale scale(c);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      num(Width) + "\" height=\"" + num(Height) + "\" viewBox=\"0 0 " + num(Width) +
                      " " + num(Height) + "\">\n";
    svg += "<title>" + xml_escaped(c.title) + "</title>\n";
    svg += "<style>text{font-family:sans-serif;font-size:12px;fill:#222}"
           ".title{font-size:18px;font-weight:bold}.mark{fill:#4a7ab5}"
           ".band{fill:#f2c14e;fill-opacity:0.45}.expected{stroke:#c0392b;stroke-width:2}"
           ".second{stroke:#222;stroke-width:2}.axis{stroke:#222;stroke-width:1}"
           ".grid{stroke:#ddd;stroke-width:1}</style>\n";
    svg += "<rect x=\"0\" y=\"0\" width=\"" + num(Width) + "\" height=\"" + num(Height) +
           "\" fill=\"white\"/>\n";
    text(svg, Width / 2, 30, "middle", c.title, " class=\"title\"");
    for (double t : scale.ticks()) {
        const double y = scale.y(t);
        line(svg, "grid", Left, y, Left + PlotWidth, y);
        text(svg, Left - 6, y + 4, "end", tick_text(t));
    }
    const std::size_t n = std::max<std::size_t>(c.bars.size(), 1);
    const double slot = PlotWidth / double(n), bar = slot * 0.7;
    const bool turn = n > 20 || std::any_of(c.bars.begin(), c.bars.end(), [&](const ChartBar& b) {
                          return b.label.size() * 7.0 > slot;
                      });
    for (std::size_t i = 0; i < c.bars.size(); ++i) {
        const ChartBar& b = c.bars[i];
        const double x = Left + slot * double(i) + (slot - bar) / 2, mid = x + bar / 2;
        if (b.low && b.high)
            rect(svg, "band", x - slot * 0.1, scale.y(*b.high), bar + slot * 0.2,
                 scale.y(*b.low) - scale.y(*b.high));
        const double top = scale.y(b.value);
        rect(svg, "mark", x, top, bar, Top + PlotHeight - top);
        if (b.expected)
            line(svg, "expected", x - slot * 0.1, scale.y(*b.expected), x + bar + slot * 0.1,
                 scale.y(*b.expected));
        if (b.second) line(svg, "second", mid, scale.y(*b.second), x + bar, scale.y(*b.second));
        if (turn)
            text(svg, mid + 4, Top + PlotHeight + 10, "end", b.label,
                 " transform=\"rotate(-60 " + num(mid + 4) + " " + num(Top + PlotHeight + 10) +
                     ")\"");
        else
            text(svg, mid, Top + PlotHeight + 16, "middle", b.label);
    }
    line(svg, "axis", Left, Top, Left, Top + PlotHeight);
    line(svg, "axis", Left, Top + PlotHeight, Left + PlotWidth, Top + PlotHeight);
    text(svg, Left + PlotWidth / 2, Height - 44, "middle", c.x_label);
    text(svg, 16, Top + PlotHeight / 2, "middle", c.y_label,
         " transform=\"rotate(-90 16 " + num(Top + PlotHeight / 2) + ")\"");
    text(svg, Left + PlotWidth / 2, Height - 18, "middle", c.legend);
    svg += "</svg>\n";
    return svg;
}

} // namespace lotto
