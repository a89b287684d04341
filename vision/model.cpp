// SPDX-FileCopyrightText: 2026 The Korvanta developers
// SPDX-License-Identifier: MIT

#include "vision/model.h"

#include <QFile>

#include <vector>

namespace korvanta::vision
{

QString Model::load()
{
    if (m_loaded)
        return {};
    QFile model(QStringLiteral(":/vision/reader.onnx"));
    QFile alphabet(QStringLiteral(":/vision/alphabet.txt"));
    if (!model.open(QIODevice::ReadOnly) || !alphabet.open(QIODevice::ReadOnly))
        return QStringLiteral("the plate reader's model is missing");
    const QByteArray bytes = model.readAll();
    try {
        m_net = cv::dnn::readNetFromONNX(bytes.constData(), std::size_t(bytes.size()));
    } catch (const cv::Exception &e) {
        return QStringLiteral("the plate reader's model cannot be loaded: %1")
            .arg(QString::fromLocal8Bit(e.what()));
    }
    m_alphabet = QString::fromUtf8(alphabet.readLine()).trimmed();
    m_loaded = !m_alphabet.isEmpty();
    return m_loaded ? QString() : QStringLiteral("the plate reader's alphabet is empty");
}

std::vector<Likelihoods> Model::read(const std::vector<cv::Mat> &plates)
{
    if (plates.empty())
        return {};
    // RGB from 0 to 1, channels first, as the model was trained on.
    m_net.setInput(cv::dnn::blobFromImages(plates, 1.0 / 255.0, cv::Size(kPlateWidth, kPlateHeight),
                                           cv::Scalar(), false, false, CV_32F));
    std::vector<cv::Mat> outputs;
    m_net.forward(outputs, std::vector<cv::String>{"characters", "colour"});
    const std::size_t perPlate = outputs[0].total() / plates.size();
    const std::size_t colours = outputs[1].total() / plates.size();
    std::vector<Likelihoods> read(plates.size());
    for (std::size_t i = 0; i < plates.size(); ++i) {
        Likelihoods &l = read[i];
        l.alphabet = m_alphabet;
        const float *characters = outputs[0].ptr<float>() + i * perPlate;
        l.characters.assign(characters, characters + perPlate);
        const float *colour = outputs[1].ptr<float>() + i * colours;
        for (std::size_t c = 0; c < l.colours.size() && c < colours; ++c)
            l.colours[c] = colour[c];
    }
    return read;
}

} // namespace korvanta::vision
