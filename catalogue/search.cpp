// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "catalogue/search.h"

#include "catalogue/platereader.h"
#include "catalogue/searchindex.h"

#include <algorithm>
#include <bitset>

namespace korvanta::search
{
namespace
{

constexpr std::size_t kMaxDocuments = 1024;
using Hits = std::bitset<kMaxDocuments>;

// What is typed as pinyin: letters in lower case, with the spaces and apostrophes people put
// between syllables left out.
constexpr std::size_t kMaxPinyin = 48;
class Pinyin
{
public:
    explicit Pinyin(QStringView text)
    {
        for (QChar c : text) {
            const char16_t u = c.unicode();
            if (u == u' ' || u == u'\'' || u == u'\u3000')
                continue;
            if (m_length == kMaxPinyin || !((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z'))) {
                m_length = 0;
                return;
            }
            m_text[m_length++] = static_cast<char>(u | 0x20);
        }
    }
    std::string_view view() const { return {m_text.data(), m_length}; }

private:
    std::array<char, kMaxPinyin> m_text{};
    std::size_t m_length = 0;
};

// Whether `rest` reads as the characters from `place` on, up to `end`: each character one of its
// readings, the last one possibly begun only.
bool readsFrom(std::string_view rest, std::uint32_t place, std::uint32_t end)
{
    if (rest.empty())
        return true;
    if (place >= end)
        return false;
    const auto readings = index::readings();
    const auto starts = index::readingStarts();
    for (std::uint32_t r = starts[place]; r < starts[place + 1]; ++r) {
        const std::string_view syllable = index::syllables()[readings[r]];
        if (rest.starts_with(syllable)) {
            if (readsFrom(rest.substr(syllable.size()), place + 1, end))
                return true;
        } else if (syllable.starts_with(rest)) {
            return true;
        }
    }
    return false;
}

std::uint32_t endOfDocument(std::uint32_t place)
{
    return index::textStarts()[index::documentOf()[place] + 1];
}

void markPlaces(Hits &found, std::span<const std::uint32_t> places, std::string_view rest)
{
    for (std::uint32_t place : places) {
        const std::uint16_t document = index::documentOf()[place];
        if (!found[document] && readsFrom(rest, place + 1, endOfDocument(place)))
            found.set(document);
    }
}

std::span<const std::uint32_t> placesOfSyllable(std::size_t syllable)
{
    const auto starts = index::syllableStarts();
    return index::syllablePlaces().subspan(starts[syllable],
                                           starts[syllable + 1] - starts[syllable]);
}

// The documents with a run of characters that reads as `typed` in full pinyin.
Hits byPinyin(std::string_view typed)
{
    Hits found;
    const auto syllables = index::syllables();
    // The first character reads as a whole syllable that `typed` starts with...
    for (std::size_t length = 1; length <= std::min<std::size_t>(6, typed.size()); ++length) {
        const auto at =
            std::lower_bound(syllables.begin(), syllables.end(), typed.substr(0, length));
        if (at != syllables.end() && *at == typed.substr(0, length))
            markPlaces(found, placesOfSyllable(std::size_t(at - syllables.begin())),
                       typed.substr(length));
    }
    return found;
}

// The documents with a character whose reading `typed` begins, but is not all of: a weaker match
// than a whole reading, or than the first letters of several characters.
Hits byBegunSyllable(std::string_view typed)
{
    Hits found;
    const auto syllables = index::syllables();
    for (auto at = std::lower_bound(syllables.begin(), syllables.end(), typed);
         at != syllables.end() && at->starts_with(typed) && *at != typed; ++at) {
        for (std::uint32_t place : placesOfSyllable(std::size_t(at - syllables.begin())))
            found.set(index::documentOf()[place]);
    }
    return found;
}

// The documents with a run of characters whose readings start with the letters of `typed`.
Hits byInitials(std::string_view typed)
{
    Hits found;
    const int first = typed.front() - 'a';
    const auto starts = index::initialStarts();
    const auto places =
        index::initialPlaces().subspan(starts[first], starts[first + 1] - starts[first]);
    const auto initials = index::initials();
    for (std::uint32_t place : places) {
        const std::uint16_t document = index::documentOf()[place];
        if (found[document] || place + typed.size() > endOfDocument(place))
            continue;
        bool fits = true;
        for (std::size_t k = 1; k < typed.size() && fits; ++k)
            fits = initials[place + k] & (1u << (typed[k] - 'a'));
        if (fits)
            found.set(document);
    }
    return found;
}

Hits byChinese(QStringView typed)
{
    Hits found;
    const Text wanted = toText(typed);
    const auto documents = index::documents();
    // A long paste is in no text at all: most of its prefixes are passed over at once.
    static const std::size_t longest =
        std::max_element(documents.begin(), documents.end(), [](const auto &a, const auto &b) {
            return a.text.size() < b.text.size();
        })->text.size();
    if (wanted.size() > longest)
        return found;
    for (std::size_t d = 0; d < documents.size(); ++d) {
        if (documents[d].text.find(wanted) != Text::npos)
            found.set(d);
    }
    return found;
}

bool hasChinese(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x2E80; });
}

} // namespace

Rows lookUp(QStringView text) noexcept
{
    Rows rows;
    // One row a plate: what a typed plate's shape adds stays with the first row that names it.
    const auto add = [&rows](search::Found found, const Reading &reading) {
        if (std::none_of(rows.begin(), rows.end(),
                         [&reading](const Row &row) { return row.reading == reading; }))
            rows.push({found, reading});
    };
    const auto addFound = [&](search::Found kind, const Hits &found) {
        const auto documents = index::documents();
        for (std::size_t d = 0; d < documents.size() && !rows.full(); ++d) {
            if (found[d])
                add(kind, {documents[d].kind,
                           documents[d].picks,
                           {.missingLetter = documents[d].missingLetter}});
        }
    };

    const plates::Readings readings = plates::read(text);
    for (const Reading &reading : readings) {
        if (reading.complete())
            add(Found::Plate, reading);
    }

    const QStringView typed =
        text.first(qMin(text.size(), qsizetype(plates::kReadLength))).trimmed();
    if (!typed.isEmpty() && hasChinese(typed))
        addFound(Found::Chinese, byChinese(typed));
    const Pinyin pinyin(typed);
    if (pinyin.view().size() >= 2) {
        addFound(Found::Pinyin, byPinyin(pinyin.view()));
        addFound(Found::Initials, byInitials(pinyin.view()));
        addFound(Found::Begun, byBegunSyllable(pinyin.view()));
    }

    for (const Reading &reading : readings) {
        if (!reading.complete())
            add(Found::Partial, reading);
    }
    return rows;
}

} // namespace korvanta::search
