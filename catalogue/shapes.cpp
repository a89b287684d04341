// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/shapes.h"

#include "catalogue/armedpolice.h"
#include "catalogue/provinces.h"

#include <algorithm>
#include <utility>

namespace korvanta::shapes
{

// One character of a shape.
enum class Slot : std::uint8_t {
    Province, // "%": one of the 31 province characters
    Capital,  // "@": a capital A to Z (an issuing office's letter)
    Serial,   // "*": a digit, or a capital other than I and O
    Digit,    // "#"
    OneOf,    // "[...]", or any other character standing for itself
};

struct Position {
    Slot slot = Slot::OneOf;
    Text chars{};
    // A letter that varies from plate to plate ("@" or "[...]"), which a plate read by its shape
    // alone shows.
    bool varies = false;
};

constexpr std::size_t kMaxLength = 10;

struct Shape {
    PlateKind kind;
    Names names;
    Text type;
    // For a shape whose plates no list offers: how a row writes it ("%" the province, "1" and
    // "2" the letters it shows), and the unit it names by its shape alone.
    Text label{};
    Text unit{};
    // For a shape whose plates are a special item of the catalogue: that item.
    Text item{};
    // Where a plate begins with this, it is not of the shape.
    Text exceptAfter{};

    std::array<Position, kMaxLength> positions{};
    std::size_t length = 0;

    consteval Shape unless(Text start) const
    {
        Shape shape = *this;
        shape.exceptAfter = start;
        return shape;
    }
    consteval Shape isItem(Text special) const
    {
        Shape shape = *this;
        shape.item = special;
        return shape;
    }

    // `pattern` gives the plate position by position: "%" a province, "@" a capital, "*" a digit
    // or a capital other than I and O, "#" a digit, "&" an armed-police branch character,
    // "[...]" one of the characters between the brackets, anything else itself.
    consteval Shape(PlateKind kind, Names names, Text pattern, Text type, Text label = {},
                    Text unit = {})
        : kind(kind)
        , names(names)
        , type(type)
        , label(label)
        , unit(unit)
    {
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            if (length == kMaxLength)
                throw "a plate shape is longer than a shape holds";
            Position &at = positions[length++];
            switch (pattern[i]) {
            case u'%':
                at.slot = Slot::Province;
                break;
            case u'@':
                at.slot = Slot::Capital;
                at.varies = true;
                break;
            case u'*':
                at.slot = Slot::Serial;
                break;
            case u'#':
                at.slot = Slot::Digit;
                break;
            case u'&':
                at.chars = armedpolice::kBranchCharacters;
                break;
            case u'[': {
                const std::size_t end = pattern.find(u']', i);
                if (end == Text::npos || end == i + 1)
                    throw "a plate shape has an unclosed or empty [";
                at.chars = pattern.substr(i + 1, end - i - 1);
                at.varies = true;
                i = end;
                break;
            }
            default:
                at.chars = pattern.substr(i, 1);
                break;
            }
        }
    }
};

