// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QUrl>

// A label that opens its link address in the user's web browser when clicked, or when
// Enter or Space is pressed while it has the focus. The pointer turns into a pointing
// hand over it.
class HyperLink : public QLabel
{
    Q_OBJECT

public:
    explicit HyperLink(QWidget *parent = nullptr);

    QUrl url() const { return m_url; }
    void setUrl(const QUrl &url);

    // Follows the link, as a click does; a failure becomes the error report.
    void activate();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow();

    QUrl m_url;
};
