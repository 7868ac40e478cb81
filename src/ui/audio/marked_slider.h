#pragma once
// A slider that draws tick marks at chosen values only (the balance slider marks -40, 0 and +40
// but not its ends), where QSlider can only tick at a fixed interval from its minimum.

#include <QList>
#include <QSlider>

namespace zel::ui {

class MarkedSlider : public QSlider {
    Q_OBJECT
public:
    explicit MarkedSlider(Qt::Orientation orientation, QWidget* parent = nullptr);

    void setTickValues(QList<int> values);
    QList<int> tickValues() const { return m_tickValues; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<int> m_tickValues;
};

} // namespace zel::ui
