// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "vision/check.h"

#include "catalogue/shapes.h"

#include <cmath>

namespace korvanta::vision
{
namespace
{

// The colours a plate of a shape comes in (GA 36-2018): a new-energy plate is green, small or
// large; the 2012-style military and armed-police plates and a police car's are white; the
// rest blue, yellow (large vehicles, trailers, learners), or black (Hong Kong and Macao,
// consulates, embassies).
std::array<bool, 6> coloursOf(ShapeId id)
{
    using enum PlateColour;
    std::array<bool, 6> allowed{};
    const auto allow = [&allowed](std::initializer_list<PlateColour> colours) {
        for (PlateColour c : colours)
            allowed[std::size_t(c)] = true;
    };
    const std::size_t length = shapes::length(id);
    const QString type = toQString(shapes::type(id));
    if (type.startsWith(QStringLiteral("新能源")))
        allow({length == 8 && shapes::allows(id, 7, u'D') && !shapes::allows(id, 2, u'D')
                   ? YellowGreen
                   : Green});
    else if (shapes::kind(id) == PlateKind::Military ||
             shapes::kind(id) == PlateKind::ArmedPolice || type.startsWith(QStringLiteral("警用")))
        allow({White});
    else if (type == QStringLiteral("港澳入出境车") || type == QStringLiteral("领馆汽车") ||
             type == QStringLiteral("使馆汽车"))
        allow({Black});
    else
        allow({Blue, Yellow});
    return allowed;
}

// The most likely reading of shape `id`: each place's most likely character that the shape
// allows there, and "_" after its last.
std::optional<Checked> bestOf(ShapeId id, const Likelihoods &l)
{
    const std::size_t length = shapes::length(id);
    if (length < 7 || length > kPlaces)
        return std::nullopt;
    Checked reading;
    double logLikelihood = 0;
    for (std::size_t place = 0; place < kPlaces; ++place) {
        qsizetype best = -1;
        for (qsizetype c = 1; c < l.alphabet.size(); ++c) {
            if (place < length && shapes::allows(id, place, l.alphabet[c].unicode()) &&
                (best < 0 || l.at(place, c) > l.at(place, best)))
                best = c;
        }
        if (place >= length)
            best = 0;
        if (best < 0)
            return std::nullopt;
        const float p = l.at(place, best);
        logLikelihood += std::log(std::max(p, 1e-9f));
        if (place < length) {
            reading.text += l.alphabet[best];
            reading.sureness << p;
            if (p < (place < 2 ? kSureOfOrigin : kSure))
                reading.doubtful << int(place + 1);
        }
    }
    if (shapes::fit(id, reading.text.toStdU16String(), 0) != shapes::Fit::Whole)
        return std::nullopt;
    const std::array<bool, 6> allowed = coloursOf(id);
    float colour = 0;
    for (std::size_t c = 0; c < allowed.size(); ++c) {
        if (allowed[c] && l.colours[c] > colour) {
            colour = l.colours[c];
            reading.colour = PlateColour(c);
        }
    }
    reading.likelihood = std::exp(logLikelihood) * colour;
    return reading;
}

} // namespace

std::optional<Checked> check(const Likelihoods &likelihoods)
{
    std::optional<Checked> best;
    for (std::size_t id = 0; id < shapes::count(); ++id) {
        const std::optional<Checked> reading = bestOf(ShapeId(id), likelihoods);
        if (reading && (!best || reading->likelihood > best->likelihood))
            best = reading;
    }
    return best;
}

} // namespace korvanta::vision
