#include "ui/audio/slider_scale.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "model/command_language.h"

namespace zel::ui {

QString decibelCaption(int level)
{
    return QCoreApplication::translate("Audio", "%1db")
        .arg((level >= 0 ? QStringLiteral("+") : QString()) + QString::number(level));
}

QString hertzCaption(int hertz)
{
    return QCoreApplication::translate("Audio", "%1Hz").arg(hertz);
}

QStringList decibelScale(const model::Field& field)
{
    return {decibelCaption(field.high), decibelCaption((field.low + field.high) / 2),
            decibelCaption(field.low)};
}

QStringList hertzScale(const model::Field& field)
{
    return {hertzCaption(field.low), hertzCaption(field.high)};
}

int tickInterval(const model::Field& field, int divisions)
{
    return (field.high - field.low) / divisions;
}

QList<int> centreAndHalfwayTicks(int sideLength)
{
    return {-sideLength / 2, 0, sideLength / 2};
}

QVBoxLayout* makeScaleLayout(QWidget* parent, const QStringList& captions)
{
    auto* layout = new QVBoxLayout;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        Qt::Alignment alignment = Qt::AlignRight;
        if (i == 0)
            alignment |= Qt::AlignTop;
        else if (i == captions.size() - 1)
            alignment |= Qt::AlignBottom;
        if (i > 0)
            layout->addStretch();
        layout->addWidget(new QLabel(captions[i], parent), 0, alignment);
    }
    return layout;
}

} // namespace zel::ui
