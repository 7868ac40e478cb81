#include "ui/transfer/transfer_text_box.h"

#include "ui/common/painting_suspended.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace zel::ui {

namespace {
// Text that came is shown once a frame (60 a second), not once a byte.
constexpr int kTextFrameMs = 16;
// A unit that floods the link would otherwise pile up text for one long insert that holds the
// window still: past this much, what is kept goes in at once.
constexpr qsizetype kMostKept = 4096;
} // namespace

TransferTextFeed::TransferTextFeed(QPlainTextEdit* box, QObject* parent)
    : QObject(parent), m_box(box)
{
    m_frame.setSingleShot(true);
    m_frame.setInterval(kTextFrameMs);
    connect(&m_frame, &QTimer::timeout, this, &TransferTextFeed::flush);
}

void TransferTextFeed::appendText(const QString& text)
{
    if (text.isEmpty())
        return;
    m_pending += text;
    if (m_pending.size() >= kMostKept)
        flush();
    else if (!m_frame.isActive())
        m_frame.start();
}

void TransferTextFeed::appendLine(const QString& line)
{
    const bool onFreshLine = m_pending.isEmpty() ? m_box->document()->lastBlock().text().isEmpty()
                                                 : m_pending.endsWith(QLatin1Char('\n'));
    appendText((onFreshLine ? QString() : QStringLiteral("\n")) + line + QStringLiteral("\n"));
}

void TransferTextFeed::flush()
{
    m_frame.stop();
    if (m_pending.isEmpty())
        return;
    QTextCursor cursor(m_box->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(m_pending);
    m_pending.clear();
    m_box->setTextCursor(cursor);
    m_box->ensureCursorVisible();
}

void TransferTextFeed::replaceText(const QString& text)
{
    const PaintingSuspended suspended(m_box);
    m_box->setPlainText(text);
}

void TransferTextFeed::setTypingBlocked(bool blocked)
{
    m_box->setReadOnly(blocked);
}

} // namespace zel::ui
