// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/special.h"

namespace korvanta::special
{
namespace
{

// Every space, apostrophe and quotation mark below is part of the text: "国A  置于挡风下端" has
// two spaces, its remark ends in fourteen spaces and an ASCII apostrophe, the 京A 88 remark ends
// in four spaces, and the 京O items carry the capital letter O.
// clang-format off
constexpr KeyedTable<Text, 24> kRemarks({
    {u"甲A026、7、8", u"一般老百姓只会在电视上看到的人，通天级人物，不仅请勿靠近，还要远远走开！"},
    {u"甲A020--024", u"中共中央政治局领导专用车"},
    {u"甲A025--029", u"中央军委、中共军委总参领导专车"},
    {u"京A 80", u"中华人民共和国家管理局公务专用车"},
    {u"京A 81", u"中央直辖国家管理局"},
    {u"京A 83", u"北京市政府，指行政类别"},
    {u"京A 88", u"钓鱼台----中国政府的后花园    "},
    {u"使aaaaa", u"外国大使馆用车或国外在中国有外交豁免权的国家政府机构专用车"},
    {u"京E Taaaa", u"和国务院老干部沾边的，如果你在街上看到，一般都不会只有一辆，而且多辆在一起"},
    {u"京A G6aaaa", u"全国人大副委员长、全国政协副主席专车"},
    {u"京O Baaaa", u"北京市公安局及下属各分局"},
    {u"京O Daaaa", u"北京市公安交通管理局及下属各支队，这个司机们最熟悉了"},
    {u"京O Eaaaa", u"北京市铁路公安局"},
    {u"京A Aaaaa警", u"北京市法院警务车"},
    {u"京A Baaaa警", u"北京市检察院警务车。"},
    {u"京A aaaa警", u"北京市公安局及下属各分局各总队，警务车如治安防暴巡查"},
    {u"塑封G023、323", u"这个不是车牌号了，而是嵌在挡风玻璃上的，北京市委的车，一般警察不会管，但心情不好时，也叫过来训一训"},
    {u"国A  置于挡风下端", u"这个不是车牌号了，而是嵌在挡风玻璃上的，国务院专车              '"},
    {u"塑封 黄色 警备", u"这个不是车牌号了，而是嵌在挡风玻璃上的，国家、中央政治局、军委专用开道车"},
    {u"塑封 白色 警备", u"这个不是车牌号了，而是嵌在挡风玻璃上的，普通警备车，一般警务人员家属买菜用"},
    {u"塑封 警备 无警灯", u"一般为犯罪分子冒充国家公务人员的车，当然如果有人拉关系、走后门弄的也说不定."},
    {u"塑封 安全 挡风玻璃左下角", u"北京市政府级别最高的车，估计是市长坐的"},
    {u"901", u"金融通行证，以前也叫“免检通行证”"},
    {u"京安", u"用来代替“警备”的，但“警备”不撤，只好两个一起用。"},
});
// clang-format on

} // namespace

Items items() noexcept
{
    return kRemarks.keys();
}

std::optional<Text> describe(QStringView item) noexcept
{
    return kRemarks.find(item);
}

} // namespace korvanta::special
