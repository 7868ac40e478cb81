#include "report/eq_curve.h"

#include "model/command_language.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace zel::report {

namespace {

constexpr int kScale = 2;         // picture pixels per CSS pixel
constexpr int kLevelRange = 10;   // the band sliders' range, -10..+10 dB
constexpr qreal kMargin = 4;      // keeps the dots inside the picture
constexpr qreal kLabelHeight = 9; // the row of band frequencies below the curve
constexpr int kLabelPixels = 7;

// A band's frequency as short as its label must be: "125", "1k".
QString bandLabel(int band)
{
    const std::string_view text = model::kBandFrequencies.at(static_cast<std::size_t>(band));
    QString label = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    return label.replace(QLatin1Char('K'), QLatin1Char('k'));
}

} // namespace

QImage eqCurveImage(const BandLevels& bands)
{
    QImage image(kCurveWidth * kScale, kCurveHeight * kScale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kScale, kScale);

    const qreal left = kMargin, right = kCurveWidth - kMargin;
    const qreal top = kMargin, bottom = kCurveHeight - kMargin - kLabelHeight;
    const auto xOf = [&](int band) { return left + (right - left) * band / (model::kBands - 1); };
    const auto yOf = [&](int level) {
        const int clamped = std::clamp(level, -kLevelRange, kLevelRange);
        return top + (bottom - top) * (kLevelRange - clamped) / (2.0 * kLevelRange);
    };

    painter.setPen(QPen(QColor(0xcc, 0xcc, 0xcc), 0.5));
    painter.drawRect(QRectF(left, top, right - left, bottom - top));
    for (int band = 1; band < model::kBands - 1; ++band)
        painter.drawLine(QPointF(xOf(band), top), QPointF(xOf(band), bottom));
    painter.setPen(QPen(QColor(0x88, 0x88, 0x88), 0.75)); // the 0 dB line
    painter.drawLine(QPointF(left, yOf(0)), QPointF(right, yOf(0)));

    QPainterPath curve;
    for (int band = 0; band < model::kBands; ++band) {
        const QPointF point(xOf(band), yOf(bands[static_cast<std::size_t>(band)]));
        band == 0 ? curve.moveTo(point) : curve.lineTo(point);
    }
    const QColor ink(0x1f, 0x4e, 0x9a);
    painter.setPen(QPen(ink, 1.5));
    painter.drawPath(curve);
    painter.setBrush(ink);
    painter.setPen(Qt::NoPen);
    for (int band = 0; band < model::kBands; ++band)
        painter.drawEllipse(QPointF(xOf(band), yOf(bands[static_cast<std::size_t>(band)])), 1.8,
                            1.8);
    // Each band labelled by its frequency under its place on the curve.
    QFont font = painter.font();
    font.setPixelSize(kLabelPixels);
    painter.setFont(font);
    painter.setPen(QColor(0x44, 0x44, 0x44));
    const qreal slot = (right - left) / (model::kBands - 1);
    for (int band = 0; band < model::kBands; ++band)
        painter.drawText(QRectF(xOf(band) - slot / 2, bottom + 1, slot, kLabelHeight),
                         Qt::AlignHCenter | Qt::AlignTop, bandLabel(band));
    return image;
}

QString eqCurveName(const BandLevels& bands)
{
    QString name = QStringLiteral("eq");
    for (int8_t level : bands)
        name += QLatin1Char('_') + QString::number(level);
    return name + QStringLiteral(".png");
}

} // namespace zel::report
