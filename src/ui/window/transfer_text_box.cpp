#include "ui/window/transfer_text_box.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace zel::ui {

namespace {

void insertAtEnd(QPlainTextEdit* box, const QString& text)
{
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
}

} // namespace

void appendReceivedText(QPlainTextEdit* box, const QString& text)
{
    if (!text.isEmpty())
        insertAtEnd(box, text);
}

void appendTransferLine(QPlainTextEdit* box, const QString& line)
{
    const bool onFreshLine = box->document()->lastBlock().text().isEmpty();
    insertAtEnd(box,
                (onFreshLine ? QString() : QStringLiteral("\n")) + line + QStringLiteral("\n"));
}

} // namespace zel::ui
