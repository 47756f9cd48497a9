#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

// A message box the driver saw and dismissed.
struct ObservedMessage
{
    QString text;
    QString caption;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;

    bool operator==(const ObservedMessage&) const = default;
};

// Acts on whichever modal window is active while a test runs a dialog: each step waits for its
// window (a dialog by caption, or the open popup menu) and then acts as a user would. Message
// boxes are recorded and dismissed with OK. A step never starts while an earlier step is still
// acting on the same window, so a nested run finishes before the outer window is touched again.
// A window left waiting fails the test and is closed after a timeout.
class ModalDriver : public QObject
{
    Q_OBJECT

public:
    using Action = std::function<void(QWidget* window)>;

    ModalDriver();
    ~ModalDriver() override;

    void OnDialog(const QString& caption, Action action);
    void OnMenu(Action action);

    const std::vector<ObservedMessage>& messages() const;
    // The captions of the top-level windows that became visible, in order.
    const QStringList& shownCaptions() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Step
    {
        std::function<bool(QWidget*)> matches;
        Action action;
    };

    void Poll();
    void DismissMessageBox(QMessageBox* box);
    bool IsBusy(const QWidget* window) const;
    void RunStep(const Step& step, QPointer<QWidget> window);
    void GiveUp();

    QTimer m_poll;
    QTimer m_watchdog;
    std::deque<Step> m_steps;
    bool m_stepQueued = false;
    std::vector<QPointer<QWidget>> m_busyWindows;
    std::vector<ObservedMessage> m_messages;
    QStringList m_shownCaptions;
};
