#pragma once
// Controls of a screen. Every control is declared once, as a member of its
// screen (or as a member of a control array of its screen), with its name,
// container, grid cell and design-time texts and colours. The renderer, the
// scenario driver and the tests read everything from here.
//
// Property changes made by a handler raise the same events a user's action
// would, synchronously (setting an option button raises its Click when it was
// not selected, a changed check-box value raises Click, a changed combo-box
// text raises Change). Changes made while the screen is being designed (in
// its constructor) raise nothing.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model {

class Screen;

enum class Kind : std::uint8_t {
    Label,
    TextBox,
    ComboBox, // editable drop-down
    OptionButton,
    CheckBox,
    CommandButton,
    Frame,      // titled (or borderless) group box
    PictureBox, // borderless container
    Document,   // read-only formatted document view
    Menu,       // top-level menu of the main window
    MenuItem,
};

std::string_view kindName(Kind kind);

// Which property changed, for observers (the Qt renderer).
enum class Prop : std::uint8_t {
    Text,
    Visible,
    Enabled,
    BackColor,
    ForeColor,
    Value,
    List,
    ListIndex,
    Geometry,
    Cell,
    Focus,
};

// Colours are OLE colour values as the screen designer stores them: RGB(r, g,
// b) = r + 256 g + 65536 b, or a system colour 0x800000nn.
namespace colors {
constexpr std::uint32_t RGB(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }
constexpr std::uint32_t yellow = RGB(255, 255, 0);
constexpr std::uint32_t pink = RGB(255, 192, 192);
constexpr std::uint32_t magenta = RGB(255, 0, 255);
constexpr std::uint32_t grey = RGB(192, 192, 192);
constexpr std::uint32_t lightGrey = RGB(224, 224, 224);
constexpr std::uint32_t lightBlue = RGB(192, 192, 255);
constexpr std::uint32_t white = RGB(255, 255, 255);
constexpr std::uint32_t red = RGB(255, 0, 0);
constexpr std::uint32_t black = RGB(0, 0, 0);
constexpr std::uint32_t highlight = 0xffff80; // a selected tab button (light cyan)
constexpr std::uint32_t scrollBars = 0x80000000;
constexpr std::uint32_t appWorkspace = 0x8000000c;
constexpr std::uint32_t window = 0x80000005;
constexpr std::uint32_t windowText = 0x80000008;
constexpr std::uint32_t buttonFace = 0x8000000f;
constexpr std::uint32_t buttonText = 0x80000012;
constexpr bool isSystem(std::uint32_t c) { return (c & 0x80000000u) != 0; }
} // namespace colors

// Where a control sits: its container (nullptr for the screen itself) and
// its cell in the container's grid.
struct Cell {
    int row = 0;
    int col = 0;
    int rowSpan = 1;
    int colSpan = 1;
};

struct Place {
    class Control* container = nullptr;
    Cell cell{};
};

inline Place at(int row, int col, int rowSpan = 1, int colSpan = 1) { return {nullptr, {row, col, rowSpan, colSpan}}; }
inline Place in(class Control& container, int row, int col, int rowSpan = 1, int colSpan = 1)
{
    return {&container, {row, col, rowSpan, colSpan}};
}

class Control {
public:
    Control(Screen& screen, Kind kind, std::string name, std::optional<std::int16_t> index, Place place,
            std::string text);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    // --- identity
    Screen& screen() const { return screen_; }
    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    std::optional<std::int16_t> index() const { return index_; }
    std::string address() const; // "Text13(2)" or "Command3"
    Control* container() const { return container_; }
    const Cell& cell() const { return cell_; }
    bool isContainer() const { return kind_ == Kind::Frame || kind_ == Kind::PictureBox || kind_ == Kind::Menu; }

    // --- Text (text boxes, combo boxes, documents) or Caption (the others)
    const std::string& text() const { return text_; }
    void setText(std::string text);
    const std::string& caption() const { return text_; }
    void setCaption(std::string text) { setText(std::move(text)); }

