// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/provinces.h"

#include <algorithm>
#include <utility>

namespace korvanta::provinces
{
namespace
{

// clang-format off
// Provinces by their character: 《中华人民共和国行政区划简册》's short names, the ones the
// civil catalogue lists.
constexpr KeyedTable<Text, 31> kNames({
    {u"京", u"北京市"}, {u"津", u"天津市"}, {u"沪", u"上海市"}, {u"渝", u"重庆市"},
    {u"冀", u"河北省"}, {u"晋", u"山西省"}, {u"蒙", u"内蒙古自治区"}, {u"辽", u"辽宁省"},
    {u"吉", u"吉林省"}, {u"黑", u"黑龙江省"}, {u"苏", u"江苏省"}, {u"浙", u"浙江省"},
    {u"皖", u"安徽省"}, {u"闽", u"福建省"}, {u"赣", u"江西省"}, {u"鲁", u"山东省"},
    {u"豫", u"河南省"}, {u"鄂", u"湖北省"}, {u"湘", u"湖南省"}, {u"粤", u"广东省"},
    {u"桂", u"广西壮族自治区"}, {u"琼", u"海南省"}, {u"川", u"四川省"}, {u"贵", u"贵州省"},
    {u"云", u"云南省"}, {u"藏", u"西藏自治区"}, {u"陕", u"陕西省"}, {u"甘", u"甘肃省"},
    {u"青", u"青海省"}, {u"宁", u"宁夏回族自治区"}, {u"新", u"新疆维吾尔自治区"},
});
// clang-format on

// The province characters in code order, with their places among the keys of kNames: every
// character of a pasted text is tried, so the test is a binary search.
struct Index {
    std::array<char16_t, 31> characters{};
    std::array<std::uint8_t, 31> keys{};
};
constexpr Index kIndex = [] {
    Index index;
    const Items keys = kNames.keys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        index.characters[i] = keys[i].front();
        index.keys[i] = static_cast<std::uint8_t>(i);
    }
    for (std::size_t i = 1; i < keys.size(); ++i) { // insertion sort, at compile time
        for (std::size_t j = i; j > 0 && index.characters[j] < index.characters[j - 1]; --j) {
            std::swap(index.characters[j], index.characters[j - 1]);
            std::swap(index.keys[j], index.keys[j - 1]);
        }
    }
    return index;
}();

} // namespace

Text at(std::u16string_view plate, std::size_t at) noexcept
{
    if (at >= plate.size())
        return {};
    const auto &characters = kIndex.characters;
    const auto found = std::lower_bound(characters.begin(), characters.end(), plate[at]);
    if (found == characters.end() || *found != plate[at])
        return {};
    return kNames.keys()[kIndex.keys[std::size_t(found - characters.begin())]];
}

Text name(Text province) noexcept
{
    return kNames.find(toQString(province)).value_or(Text{});
}

} // namespace korvanta::provinces
