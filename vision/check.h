// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// From what the reader weighs to a plate: the most likely reading that is a plate of a shape
// plates have, of a colour that shape comes in, and which of its characters are in doubt.

#include "vision/photoreader.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace korvanta::vision
{

// What the reader gives for one straightened plate: for each of eight places, the likelihood
// of every character of `alphabet` ("_" for none), and the likelihood of each colour.
struct Likelihoods {
    QString alphabet;
    std::vector<float> characters; // places × alphabet.size()
    std::array<float, 6> colours{};

    float at(std::size_t place, qsizetype character) const
    {
        return characters[place * std::size_t(alphabet.size()) + std::size_t(character)];
    }
};

constexpr std::size_t kPlaces = 8;
// A character less likely than this is in doubt; the province and the letter, which say where
// the plate comes from, need more: a wrong origin said with confidence is the worst answer.
constexpr float kSure = 0.8f;
constexpr float kSureOfOrigin = 0.97f;

struct Checked {
    QString text;
    PlateColour colour = PlateColour::Blue;
    QList<float> sureness;
    QList<int> doubtful;
    // How likely the whole reading is: its characters' and its colour's likelihoods multiplied.
    double likelihood = 0;
};

// The most likely reading of any shape a plate has; none where no shape has a likely reading.
std::optional<Checked> check(const Likelihoods &likelihoods);

} // namespace korvanta::vision
