#pragma once

#include <QPointer>
#include <QString>

class QLineEdit;
class QWidget;

// An edit control by id: its whole text, read and written.
class CEdit
{
public:
    void Attach(QWidget* control);
    QLineEdit* GetEdit() const;

    QString GetWindowText() const;
    void SetWindowText(const QString& text);

private:
    QPointer<QLineEdit> m_edit;
};
