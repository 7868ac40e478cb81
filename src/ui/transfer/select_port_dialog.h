#pragma once
// "Select Port": asks which serial port to open. The list holds the ports the platform reports;
// the box is editable, because a port the platform does not list (a USB adapter it misses, a
// pseudo-terminal such as /dev/pts/3) can still be opened by typing its name or path.

#include <QDialog>
#include <QStringList>

class QComboBox;
class QPushButton;

namespace zel::ui {

class SelectPortDialog : public QDialog {
    Q_OBJECT
public:
    explicit SelectPortDialog(const QStringList& ports, QWidget* parent = nullptr);

    // The chosen or typed port, without surrounding blanks.
    QString portName() const;

    QComboBox* portBox() const { return m_portBox; }
    QPushButton* okButton() const { return m_ok; }

    // The names of the serial ports present, in natural order (COM2 before COM10).
    static QStringList availablePorts();

private:
    QComboBox* m_portBox;
    QPushButton* m_ok;
};

} // namespace zel::ui
