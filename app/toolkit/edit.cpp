#include "edit.h"

#include <QLineEdit>

void CEdit::Attach(QWidget* control)
{
    m_edit = qobject_cast<QLineEdit*>(control);
}

QLineEdit* CEdit::GetEdit() const
{
    return m_edit;
}

QString CEdit::GetWindowText() const
{
    return m_edit ? m_edit->text() : QString();
}

void CEdit::SetWindowText(const QString& text)
{
    if (m_edit)
        m_edit->setText(text);
}
