#pragma once
// Where the window's side of the link shows what a transfer brings: the configuration text box,
// seen only through what a transfer does to it.

#include <QString>

namespace zel::ui {

class TextFeed {
public:
    virtual ~TextFeed() = default;

    // Text to add at the end, on the last line; line breaks are "\n".
    virtual void appendText(const QString& text) = 0;
    // A line to add on a line of its own.
    virtual void appendLine(const QString& line) = 0;
    // Adds what is kept for the next screen frame now.
    virtual void flush() = 0;
    // Puts `text` in place of everything shown, in one edit.
    virtual void replaceText(const QString& text) = 0;
    // While a transfer runs, typing would mix with the received text.
    virtual void setTypingBlocked(bool blocked) = 0;
};

} // namespace zel::ui
