// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/armedpolice.h"

namespace korvanta::armedpolice
{
namespace
{

// clang-format off
constexpr Text kStyles[] = {u"WJxx-aaaaa", u"WJxx-Xaaaa"};

// The units are kept character for character as published, odd ones included ("内蒙古" for 03,
// "北京省" for 31).
constexpr KeyedTable<Text, 32> kUnits({
    {u"01", u"中国武警总部"},
    {u"02", u"河北省"},
    {u"03", u"内蒙古"},
    {u"04", u"山西省"},
    {u"05", u"辽宁省"},
    {u"06", u"吉林省"},
    {u"07", u"黑龙江省"},
    {u"08", u"上海市"},
    {u"09", u"江苏省"},
    {u"10", u"浙江省"},
    {u"11", u"安徽省"},
    {u"12", u"江西省"},
    {u"13", u"福建省"},
    {u"14", u"山东省"},
    {u"15", u"广东省"},
    {u"16", u"广西壮族自治区"},
    {u"17", u"湖北省"},
    {u"18", u"湖南省"},
    {u"19", u"河南省"},
    {u"20", u"四川省"},
    {u"21", u"云南省"},
    {u"22", u"贵州省"},
    {u"23", u"陕西省"},
    {u"24", u"甘肃省"},
    {u"25", u"青海省"},
    {u"26", u"新疆维吾尔自治区"},
    {u"27", u"宁夏回族自治区"},
    {u"28", u"天津市"},
    {u"29", u"西藏自治区"},
    {u"30", u"海南省"},
    {u"31", u"北京省"},
    {u"32", u"重庆市"},
});

constexpr KeyedTable<Text, 7> kBranches({
    {u"消", u"武装警察消防部队"},
    {u"边", u"武装警察边防部队"},
    {u"通", u"武装警察交通部队"},
    {u"森", u"武装警察森林部队"},
    {u"金", u"武装警察黄金部队"},
    {u"警", u"武装警察警卫部队"},
    {u"电", u"武装警察水电部队"},
});
// clang-format on

// The branch characters that a plate carries are the table's, in its order.
consteval bool branchesAreTheTable()
{
    if (kBranches.size() != kBranchCharacters.size())
        return false;
    for (std::size_t i = 0; i < kBranches.size(); ++i) {
        if (kBranches.keys()[i] != kBranchCharacters.substr(i, 1))
            return false;
    }
    return true;
}
static_assert(branchesAreTheTable());

} // namespace

Items styles() noexcept
{
    return kStyles;
}

Text stylePrompt() noexcept
{
    return u"选择样式";
}

Text branchStyle() noexcept
{
    return kStyles[1];
}

Text plainStyle() noexcept
{
    return kStyles[0];
}

Items numbers() noexcept
{
    return kUnits.keys();
}

std::optional<Text> describeNumber(QStringView number) noexcept
{
    return kUnits.find(number);
}

Items branches() noexcept
{
    return kBranches.keys();
}

std::optional<Text> branchName(QStringView character) noexcept
{
    return kBranches.find(character);
}

std::optional<std::array<Text, 3>> unitPlateAt(std::u16string_view plate, std::size_t at) noexcept
{
    if (plate.substr(at, kPlatePrefix.size()) != kPlatePrefix)
        return std::nullopt;
    const std::size_t unitAt = at + kPlatePrefix.size();
    const auto unit = itemOf(numbers(), plate.substr(unitAt, kUnitDigits));
    if (!unit)
        return std::nullopt;
    if (const auto branch = itemOf(branches(), plate.substr(unitAt + kUnitDigits, 1)))
        return std::array<Text, 3>{branchStyle(), *unit, *branch};
    return std::array<Text, 3>{plainStyle(), *unit, {}};
}

} // namespace korvanta::armedpolice
