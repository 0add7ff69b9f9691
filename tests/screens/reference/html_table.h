#pragma once
// A small reader for the reference documents, so the tests see them as a
// reader would: the title, the paragraphs, the tag names, and every table as
// a grid in which a cell spanning rows or columns is spelled once and the
// places it covers read "^" (covered from above) or "<" (from the left).

#include <cctype>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace reftest {

using Grid = std::vector<std::vector<std::string>>;
struct Table {
    Grid head, body;
};
struct Parsed {
    std::string title;
    std::vector<Table> tables;
    std::vector<std::string> notes, tags;
};

inline std::string unescape(std::string_view s)
{
    if (s.find('>') != std::string_view::npos) throw std::runtime_error("unescaped '>' in " + std::string(s));
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
            continue;
        }
        const std::size_t semi = s.find(';', i);
        const std::string_view e = s.substr(i, semi == std::string_view::npos ? 1 : semi - i + 1);
        if (e == "&amp;") out += '&';
        else if (e == "&lt;") out += '<';
        else if (e == "&gt;") out += '>';
        else if (e == "&quot;") out += '"';
        else throw std::runtime_error("bad entity in " + std::string(s));
        i = semi;
    }
    return out;
}

inline int span(std::string_view tag, const std::string& name)
{
    const std::size_t p = tag.find(name + "=\"");
    return p == std::string_view::npos ? 1 : std::stoi(std::string(tag.substr(p + name.size() + 2)));
}

inline Parsed parse(std::string_view html)
{
    struct Cell {
        std::string text;
        int rows, cols;
    };
    Parsed out;
    std::vector<std::pair<bool, std::vector<Cell>>> rows; // (header row, cells)
    std::string* text = nullptr;                          // where character data goes
    std::string scratch;
    bool style = false;
    for (std::size_t i = 0; i < html.size();) {
        if (html[i] != '<') {
            const std::size_t next = std::min(html.find('<', i), html.size());
            const std::string_view chunk = html.substr(i, next - i);
            if (!style && text) *text += unescape(chunk);
            else if (!style && chunk.find_first_not_of(" \n") != std::string_view::npos)
                throw std::runtime_error("stray text " + std::string(chunk));
            i = next;
            continue;
        }
        const std::size_t close = html.find('>', i);
        if (close == std::string_view::npos) throw std::runtime_error("unclosed tag");
        const std::string_view tag = html.substr(i + 1, close - i - 1);
        i = close + 1;
        std::string name;
        for (std::size_t k = 0; k < tag.size() && tag[k] != ' '; ++k)
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(tag[k])));
        out.tags.push_back(name);
        if (name == "style" || name == "/style") style = name == "style";
        else if (name == "h2") text = &out.title;
        else if (name == "p") text = &out.notes.emplace_back();
        else if (name == "tr") rows.emplace_back();
        else if ((name == "th" || name == "td") && !rows.empty()) {
            rows.back().first = name == "th";
            text = &rows.back().second.emplace_back(Cell{"", span(tag, "rowspan"), span(tag, "colspan")}).text;
        } else if (name == "br" && text) *text += '\n';
        else if (name == "/h2" || name == "/p" || name == "/th" || name == "/td") text = nullptr;
        else if (name == "/table") {
            Grid grid(rows.size());
            for (std::size_t r = 0; r < rows.size(); ++r) {
                std::size_t c = 0;
                for (const Cell& cell : rows[r].second) {
                    while (c < grid[r].size() && !grid[r][c].empty()) ++c; // covered from above
                    for (int dr = 0; dr < cell.rows; ++dr) {
                        if (grid.size() <= r + dr) throw std::runtime_error("row span past the table");
                        auto& line = grid[r + dr];
                        if (line.size() < c + cell.cols) line.resize(c + cell.cols);
                        for (int dc = 0; dc < cell.cols; ++dc) line[c + dc] = dr > 0 ? "^" : dc > 0 ? "<" : cell.text;
                    }
                    c += cell.cols;
                }
            }
            Table& t = out.tables.emplace_back();
            for (std::size_t r = 0; r < rows.size(); ++r) (rows[r].first ? t.head : t.body).push_back(grid[r]);
            rows.clear();
        }
    }
    return out;
}

// A cell holding one number and nothing else.
inline double number(const std::string& s)
{
    std::size_t used = 0;
    const double v = std::stod(s, &used);
    if (used != s.size()) throw std::runtime_error("not a number: " + s);
    return v;
}

// "2800×2100×1800" or "φ560×1420" as its numbers.
inline std::vector<double> dimensions(std::string s)
{
    if (s.rfind("φ", 0) == 0) s.erase(0, std::string_view("φ").size());
    std::vector<double> out;
    for (std::size_t p = 0;;) {
        const std::size_t q = s.find("×", p);
        out.push_back(number(s.substr(p, q - p)));
        if (q == std::string::npos) return out;
        p = q + std::string_view("×").size();
    }
}

} // namespace reftest
