// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// The trained plate reader, run by OpenCV's dnn module: a straightened plate in, the likelihood
// of every character at each place and of each colour out. The model is built into the module
// and loaded at the first plate.

#include "vision/check.h"

#include <opencv2/core.hpp>
#include <opencv2/dnn.hpp>

namespace korvanta::vision
{

// What the model takes: a plate straightened to this many pixels.
constexpr int kPlateWidth = 128;
constexpr int kPlateHeight = 32;

class Model
{
public:
    // Whether the model could be loaded; an empty reason where it was.
    QString load();
    // The likelihoods for each straightened plate (RGB, kPlateWidth × kPlateHeight), read at
    // once.
    std::vector<Likelihoods> read(const std::vector<cv::Mat> &plates);

private:
    cv::dnn::Net m_net;
    QString m_alphabet;
    bool m_loaded = false;
};

} // namespace korvanta::vision