    bool visible() const { return visible_; }
    void setVisible(bool v);
    void Show() { setVisible(true); }
    void Hide() { setVisible(false); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    bool readOnly() const { return readOnly_; }
    bool borderless() const { return borderless_; }
    bool wordWrap() const { return wordWrap_; }

    std::uint32_t backColor() const { return backColor_; }
    void setBackColor(std::uint32_t c);
    std::uint32_t foreColor() const { return foreColor_; }
    void setForeColor(std::uint32_t c);

    // Option button: 0/1 (false/true); check box: 0 unchecked, 1 checked.
    int value() const { return value_; }
    void setValue(int v);
    void setValue(bool v) { setValue(v ? 1 : 0); }

    // Combo box list. A list holds each of its items once: adding an item that
    // is already there adds nothing.
    const std::vector<std::string>& list() const { return list_; }
    int listCount() const { return static_cast<int>(list_.size()); }
    const std::string& listItem(int k) const; // IndexOutOfRange outside the list
    void addItem(std::string item);
    void clearList();
    int listIndex() const { return listIndex_; }

    // Position and size in twips inside the container (0 when not set). They
    // are kept as the handlers set them; the renderer lays controls out by
    // cell. A container with a height hides every child whose top lies at or
    // below that height.
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void Move(int left, int top);
    void Move(int left, int top, int width, int height);
    void setCell(Cell cell); // move to another cell of the same container
    bool clipped() const;    // outside its container's height

    // Whether the user can see it: its own Visible, every container's, and
    // the screen being shown (menu items: the main window being shown).
    bool shown() const;
    // Enabled itself and inside enabled containers.
    bool effectivelyEnabled() const;

    void SetFocus();
    bool hasFocus() const;

    // --- design-time settings (the screen's constructor)
    Control& back(std::uint32_t c)
    {
        backColor_ = c;
        return *this;
    }
    Control& fore(std::uint32_t c)
    {
        foreColor_ = c;
        return *this;
    }
    Control& locked()
    {
        readOnly_ = true;
        return *this;
    } // read-only text box
    Control& disabled()
    {
        enabled_ = false;
        return *this;
    }
    Control& hidden()
    {
        visible_ = false;
        return *this;
    }
    Control& noBorder()
    {
        borderless_ = true;
        return *this;
    }
    Control& wrap()
    {
        wordWrap_ = true;
        return *this;
    }
    Control& size(int widthTwips, int heightTwips = 0)
    {
        width_ = widthTwips;
        height_ = heightTwips;
        return *this;
    }
    Control& pos(int leftTwips, int topTwips)
    {
        left_ = leftTwips;
        top_ = topTwips;
        return *this;
    }
    Control& items(std::initializer_list<std::string_view> items);

    // --- events; bound once by the screen's constructor
    std::function<void()> onClick;
    std::function<void()> onChange;
    void raiseClick(); // runs onClick, named for failure reports
    void raiseChange();

    // --- used by user actions only
    void userType(std::string text); // replaces the text, Change raised once
    void userPick(int k);            // text := item k, ListIndex := k, Click

private:
    void changed(Prop p);
    void raise(const std::function<void()>& handler, const char* event);

    Screen& screen_;
    Kind kind_;
    std::string name_;
    std::optional<std::int16_t> index_;
    Control* container_;
    Cell cell_;
    std::string text_;
    std::vector<std::string> list_;
    int listIndex_ = -1;
    int value_ = 0;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::uint32_t backColor_;
    std::uint32_t foreColor_ = colors::windowText;
    bool visible_ = true;
    bool enabled_ = true;
    bool readOnly_ = false;
    bool borderless_ = false;
    bool wordWrap_ = false;
};

// Typed names for declarations; every control has the one interface above.
template <Kind K>
class ControlOf : public Control {
public:
    ControlOf(Screen& s, std::string name, Place place, std::string text = {})
        : Control(s, K, std::move(name), std::nullopt, place, std::move(text))
    {}
    ControlOf(Screen& s, std::string name, std::int16_t index, Place place, std::string text = {})
        : Control(s, K, std::move(name), index, place, std::move(text))
    {}
};
using Label = ControlOf<Kind::Label>;
using TextBox = ControlOf<Kind::TextBox>;
using ComboBox = ControlOf<Kind::ComboBox>;
using OptionButton = ControlOf<Kind::OptionButton>;
using CheckBox = ControlOf<Kind::CheckBox>;
using CommandButton = ControlOf<Kind::CommandButton>;
using Frame = ControlOf<Kind::Frame>;
using PictureBox = ControlOf<Kind::PictureBox>;
using Document = ControlOf<Kind::Document>;
using Menu = ControlOf<Kind::Menu>;
using MenuItem = ControlOf<Kind::MenuItem>;

} // namespace model
