#include "ui/window/welcome_window.h"

#include "ui/access/button_mnemonics.h"
#include "ui/access/focus_return.h"
#include "ui/common/window_placement.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include <algorithm>

namespace zel::ui {

namespace {

constexpr int kClientWidth = 527;
constexpr int kClientHeight = 376;
constexpr int kMargin = 8;
constexpr int kTextWidth = 511;
constexpr int kTextHeight = 329;
constexpr int kButtonWidth = 123;
constexpr int kButtonHeight = 25;
constexpr qreal kTextPointSize = 9;
constexpr qreal kMinTextPointSize = 7;
constexpr int kTextMargin = 4;
constexpr int kSlack = 4; // the text box's own rounding

// The greeting's font: 9 point, or smaller where the platform's font is too wide for every line
// to fit the box unbroken, or too tall for every line to show without scrolling.
QFont fittingFont(QFont font, int width, int height)
{
    const QStringList lines = WelcomeWindow::welcomeLines();
    for (qreal size = kTextPointSize; size >= kMinTextPointSize; size -= 0.5) {
        font.setPointSizeF(size);
        const QFontMetrics metrics(font);
        if (lines.size() * metrics.lineSpacing() <= height &&
            std::all_of(lines.begin(), lines.end(), [&](const QString& line) {
                return metrics.horizontalAdvance(line) <= width;
            }))
            break;
    }
    return font;
}

} // namespace

QStringList WelcomeWindow::welcomeLines()
{
    return {
        tr("Welcome to the ZEL configuration utility.  "),
        QString(),
        tr("To use the utility, follow the steps below:"),
        QString(),
        tr("1. Select one of three import methods from the FILE Menu:"),
        QString(),
        tr("- File mode (import configuration from a file)"),
        tr("- Serial mode (import configuration from a serial connection, 9600 baud required)"),
        tr("- Telnet mode (import configuration from a Ethernet connection)"),
        QString(),
        tr("2. Select FILE / IMPORT - or - Select FILE / NEW ZEL-8 or ZEL-16 to start "
           "with a blank "),
        tr("template."),
        QString(),
        tr("3. Edit the configuration to fit your installation."),
        QString(),
        tr("4. Select FILE / EXPORT.  The export method is the same as the one used during "),
        tr("import. "),
        QString(),
        // Every transfer with a unit is kept in the unit journal: the note says where.
        tr("Note:  Every configuration imported or exported via telnet or serial is kept  "),
        tr("on the PC in the unit journal (FILE / HISTORY).  To save a file of your own, "),
        tr("export using the FILE method."),
        QString(),
        // The way to work on a venue's units together, by the menu items that start it.
        tr("For a venue of several units: FILE / FIND UNITS finds them, and the site window "),
        tr("(FILE / NEW SITE) backs them all up, verifies them and reports on the visit."),
    };
}

WelcomeWindow::WelcomeWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      m_textBox(new QPlainTextEdit(this)), m_okButton(new QPushButton(tr("OK"), this))
{
    setWindowTitle(tr("Welcome"));
    setFixedSize(kClientWidth, kClientHeight);

    const int frame = 2 * m_textBox->frameWidth() + 2 * kTextMargin + kSlack;
    m_textBox->setFont(fittingFont(font(), kTextWidth - frame, kTextHeight - frame));
    m_textBox->document()->setDocumentMargin(kTextMargin);
    m_textBox->setReadOnly(true);
    m_textBox->setAccessibleName(tr("Welcome text"));
    m_textBox->setPlainText(welcomeLines().join(QLatin1Char('\n')));
    m_textBox->setGeometry(kMargin, kMargin, kTextWidth, kTextHeight);

    const int buttonTop =
        kMargin + kTextHeight + (kClientHeight - kMargin - kTextHeight - kButtonHeight) / 2;
    m_okButton->setGeometry((kClientWidth - kButtonWidth) / 2, buttonTop, kButtonWidth,
                            kButtonHeight);
    m_okButton->setDefault(true);
    m_okButton->setFocus();
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    giveButtonsMnemonics(this);
    returnFocusWhenClosed(this);

    centerOnScreen(this);
}

} // namespace zel::ui
