#pragma once
// Adds a transfer's text to the configuration text box: the unit's replies and received text run
// on at the end of the box, log lines stand on lines of their own, and the box follows its end.
//
// A transfer adds a few pieces for every line it sends. Inserting each at once, with a relayout
// and a scroll, costs more than a line's time on a fast link and delays the next line on a slow
// one, so pieces are kept and added together at most once per screen frame, after which the box
// is scrolled to its caret. flush() adds what is kept at once.

#include "ui/common/text_feed.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QPlainTextEdit;

namespace zel::ui {

class TransferTextFeed : public QObject, public TextFeed {
    Q_OBJECT
public:
    explicit TransferTextFeed(QPlainTextEdit* box, QObject* parent = nullptr);

    void appendText(const QString& text) override;
    void appendLine(const QString& line) override;
    void flush() override;
    // With painting suspended, so that a whole configuration appears without a repaint per line.
    void replaceText(const QString& text) override;
    // The box is made read-only.
    void setTypingBlocked(bool blocked) override;

private:
    QPlainTextEdit* m_box;
    QString m_pending;
    QTimer m_frame;
};

} // namespace zel::ui
