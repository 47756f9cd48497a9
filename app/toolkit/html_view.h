#pragma once

#include <QTextDocument>
#include <QWidget>

// An HTML page drawn by Qt's rich-text engine over the whole of its widget, the body's
// background colour included; it has no border and no scroll bars and takes no input.
class HtmlView : public QWidget
{
    Q_OBJECT

public:
    HtmlView(const QByteArray& html, QWidget* parent);

    // The colour the page's body gives the whole view; invalid when the page sets none.
    QColor BackgroundColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTextDocument m_document;
};
