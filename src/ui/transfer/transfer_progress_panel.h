#pragma once
// The status bar's part of a running transfer: a progress bar (busy while no line count is
// known, "line i of M" while an export sends) and a "Cancel" button.

#include <QWidget>

class QProgressBar;
class QPushButton;

namespace zel::ui {

class TransferProgressPanel : public QWidget {
    Q_OBJECT
public:
    explicit TransferProgressPanel(QWidget* parent = nullptr);

    // Shown with a busy bar, until showProgress() gives a count.
    void begin();
    void showProgress(int line, int lineCount);
    void end();

    QProgressBar* progressBar() const { return m_bar; }
    QPushButton* cancelButton() const { return m_cancel; }

signals:
    void cancelRequested();

private:
    QProgressBar* m_bar;
    QPushButton* m_cancel;
};

} // namespace zel::ui
