#include "screens/reference/document.h"

namespace screens::doc {

namespace {

// CJK faces first where they draw every sign; DejaVu Sans before WenQuanYi
// Micro Hei, whose ℃ is an empty glyph, so that the CJK text comes from
// WenQuanYi and ℃, ≥, φ, ², η from DejaVu.
constexpr std::string_view head =
    "<html><head><style>"
    "body { font-family: \"Noto Sans CJK SC\", \"Source Han Sans SC\", \"DejaVu Sans\", \"WenQuanYi Micro Hei\","
    " \"Microsoft YaHei\", sans-serif;"
    " font-size: 11pt; color: #000000; background-color: #ffffff; }"
    "h2 { font-size: 15pt; font-weight: bold; text-align: center; margin-top: 8px; margin-bottom: 10px; }"
    "table { border-collapse: collapse; border-color: #606060; }"
    "th { background-color: #d9d9d9; font-weight: bold; text-align: center; vertical-align: middle; }"
    "td { vertical-align: middle; }"
    "p.note { font-size: 10pt; margin-top: 8px; }"
    "</style></head><body>";

void cell(std::string& out, const char* tag, const Cell& c, const char* align)
{
    out += '<';
    out += tag;
    if (c.rowSpan > 1) out += " rowspan=\"" + std::to_string(c.rowSpan) + "\"";
    if (c.colSpan > 1) out += " colspan=\"" + std::to_string(c.colSpan) + "\"";
    if (std::string_view(tag) == "th") out += " bgcolor=\"#d9d9d9\"";
    if (align) {
        out += " align=\"";
        out += align;
        out += '"';
    }
    out += '>';
    out += escape(c.text);
    out += "</";
    out += tag;
    out += '>';
}

} // namespace

std::string escape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\n': out += "<br>"; break;
        default: out += ch;
        }
    }
    return out;
}

HtmlDocument::HtmlDocument(std::string_view title)
{
    body_ += "<h2>";
    body_ += escape(title);
    body_ += "</h2>";
}

void HtmlDocument::paragraph(std::string_view text)
{
    body_ += "<p class=\"note\">";
    body_ += escape(text);
    body_ += "</p>";
}

void HtmlDocument::table(const std::vector<Row>& headRows, const std::vector<Row>& bodyRows, std::string_view align,
                         int widthPercent)
{
    body_ += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"6\" align=\"center\" width=\"" +
             std::to_string(widthPercent) + "%\">";
    for (const Row& row : headRows) {
        body_ += "<tr>";
        for (const Cell& c : row) cell(body_, "th", c, nullptr);
        body_ += "</tr>";
    }
    // Columns still covered by a row span from above, so that alignment
    // follows the column a cell really stands in.
    std::vector<int> covered;
    for (const Row& row : bodyRows) {
        body_ += "<tr>";
        std::size_t col = 0;
        for (const Cell& c : row) {
            while (col < covered.size() && covered[col] > 0) ++col;
            const bool left = col < align.size() && align[col] == 'l';
            cell(body_, "td", c, left ? "left" : "center");
            if (covered.size() < col + c.colSpan) covered.resize(col + c.colSpan, 0);
            for (int k = 0; k < c.colSpan; ++k) covered[col + k] = c.rowSpan;
            col += c.colSpan;
        }
        for (int& n : covered)
            if (n > 0) --n;
        body_ += "</tr>";
    }
    body_ += "</table>";
}

std::string HtmlDocument::html() const
{
    std::string out(head);
    out += body_;
    out += "</body></html>";
    return out;
}

} // namespace screens::doc
