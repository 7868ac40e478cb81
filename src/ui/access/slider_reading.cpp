#include "ui/access/slider_reading.h"

#include <QAccessibleWidget>
#include <QRegularExpression>
#include <QSlider>

#include <cmath>

namespace zel::ui {

namespace {

constexpr char kReadingName[] = "zelSliderReading";

// Kept as a child of the slider, so that it goes with it; found by its name.
class SliderReading : public QObject {
public:
    SliderReading(QSlider* slider, SliderText text) : QObject(slider), m_text(std::move(text))
    {
        setObjectName(QLatin1String(kReadingName));
    }
    QString text(int position) const { return m_text(position); }

private:
    SliderText m_text;
};

SliderReading* readingOf(const QObject* slider)
{
    return static_cast<SliderReading*>(
        slider->findChild<QObject*>(QLatin1String(kReadingName), Qt::FindDirectChildrenOnly));
}

class SliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SliderAccessible(QSlider* slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return textAt(slider()->value());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return numberAt(slider()->value()); }
    QVariant minimumValue() const override
    {
        return std::min(numberAt(slider()->minimum()), numberAt(slider()->maximum()));
    }
    QVariant maximumValue() const override
    {
        return std::max(numberAt(slider()->minimum()), numberAt(slider()->maximum()));
    }
    QVariant minimumStepSize() const override { return 0; }

    // The position whose reading is nearest the number asked for.
    void setCurrentValue(const QVariant& value) override
    {
        const double wanted = value.toDouble();
        int best = slider()->value();
        for (int position = slider()->minimum(); position <= slider()->maximum(); ++position)
            if (std::abs(numberAt(position) - wanted) < std::abs(numberAt(best) - wanted))
                best = position;
        slider()->setValue(best);
    }

private:
    QSlider* slider() const { return static_cast<QSlider*>(widget()); }
    QString textAt(int position) const
    {
        const SliderReading* reading = readingOf(slider());
        return reading ? reading->text(position) : QString::number(position);
    }
    double numberAt(int position) const { return readingNumber(textAt(position), position); }
};

QAccessibleInterface* sliderFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("QSlider") || !object || !readingOf(object))
        return nullptr;
    auto* slider = qobject_cast<QSlider*>(object);
    return slider ? new SliderAccessible(slider) : nullptr;
}

} // namespace

void setSliderReading(QSlider* slider, SliderText text)
{
    delete readingOf(slider);
    new SliderReading(slider, std::move(text));
    // One made before (setting a name announces the change, which makes one) reads the
    // position: it goes, and the next one asked for reads the label.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(slider);
    if (made && !dynamic_cast<SliderAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void installSliderReadings()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(sliderFactory);
    installed = true;
}

double readingNumber(const QString& text, int position)
{
    static const QRegularExpression number(QStringLiteral("[-+]?\\d+(?:\\.\\d+)?"));
    QRegularExpressionMatchIterator found = number.globalMatch(text);
    if (!found.hasNext())
        return position;
    const double first = found.next().captured().toDouble();
    return found.hasNext() ? position : first;
}

} // namespace zel::ui