namespace
{

using enum PlateKind;
using enum Names;

// clang-format off
// Tried in this order; where a plate fits two shapes whole, the first one says what it is.
constexpr Shape kShapes[] = {
    // New-energy plates. GA 36-2018《中华人民共和国机动车号牌》, as summarised in 太平洋汽车网
    // 《新能源汽车车牌规则有哪些》(2019-06-03): a small car's serial starts with D (pure
    // electric) or F (not pure electric), then a letter or digit and four digits; a large
    // vehicle's serial is five digits and then D or F; I and O are never used. Where D and F run
    // out, a small car's serial starts with A, B, C or E (pure electric) or G, H, J or K (not
    // pure electric): 问答导航《电动汽车车牌a开头是什么意思》(99.wendadaohang.com/zd/
    // WOt7zWtWeW7X77XjzOX.html) names all ten; m.pay1999.com/ask/4879155.html (2025) says Shenzhen
    // gives out A and Beijing A and B; 太平洋汽车网's note m.pcauto.com.cn/note/
    // 860197395488574425.html calls A the pure-electric reserve. No page gives a large vehicle
    // more than D and F. 粤Z plates are Hong Kong's and Macao's, which take 港 or 澳 alone.
    Shape(Civil, CivilKey, u"%@[DABCE]*####", u"新能源汽车（纯电动）").unless(u"粤Z"),
    Shape(Civil, CivilKey, u"%@[FGHJK]*####", u"新能源汽车（非纯电动）").unless(u"粤Z"),
    Shape(Civil, CivilKey, u"%@#####[D]", u"新能源汽车（纯电动）").unless(u"粤Z"),
    Shape(Civil, CivilKey, u"%@#####[F]", u"新能源汽车（非纯电动）").unless(u"粤Z"),
    // An ordinary plate: five digits or capitals other than I and O (the same summary).
    {Civil, CivilKey, u"%@*****", u""},
    // Plates with a last character of their own, from the table of plate kinds of GA 36-2018
    // (挂车号牌, 教练汽车号牌 with 学, 警用汽车号牌 with 警, 领馆汽车号牌 with 领, 港澳入出境车
    // 号牌 with 港 and 澳, issued under 粤Z). A police plate under the letter O belongs to the
    // province's own organs, with four digits its public security department: UC知道《车牌是
    // 白色的,表示什么意思?》(2024-05-10), which 《解读:警车车牌的“a,b,c,d”都代表哪个系统?》
    // (a reprint of a 搜狐 article) agrees with.
    {Civil, CivilKey, u"%[O]####警", u"警用汽车（省公安厅）"},
    {Civil, CivilKey, u"%[O]****警", u"警用汽车（省级机关）"},
    Shape(Civil, CivilKey, u"%@****警", u"警用汽车").unless(u"粤Z"),
    Shape(Civil, CivilKey, u"%@****挂", u"挂车").unless(u"粤Z"),
    Shape(Civil, CivilKey, u"%@****学", u"教练汽车").unless(u"粤Z"),
    Shape(Civil, CivilKey, u"%@****领", u"领馆汽车").unless(u"粤Z"),
    {Civil, CivilKey, u"粤[Z]****港", u"港澳入出境车"},
    {Civil, CivilKey, u"粤[Z]****澳", u"港澳入出境车"},
    // Emergency-rescue plates since 2018: 国务院办公厅《关于国家综合性消防救援车辆悬挂应急救援
    // 专用号牌有关事项的通知》(国办发〔2018〕114号): a car's plate is the province, the rescue
    // team's letter, four digits and 应急; a motorcycle's is 应急, the province, three digits
    // and the team's letter. The letters, X fire and rescue and S forest fire brigade, from
    // 贺州消防's account of its change to these plates on 1 January 2019, as a fire-engine
    // maker's news page reprints it; X also in 汽车之家《车牌前的WJ代表什么?》(2025-10-16).
    {Special, NoListItem, u"%[X]####应急", u"应急救援车辆（消防救援）", u"%1…应急"},
    {Special, NoListItem, u"%[S]####应急", u"应急救援车辆（森林消防）", u"%1…应急"},
    {Special, NoListItem, u"应急%###[X]", u"应急救援车辆（消防救援）", u"应急%…1"},
    {Special, NoListItem, u"应急%###[S]", u"应急救援车辆（森林消防）", u"应急%…1"},
    // Embassy plates: 使 and two groups of three digits, the country's code and the car's
    // (GA 36-2018's 使馆汽车号牌; 汽车之家《外国驻华使领馆的汽车牌照是怎样的》: "使224-009"),
    // and the older plates whose 使 follows the six digits, as the plate pattern that circulates
    // in public plate-checking code has them ("[0-9]{6}使").
    // Either is the special catalogue's embassy item.
    Shape(Special, SpecialItem, u"使######", u"使馆汽车").isItem(u"使aaaaa"),
    Shape(Special, SpecialItem, u"######使", u"使馆汽车").isItem(u"使aaaaa"),
    // The 2012-style military plates, issued from 2013: two capitals and five digits, other than
    // the armed police's WJ. Which first letters are issued, and what they mean, the pages found
    // say differently (Q and a theater command's letter in 汽车之家, 2025-10-16; others Z or A,
    // or eleven letters from V to E), and none says what they mean since the 2016 reform: any
    // two capitals are read, and only the kind is said.
    Shape(Military, NoListItem, u"@@#####", u"军队车辆（2012式号牌）", u"12").unless(u"WJ"),
    // The 2012-style armed-police plates (汽车之家《车牌前的WJ代表什么?》, 2025-10-16): WJ, the
    // province of the corps or nothing for the headquarters (whose plate shows a dot there),
    // then five digits, or four digits and a letter: J, B and T there, and T D S H B X J in the
    // circulating plate pattern (whose example elsewhere is WJ粤-8888X); what each letter means
    // is not said.
    {ArmedPolice, NoListItem, u"WJ#####", u"武警车辆（2012式号牌）", u"WJ·", u"武警总部"},
    {ArmedPolice, NoListItem, u"WJ####[TDSHBXJ]", u"武警车辆（2012式号牌）", u"WJ·…1", u"武警总部"},
    {ArmedPolice, NoListItem, u"WJ%#####", u"武警车辆（2012式号牌）", u"WJ%"},
    {ArmedPolice, NoListItem, u"WJ%####[TDSHBXJ]", u"武警车辆（2012式号牌）", u"WJ%…1"},
    // The 2007-style armed-police plates of the catalogue: WJ, the unit's two digits, then a
    // branch character and four digits, or five digits (UC知道, 2024-05-10).
    {ArmedPolice, ArmedPoliceUnit, u"WJ##&####", u""},
    {ArmedPolice, ArmedPoliceUnit, u"WJ#######", u""},
};

// clang-format on

static_assert(std::size(kShapes) < kNoShape);

// The ordinary plate: a civil key and five digits or capitals, with no type of its own.
constexpr ShapeId kOrdinary = [] {
    for (std::size_t id = 0; id < std::size(kShapes); ++id) {
        const Shape &shape = kShapes[id];
        if (shape.names == CivilKey && shape.type.empty() && shape.exceptAfter.empty() &&
            shape.length == 7)
            return static_cast<ShapeId>(id);
    }
    throw "no ordinary plate among the shapes";
}();

// Every shape of a special item names the item, and only those do.
consteval bool specialItemsNamed()
{
    for (const Shape &shape : kShapes) {
        if ((shape.names == SpecialItem) != !shape.item.empty())
            return false;
    }
    return true;
}
static_assert(specialItemsNamed());

// The shapes of the catalogue's armed-police plates begin as the catalogue reads a unit's plate:
// its prefix and the unit's digits.
consteval bool unitShapesBeginAsTheCatalogueReads()
{
    const Text prefix = armedpolice::kPlatePrefix;
    for (const Shape &shape : kShapes) {
        if (shape.names != ArmedPoliceUnit)
            continue;
        for (std::size_t i = 0; i < prefix.size(); ++i) {
            if (shape.positions[i].chars != prefix.substr(i, 1))
                return false;
        }
        for (std::size_t i = 0; i < armedpolice::kUnitDigits; ++i) {
            if (shape.positions[prefix.size() + i].slot != Slot::Digit)
                return false;
        }
    }
    return true;
}
static_assert(unitShapesBeginAsTheCatalogueReads());

constexpr Text kCapitals = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isCapital(char16_t c)
{
    return c >= u'A' && c <= u'Z';
}

bool isSerialChar(char16_t c)
{
    return isDigit(c) || isCapital(c);
}

bool fits(const Position &position, std::u16string_view plate, std::size_t at)
{
    const char16_t c = plate[at];
    switch (position.slot) {
    case Slot::Province:
        return !provinces::at(plate, at).empty();
    case Slot::Capital:
        return isCapital(c);
    case Slot::Serial:
        return isDigit(c) || (isCapital(c) && c != u'I' && c != u'O');
    case Slot::Digit:
        return isDigit(c);
    case Slot::OneOf:
        return position.chars.find(c) != Text::npos;
    }
    return false;
}

// What the first character of some shape may be, gathered from the table: most characters of
// a pasted text start none, and are passed over at once.
struct Starts {
    bool province = false;
    bool capital = false;
    bool digit = false;
    std::array<char16_t, 16> others{};
    std::size_t otherCount = 0;
};
constexpr Starts kStarts = [] {
    Starts starts;
    for (const Shape &shape : kShapes) {
        const Position &first = shape.positions[0];
        switch (first.slot) {
        case Slot::Province:
            starts.province = true;
            break;
        case Slot::Capital:
            starts.capital = true;
            break;
        case Slot::Serial:
            starts.capital = starts.digit = true;
            break;
        case Slot::Digit:
            starts.digit = true;
            break;
        case Slot::OneOf:
            for (char16_t c : first.chars) {
                if (std::find(starts.others.begin(), starts.others.begin() + starts.otherCount,
                              c) == starts.others.begin() + starts.otherCount) {
                    if (starts.otherCount == starts.others.size())
                        throw "more first characters than a shape table's index holds";
                    starts.others[starts.otherCount++] = c;
                }
            }
            break;
        }
    }
    return starts;
}();

} // namespace

