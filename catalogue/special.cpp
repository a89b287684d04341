// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/special.h"

#include <algorithm>

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

// An item compiled to what it matches: up to five spellings without spaces, where 'a' stands for
// one digit or capital letter.
struct Pattern {
    static constexpr std::size_t kMaxLength = 24;
    static constexpr std::size_t kMaxSpellings = 5;
    std::array<std::array<char16_t, kMaxLength>, kMaxSpellings> spellings{};
    std::array<std::size_t, kMaxSpellings> lengths{};
    std::size_t count = 0;
    // A plate's start (a Chinese character, then a letter): the rest of a serial may follow.
    bool plateStart = false;
    // Letters and digits alone: only a whole token reads as it.
    bool token = false;

    constexpr void add(std::u16string_view spelling)
    {
        if (count == kMaxSpellings || spelling.size() > kMaxLength)
            throw "a special item has more spellings, or longer ones, than a pattern holds";
        for (std::size_t i = 0; i < spelling.size(); ++i)
            spellings[count][i] = spelling[i];
        lengths[count++] = spelling.size();
    }
};

constexpr bool isSerialChar(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z');
}

// The digits of `number`, `width` of them with leading zeros.
constexpr std::array<char16_t, 8> digits(int number, std::size_t width)
{
    std::array<char16_t, 8> out{};
    for (std::size_t i = width; i-- > 0; number /= 10)
        out[i] = static_cast<char16_t>(u'0' + number % 10);
    return out;
}

constexpr int valueOf(std::u16string_view number)
{
    int value = 0;
    for (char16_t c : number)
        value = value * 10 + (c - u'0');
    return value;
}

constexpr Pattern compile(Text item)
{
    std::array<char16_t, Pattern::kMaxLength> buffer{};
    std::size_t length = 0;
    for (char16_t c : item) {
        if (c != u' ')
            buffer[length++] = c;
    }
    const std::u16string_view text(buffer.data(), length);
    Pattern pattern;
    if (const std::size_t range = text.find(u"--"); range != text.npos) {
        const std::u16string_view last = text.substr(range + 2);
        const std::u16string_view first = text.substr(0, range);
        const std::u16string_view stem = first.substr(0, first.size() - last.size());
        for (int n = valueOf(first.substr(stem.size())); n <= valueOf(last); ++n) {
            std::array<char16_t, Pattern::kMaxLength> spelling{};
            std::size_t i = 0;
            for (char16_t c : stem)
                spelling[i++] = c;
            const auto number = digits(n, last.size());
            for (std::size_t k = 0; k < last.size(); ++k)
                spelling[i++] = number[k];
            pattern.add({spelling.data(), i});
        }
    } else {
        std::size_t start = 0;
        std::u16string_view first;
        while (start <= text.size()) {
            std::size_t end = text.find(u'、', start);
            if (end == text.npos)
                end = text.size();
            const std::u16string_view part = text.substr(start, end - start);
            if (first.empty()) {
                first = part;
                pattern.add(part);
            } else {
                std::array<char16_t, Pattern::kMaxLength> spelling{};
                std::size_t i = 0;
                for (char16_t c : first.substr(0, first.size() - part.size()))
                    spelling[i++] = c;
                for (char16_t c : part)
                    spelling[i++] = c;
                pattern.add({spelling.data(), i});
            }
            start = end + 1;
        }
    }
    pattern.plateStart = length >= 2 && text[0] > 0x2E80 && text[1] >= u'A' && text[1] <= u'Z';
    pattern.token = true;
    for (char16_t c : text)
        pattern.token = pattern.token && isSerialChar(c);
    return pattern;
}

constexpr auto kPatterns = [] {
    std::array<Pattern, kRemarks.size()> patterns{};
    for (std::size_t i = 0; i < kRemarks.size(); ++i)
        patterns[i] = compile(kRemarks.rows()[i].key);
    return patterns;
}();

// A plate is a Chinese character, a letter and a serial of five: seven characters.
constexpr std::size_t kPlateLength = 7;

// Which items are only a plate's first characters, the rest of a serial following.
constexpr auto kStartsAPlate = [] {
    std::array<bool, kPatterns.size()> starts{};
    for (std::size_t i = 0; i < kPatterns.size(); ++i) {
        const Pattern &pattern = kPatterns[i];
        starts[i] = pattern.plateStart;
        for (std::size_t s = 0; s < pattern.count; ++s)
            starts[i] = starts[i] && pattern.lengths[s] < kPlateLength;
    }
    return starts;
}();

// The characters some item's spelling starts with (none starts with a wildcard 'a'): most
// characters of a pasted text start none, and are passed over at once.
constexpr auto kFirstCharacters = [] {
    std::array<char16_t, 2 * kRemarks.size()> firsts{};
    std::size_t count = 0;
    for (const Pattern &pattern : kPatterns) {
        for (std::size_t s = 0; s < pattern.count; ++s) {
            const char16_t c = pattern.spellings[s][0];
            if (c == u'a')
                throw "a special item starts with a wildcard";
            if (std::find(firsts.begin(), firsts.begin() + count, c) == firsts.begin() + count)
                firsts[count++] = c;
        }
    }
    return firsts;
}();

} // namespace

std::size_t readsAt(std::size_t item, std::u16string_view plate, std::size_t at) noexcept
{
    if (item >= kPatterns.size() || at >= plate.size())
        return 0;
    const Pattern &pattern = kPatterns[item];
    if (pattern.token && at > 0 && isSerialChar(plate[at - 1]))
        return 0;
    for (std::size_t s = 0; s < pattern.count; ++s) {
        const std::size_t length = pattern.lengths[s];
        if (plate.size() - at < length)
            continue;
        bool fits = true;
        for (std::size_t i = 0; i < length && fits; ++i) {
            const char16_t want = pattern.spellings[s][i];
            const char16_t got = plate[at + i];
            fits = want == u'a' ? isSerialChar(got) : want == got;
        }
        if (!fits)
            continue;
        std::size_t end = at + length;
        if (pattern.token && end < plate.size() && isSerialChar(plate[end]))
            continue;
        if (pattern.plateStart) {
            while (end - at < kPlateLength && end < plate.size() && isSerialChar(plate[end]))
                ++end;
        }
        return end - at;
    }
    return 0;
}

bool startsAPlate(std::size_t item) noexcept
{
    return item < kPatterns.size() && kStartsAPlate[item];
}

bool mayStart(std::u16string_view plate, std::size_t at) noexcept
{
    return at < plate.size() && std::find(kFirstCharacters.begin(), kFirstCharacters.end(),
                                          plate[at]) != kFirstCharacters.end();
}

Items items() noexcept
{
    return kRemarks.keys();
}

std::optional<Text> describe(QStringView item) noexcept
{
    return kRemarks.find(item);
}

} // namespace korvanta::special
