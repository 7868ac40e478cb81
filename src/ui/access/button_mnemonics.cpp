#include "ui/access/button_mnemonics.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QWidget>

namespace zel::ui {

namespace {

// The position in `text` of a letter not in `taken`: a word's first letter first, then any.
qsizetype freeLetter(const QString& text, const QSet<QChar>& taken)
{
    for (const bool wordStartsOnly : {true, false}) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            const bool wordStart = i == 0 || !text.at(i - 1).isLetterOrNumber();
            if (c.isLetterOrNumber() && (wordStart || !wordStartsOnly) &&
                !taken.contains(c.toLower()))
                return i;
        }
    }
    return -1;
}

} // namespace

QChar mnemonicLetter(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toLower();
        ++i; // "&&" is an ampersand
    }
    return {};
}

void giveButtonsMnemonics(QWidget* dialog)
{
    QSet<QChar> taken;
    const auto take = [&taken](const QString& text) {
        if (const QChar letter = mnemonicLetter(text); !letter.isNull())
            taken.insert(letter);
    };
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        take(button->text());
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        take(label->text());
    for (const QGroupBox* box : dialog->findChildren<QGroupBox*>())
        take(box->title());

    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        const QString text = button->text();
        if (text.isEmpty() || !mnemonicLetter(text).isNull())
            continue;
        const qsizetype at = freeLetter(text, taken);
        if (at < 0)
            continue;
        taken.insert(text.at(at).toLower());
        button->setText(QString(text).insert(at, QLatin1Char('&')));
    }
}

} // namespace zel::ui
