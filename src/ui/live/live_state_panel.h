#pragma once
// The status bar's live state line: what live mode says of the unit (in sync, sending, not
// applied, link lost, unit differs), with "Resend" while blocks are not applied. Screen readers
// find it by name and hear every change; a state that needs the user is told as an alert.

#include "session/live/live_types.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace zel::ui {

class LiveStatePanel : public QWidget {
    Q_OBJECT
public:
    explicit LiveStatePanel(QWidget* parent = nullptr);

    // Shows `status`; hidden while live mode is off.
    void showStatus(const session::LiveStatus& status);

    QLabel* stateLabel() const { return m_label; }
    QPushButton* resendButton() const { return m_resend; }

signals:
    void resendRequested();

private:
    void showText();

    QLabel* m_label;
    QPushButton* m_resend;
    QTimer* m_ticker; // "read 12 s ago" goes on as time passes
    session::LiveStatus m_status;
};

} // namespace zel::ui
