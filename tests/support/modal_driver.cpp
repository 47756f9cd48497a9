#include "modal_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int kPollMilliseconds = 5;
constexpr int kTimeoutMilliseconds = 30000;
constexpr char kObservedProperty[] = "observedByDriver";

QWidget* ActiveWindow()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    return QApplication::activeModalWidget();
}

} // namespace

ModalDriver::ModalDriver()
{
    qApp->installEventFilter(this);
    connect(&m_poll, &QTimer::timeout, this, &ModalDriver::Poll);
    m_poll.start(kPollMilliseconds);
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, &ModalDriver::GiveUp);
    m_watchdog.start(kTimeoutMilliseconds);
}

ModalDriver::~ModalDriver()
{
    qApp->removeEventFilter(this);
    EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " step(s) never found their window";
}

void ModalDriver::OnDialog(const QString& caption, Action action)
{
    m_steps.push_back({[caption](QWidget* window) {
                           return qobject_cast<QDialog*>(window) && window->windowTitle() == caption;
                       },
                       std::move(action)});
}

void ModalDriver::OnMenu(Action action)
{
    m_steps.push_back({[](QWidget* window) { return qobject_cast<QMenu*>(window) != nullptr; }, std::move(action)});
}

const std::vector<ObservedMessage>& ModalDriver::messages() const
{
    return m_messages;
}

const QStringList& ModalDriver::shownCaptions() const
{
    return m_shownCaptions;
}

bool ModalDriver::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->isWindow() && !qobject_cast<QMenu*>(widget))
            m_shownCaptions.append(widget->windowTitle());
    }
    return QObject::eventFilter(watched, event);
}

void ModalDriver::Poll()
{
    QWidget* window = ActiveWindow();
    if (!window || !window->isVisible())
        return;
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        DismissMessageBox(box);
        return;
    }
    if (m_steps.empty() || m_stepQueued || IsBusy(window) || !m_steps.front().matches(window))
        return;
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    m_stepQueued = true;
    // Acting from a queued call rather than from the timer lets the timer fire again inside the
    // nested modal runs that the action starts.
    QMetaObject::invokeMethod(
        this, [this, step = std::move(step), target = QPointer<QWidget>(window)] { RunStep(step, target); },
        Qt::QueuedConnection);
}

void ModalDriver::DismissMessageBox(QMessageBox* box)
{
    if (box->property(kObservedProperty).toBool())
        return;
    box->setProperty(kObservedProperty, true);
    m_messages.push_back({box->text(), box->windowTitle(), box->icon(), box->standardButtons()});
    QMetaObject::invokeMethod(
        this,
        [target = QPointer<QMessageBox>(box)] {
            if (target)
                QTest::mouseClick(target->button(QMessageBox::Ok), Qt::LeftButton);
        },
        Qt::QueuedConnection);
}

bool ModalDriver::IsBusy(const QWidget* window) const
{
    return std::ranges::any_of(m_busyWindows, [window](const QPointer<QWidget>& busy) { return busy == window; });
}

void ModalDriver::RunStep(const Step& step, QPointer<QWidget> window)
{
    m_stepQueued = false;
    if (!window) {
        ADD_FAILURE() << "the window of a step closed before the step could act";
        return;
    }
    window->activateWindow();
    m_busyWindows.push_back(window);
    step.action(window);
    std::erase_if(m_busyWindows, [](const QPointer<QWidget>& busy) { return busy.isNull(); });
    if (const auto found = std::ranges::find(m_busyWindows, window); found != m_busyWindows.end())
        m_busyWindows.erase(found);
}

void ModalDriver::GiveUp()
{
    ADD_FAILURE() << "a modal window was left waiting; " << m_steps.size() << " step(s) left";
    m_steps.clear();
    while (QWidget* window = ActiveWindow()) {
        if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->done(-1);
        else
            window->close();
        QCoreApplication::processEvents();
    }
}
