#include "ui/transfer/text_box_loading.h"

#include "ui/common/painting_suspended.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace zel::ui {

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

QString storedText(const QPlainTextEdit* box)
{
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace zel::ui