bool mayStart(std::u16string_view plate, std::size_t at) noexcept
{
    const char16_t c = plate[at];
    if ((kStarts.digit && isDigit(c)) || (kStarts.capital && isCapital(c)))
        return true;
    const auto others = kStarts.others.begin();
    if (std::find(others, others + kStarts.otherCount, c) != others + kStarts.otherCount)
        return true;
    return kStarts.province && !provinces::at(plate, at).empty();
}

bool allows(ShapeId id, std::size_t place, char16_t c) noexcept
{
    const Shape &shape = kShapes[id];
    if (place >= shape.length)
        return false;
    const char16_t alone[] = {c};
    return fits(shape.positions[place], std::u16string_view(alone, 1), 0);
}

std::size_t count() noexcept
{
    return std::size(kShapes);
}

Names names(ShapeId id) noexcept
{
    return kShapes[id].names;
}

PlateKind kind(ShapeId id) noexcept
{
    return kShapes[id].kind;
}

Text type(ShapeId id) noexcept
{
    return kShapes[id].type;
}

std::size_t length(ShapeId id) noexcept
{
    return kShapes[id].length;
}

Fit fit(ShapeId id, std::u16string_view plate, std::size_t from) noexcept
{
    const Shape &shape = kShapes[id];
    if (!shape.exceptAfter.empty() && plate.substr(from).starts_with(shape.exceptAfter))
        return Fit::None;
    if (!startsHere(plate, from))
        return Fit::None;
    for (std::size_t i = 0; i < shape.length; ++i) {
        if (from + i >= plate.size())
            return Fit::Prefix;
        if (!fits(shape.positions[i], plate, from + i))
            return Fit::None;
    }
    // A letter or digit after it makes a longer serial than the shape has.
    const std::size_t end = from + shape.length;
    if (end < plate.size() && isSerialChar(plate[end]))
        return Fit::None;
    return Fit::Whole;
}

