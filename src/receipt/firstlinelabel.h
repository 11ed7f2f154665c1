// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QTextOption>

// A one-line label that breaks its text at word boundaries to fit its width and shows
// only the first line, so a text too long for it loses its last words rather than
// showing a sliver of a second line. A single word wider than the label is cut off.
class FirstLineLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FirstLineLabel(QWidget *parent = nullptr);

    // Shows the text as one word, cut at the label's edge where it does not fit: for an
    // amount, whose start must never read as a whole, shorter number.
    void keepAsOneWord();

    // The part of the text that the label shows.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTextOption::WrapMode m_wrapMode = QTextOption::WordWrap;
};
