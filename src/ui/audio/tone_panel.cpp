#include "ui/audio/tone_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include "model/command_language.h"
#include "ui/access/accessible_naming.h"
#include "ui/audio/field_slider.h"
#include "ui/audio/slider_scale.h"

namespace zel::ui {

namespace {
const model::Field& kTone = model::commandField(model::Command::Tone, 1);
constexpr int kToneDivisions = 8;
} // namespace

TonePanel::TonePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("toneGroup"));
    m_bass = makeFieldSlider(Qt::Vertical, kTone, kToneDivisions, this);
    m_treble = makeFieldSlider(Qt::Vertical, kTone, kToneDivisions, this);
    m_bassValue = new QLabel(QStringLiteral("0"), this);
    m_trebleValue = new QLabel(QStringLiteral("0"), this);
    m_bass->setObjectName(QStringLiteral("bassSlider"));
    m_treble->setObjectName(QStringLiteral("trebleSlider"));
    m_bassValue->setObjectName(QStringLiteral("bassValue"));
    m_trebleValue->setObjectName(QStringLiteral("trebleValue"));
    setAccessibleCaption(m_bass, tr("Bass"));
    setAccessibleCaption(m_treble, tr("Treble"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(tr("Bass"), this), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(tr("Treble"), this), 0, 2, Qt::AlignHCenter);
    grid->addLayout(makeScaleLayout(this, decibelScale(kTone)), 1, 0);
    grid->addWidget(m_bass, 1, 1, Qt::AlignHCenter);
    grid->addWidget(m_treble, 1, 2, Qt::AlignHCenter);
    grid->addWidget(m_bassValue, 2, 1, Qt::AlignHCenter);
    grid->addWidget(m_trebleValue, 2, 2, Qt::AlignHCenter);

    connect(m_bass, &QSlider::valueChanged, this, &TonePanel::updateValueLabels);
    connect(m_treble, &QSlider::valueChanged, this, &TonePanel::updateValueLabels);
}

int TonePanel::bass() const
{
    return m_bass->value();
}

int TonePanel::treble() const
{
    return m_treble->value();
}

void TonePanel::setLevels(int bass, int treble)
{
    m_bass->setValue(bass);
    m_treble->setValue(treble);
    updateValueLabels();
}

void TonePanel::updateValueLabels()
{
    m_bassValue->setNum(m_bass->value());
    m_trebleValue->setNum(m_treble->value());
}

} // namespace zel::ui
