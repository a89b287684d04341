// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "vision/finder.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <optional>

namespace korvanta::vision
{
namespace
{

// The picture is looked through at most this large; the corners found are given back in the
// picture's own pixels.
constexpr double kWorkingSide = 1400;
// A plate is 440 × 140 mm (3.1 : 1), a new-energy one 480 × 140 mm (3.4 : 1); a tilted or
// partly found one looks narrower or wider.
constexpr float kNarrowest = 1.8f;
constexpr float kWidest = 7.0f;
constexpr float kMostTurn = 35; // degrees

// Corners in order, clockwise from the top left, for a box whose long side lies across.
Corners ordered(const cv::RotatedRect &box)
{
    std::array<cv::Point2f, 4> p;
    box.points(p.data());
    std::sort(p.begin(), p.end(), [](const auto &a, const auto &b) { return a.y < b.y; });
    const auto [topLeft, topRight] =
        p[0].x < p[1].x ? std::pair(p[0], p[1]) : std::pair(p[1], p[0]);
    const auto [bottomLeft, bottomRight] =
        p[2].x < p[3].x ? std::pair(p[2], p[3]) : std::pair(p[3], p[2]);
    return {topLeft, topRight, bottomRight, bottomLeft};
}

// Whether a box has a plate's proportions, size and turn; if so, the box with its long side
// across.
std::optional<cv::RotatedRect> plateLike(cv::RotatedRect box, double scale)
{
    if (box.size.width < box.size.height) {
        std::swap(box.size.width, box.size.height);
        box.angle += 90;
    }
    while (box.angle > 90)
        box.angle -= 180;
    while (box.angle < -90)
        box.angle += 180;
    const float across = box.size.width, high = box.size.height;
    if (high < 1 || across < kSmallestPlate * scale || std::abs(box.angle) > kMostTurn)
        return std::nullopt;
    const float ratio = across / high;
    if (ratio < kNarrowest || ratio > kWidest)
        return std::nullopt;
    return box;
}

// A region's four corners where its outline is near enough a quadrilateral (a plate seen at an
// angle is one, not a rectangle), clockwise from the top left; none otherwise.
std::optional<Corners> quadrilateral(const std::vector<cv::Point> &contour)
{
    std::vector<cv::Point> hull, corners;
    cv::convexHull(contour, hull);
    const double around = cv::arcLength(hull, true);
    for (double tolerance : {0.02, 0.04, 0.06, 0.08}) {
        cv::approxPolyDP(hull, corners, tolerance * around, true);
        if (corners.size() == 4)
            break;
    }
    if (corners.size() != 4)
        return std::nullopt;
    // The hull runs one way round: the top of the two long sides starts at the top left.
    Corners q;
    for (std::size_t i = 0; i < 4; ++i)
        q[i] = cv::Point2f(corners[i]);
    if ((q[1] - q[0]).cross(q[2] - q[1]) < 0)
        std::reverse(q.begin(), q.end());
    const auto length = [&](std::size_t i) {
        return cv::norm(q[(i + 1) % 4] - q[i]);
    };
    std::size_t top = length(0) + length(2) >= length(1) + length(3) ? 0 : 1;
    if (q[top].y + q[(top + 1) % 4].y > q[top + 2].y + q[(top + 3) % 4].y)
        top += 2;
    std::rotate(q.begin(), q.begin() + std::ptrdiff_t(top), q.end());
    return q;
}

// `corners` grown about their middle along the plate's own width and height.
Corners grown(const Corners &corners, float across, float high)
{
    const cv::Point2f middle = (corners[0] + corners[1] + corners[2] + corners[3]) * 0.25f;
    cv::Point2f width = (corners[1] + corners[2] - corners[0] - corners[3]) * 0.5f;
    width *= float(1.0 / std::max(1e-3, cv::norm(width)));
    const cv::Point2f height(-width.y, width.x);
    Corners out;
    for (std::size_t i = 0; i < 4; ++i) {
        const cv::Point2f d = corners[i] - middle;
        out[i] = middle + width * (d.dot(width) * across) + height * (d.dot(height) * high);
    }
    return out;
}

// Each region of a plate's proportions: the rectangle round it, and its own four corners where
// they make a quadrilateral (they follow a plate seen at an angle better).
void collect(const cv::Mat &mask, double scale, std::vector<Corners> &found)
{
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(mask, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE);
    for (const auto &contour : contours) {
        if (contour.size() < 4)
            continue;
        const cv::RotatedRect box = cv::minAreaRect(contour);
        // Mostly filled: a plate's region, not the outline of something larger.
        const double filled = cv::contourArea(contour) / std::max(1.0f, box.size.area());
        if (filled < 0.45)
            continue;
        const auto plate = plateLike(box, scale);
        if (!plate)
            continue;
        // A little more than the region found: the plate's rim, and what a colour misses.
        std::vector<Corners> shapes{ordered(*plate)};
        if (const auto corners = quadrilateral(contour))
            shapes.push_back(*corners);
        for (const Corners &corners : shapes) {
            Corners out = grown(corners, 1.06f, 1.12f);
            for (cv::Point2f &p : out)
                p *= float(1.0 / scale);
            found.push_back(out);
        }
    }
}

cv::Mat closed(const cv::Mat &mask, int across, int high)
{
    cv::Mat out;
    cv::morphologyEx(mask, out, cv::MORPH_CLOSE,
                     cv::getStructuringElement(cv::MORPH_RECT, cv::Size(across, high)));
    cv::morphologyEx(out, out, cv::MORPH_OPEN,
                     cv::getStructuringElement(cv::MORPH_RECT, cv::Size(3, 3)));
    return out;
}

} // namespace

std::vector<Corners> findCandidates(const cv::Mat &bgr)
{
    const double scale = std::min(1.0, kWorkingSide / std::max(bgr.cols, bgr.rows));
    cv::Mat work;
    cv::resize(bgr, work, cv::Size(), scale, scale, cv::INTER_AREA);
    const int across = std::max(5, int(work.cols / 90)), high = std::max(3, across / 4);

    std::vector<Corners> found;
    // A plate's colour: blue, yellow, and the green of new-energy plates (OpenCV's hue is 0 to
    // 180). Blue more and more saturated as well: a plate on a blue or grey-blue car stands
    // apart from it only there.
    cv::Mat hsv, mask;
    cv::cvtColor(work, hsv, cv::COLOR_BGR2HSV);
    const std::array<std::pair<cv::Scalar, cv::Scalar>, 5> colours = {{
        {{98, 70, 40}, {128, 255, 255}},
        {{98, 170, 40}, {128, 255, 255}},
        {{100, 90, 90}, {125, 255, 255}},
        {{12, 70, 70}, {35, 255, 255}},
        {{35, 35, 70}, {85, 255, 255}},
    }};
    for (const auto &[from, to] : colours) {
        cv::inRange(hsv, from, to, mask);
        collect(closed(mask, across, high), scale, found);
    }
    // Upright strokes close together: a plate's characters, whatever its colours.
    cv::Mat grey, strokes;
    cv::cvtColor(work, grey, cv::COLOR_BGR2GRAY);
    cv::Sobel(grey, strokes, CV_16S, 1, 0, 3);
    cv::convertScaleAbs(strokes, strokes);
    cv::threshold(strokes, strokes, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU);
    collect(closed(strokes, across * 2, high), scale, found);
    return found;
}

cv::Mat straighten(const cv::Mat &rgb, const Corners &corners, cv::Size size)
{
    const std::array<cv::Point2f, 4> target = {cv::Point2f(0, 0), cv::Point2f(float(size.width), 0),
                                               cv::Point2f(float(size.width), float(size.height)),
                                               cv::Point2f(0, float(size.height))};
    cv::Mat out;
    cv::warpPerspective(rgb, out, cv::getPerspectiveTransform(corners.data(), target.data()), size,
                        cv::INTER_AREA, cv::BORDER_REPLICATE);
    return out;
}

} // namespace korvanta::vision
