// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/military.h"

namespace korvanta::military
{
namespace
{

// clang-format off
// Entry 10 is 戍 (U+620D), not 戌 (U+620C).
constexpr KeyedTable<Text, 13> kFirstLevel({
    {u"甲", u"中国人民解放军总部"},
    {u"乙", u"中国人民解放军集团军"},
    {u"丙", u"中国人民解放军通信和运输部队"},
    {u"巳", u"中国人民解放军沈阳军区"},
    {u"庚", u"中国人民解放军北京军区"},
    {u"辛", u"中国人民解放军兰州军区"},
    {u"壬", u"中国人民解放军济南军区"},
    {u"寅", u"中国人民解放军南京军区"},
    {u"辰", u"中国人民解放军成都军区"},
    {u"戍", u"中国人民解放军广州军区"},
    {u"午", u"中国人民解放军空军"},
    {u"未", u"中国人民解放军海军"},
    {u"申", u"中国人民解放军总装备部及及直属单位"},
});

constexpr KeyedTable<Text, 11> kSecondLevel({
    {u"A", u"中央警卫局、中央军委、总参谋部、司令部总部"},
    {u"B", u"解放军总政治部"},
    {u"C", u"解放军总后勤部"},
    {u"D", u"解放军总装备部"},
    {u"E", u"解放军军事科学院"},
    {u"N", u"第二炮兵部队"},
    {u"G", u"后勤部队直属单位。(如军事医学科学院、解放军总医院等)"},
    {u"H", u"仓库、干休所"},
    {u"K", u"驻当地铁路、航空、水运单位军代处"},
    {u"P", u"医院及医学卫生院校"},
    {u"S", u"后勤工厂"},
});
// clang-format on

} // namespace

Items firstLevel() noexcept
{
    return kFirstLevel.keys();
}

std::optional<Text> describeFirstLevel(QStringView character) noexcept
{
    return kFirstLevel.find(character);
}

Items secondLevel() noexcept
{
    return kSecondLevel.keys();
}

std::optional<Text> describeSecondLevel(QStringView letter) noexcept
{
    return kSecondLevel.find(letter);
}

} // namespace korvanta::military
