#include "ui/text_box_loading.h"

#include <QPlainTextEdit>

namespace zel::ui {

namespace {

// Keeps a widget from repainting while it lives.
class PaintingSuspended {
public:
    explicit PaintingSuspended(QWidget* widget)
        : m_widget(widget), m_wasEnabled(widget->updatesEnabled())
    {
        m_widget->setUpdatesEnabled(false);
    }
    ~PaintingSuspended() { m_widget->setUpdatesEnabled(m_wasEnabled); }
    PaintingSuspended(const PaintingSuspended&) = delete;
    PaintingSuspended& operator=(const PaintingSuspended&) = delete;

private:
    QWidget* m_widget;
    bool m_wasEnabled;
};

} // namespace

QString joinLatin1Lines(const std::vector<std::string>& lines)
{
    qsizetype size = 0;
    for (const std::string& line : lines)
        size += static_cast<qsizetype>(line.size()) + 1;
    QString text;
    text.reserve(size);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += QLatin1Char('\n');
        text += QLatin1String(lines[i].data(), static_cast<qsizetype>(lines[i].size()));
    }
    return text;
}

void setLines(QPlainTextEdit* box, const std::vector<std::string>& lines)
{
    PaintingSuspended suspended(box);
    box->setPlainText(joinLatin1Lines(lines));
}

void appendLines(QPlainTextEdit* box, const std::vector<std::string>& lines)
{
    if (lines.empty())
        return;
    PaintingSuspended suspended(box);
    if (box->document()->isEmpty())
        box->setPlainText(joinLatin1Lines(lines));
    else
        box->appendPlainText(joinLatin1Lines(lines));
}

} // namespace zel::ui
