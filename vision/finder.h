// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#pragma once

// Where a picture may hold a plate: regions of a plate's colour (blue, yellow, green) and
// regions dense in upright strokes (any plate's characters, white and black plates too), of a
// plate's proportions, tilted or turned up to about 30°. Each is only a candidate: the reader
// decides whether it is a plate.

#include <opencv2/core.hpp>

#include <array>
#include <vector>

namespace korvanta::vision
{

using Corners = std::array<cv::Point2f, 4>; // clockwise from the top left

// The smallest plate looked for, in pixels across.
constexpr float kSmallestPlate = 45;

std::vector<Corners> findCandidates(const cv::Mat &bgr);

// The candidate cut out and straightened to `size` (RGB in, RGB out).
cv::Mat straighten(const cv::Mat &rgb, const Corners &corners, cv::Size size);

} // namespace korvanta::vision