Shown shown(ShapeId id, std::u16string_view plate, std::size_t from) noexcept
{
    const Shape &shape = kShapes[id];
    Shown out{.shape = id};
    std::size_t letters = 0;
    for (std::size_t i = 0; i < shape.length && from + i < plate.size(); ++i) {
        const Position &position = shape.positions[i];
        if (position.slot == Slot::Province) {
            out.province = provinces::at(plate, from + i);
        } else if (position.varies && letters < out.letters.size() && isCapital(plate[from + i])) {
            out.letters[letters++] = capital(plate[from + i]);
        }
    }
    return out;
}

QString plateText(const Shown &shown)
{
    QString out;
    for (char16_t c : kShapes[shown.shape].label) {
        if (c == u'%')
            out += toQString(shown.province);
        else if (c == u'1')
            out += toQString(shown.letters[0]);
        else if (c == u'2')
            out += toQString(shown.letters[1]);
        else
            out += QChar(c);
    }
    return out;
}

Text unit(ShapeId id) noexcept
{
    return kShapes[id].unit;
}

Text item(ShapeId id) noexcept
{
    return kShapes[id].item;
}

bool isOrdinary(ShapeId id) noexcept
{
    return id == kOrdinary;
}

bool startsHere(std::u16string_view plate, std::size_t at) noexcept
{
    if (at == 0 || at >= plate.size() || !isSerialChar(plate[at]))
        return true;
    return !isSerialChar(plate[at - 1]) && provinces::at(plate, at - 1).empty();
}

Text capital(char16_t c) noexcept
{
    return isCapital(c) ? kCapitals.substr(c - u'A', 1) : Text{};
}

} // namespace korvanta::shapes
