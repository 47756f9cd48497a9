#include "html_view.h"

#include <QPainter>
#include <QTextFrame>

HtmlView::HtmlView(const QByteArray& html, QWidget* parent)
    : QWidget(parent)
{
    m_document.setHtml(QString::fromUtf8(html));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QColor HtmlView::BackgroundColour() const
{
    const QBrush background = m_document.rootFrame()->frameFormat().background();
    return background.style() == Qt::NoBrush ? QColor() : background.color();
}

void HtmlView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Like a browser, the body's background covers the whole view, not only the text's extent.
    if (const QColor background = BackgroundColour(); background.isValid())
        painter.fillRect(rect(), background);
    m_document.setTextWidth(width());
    m_document.drawContents(&painter, rect());
}
