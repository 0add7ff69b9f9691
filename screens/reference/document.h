#pragma once
// The reference documents are HTML built here from the screens' own tables:
// a centred title, ruled tables with a grey header, notes, and nothing that
// would load from outside the program (no images, links or scripts).

#include <string>
#include <string_view>
#include <vector>

namespace screens::doc {

// One table cell; a cell spanning rows or columns covers the cells it
// reaches, which the following rows then leave out.
struct Cell {
    std::string text;
    int rowSpan = 1;
    int colSpan = 1;
};
using Row = std::vector<Cell>;

// Text for HTML: & < > " are escaped, a line feed becomes a line break.
std::string escape(std::string_view text);

class HtmlDocument {
public:
    explicit HtmlDocument(std::string_view title);

    void paragraph(std::string_view text);
    // Head rows are header cells. A body cell is left-aligned where `align`
    // has an 'l' at its column and centred elsewhere ("cll" : the second and
    // third columns hold text). A table narrower than the page is centred;
    // a full-width one is 99 % wide, since the collapsed outer border of a
    // 100 % table overflows the view by a pixel and brings up a scroll bar.
    void table(const std::vector<Row>& head, const std::vector<Row>& body, std::string_view align = {},
               int widthPercent = 99);

    std::string html() const;

private:
    std::string body_;
};

// The note every catalogue carries.
inline constexpr std::string_view typicalValuesNote =
    "注：表中数值为同类产品的典型参数，仅供方案设计参考；选用时应以所选产品的技术资料（样本）为准。";

} // namespace screens::doc
