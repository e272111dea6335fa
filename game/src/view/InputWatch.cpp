#include "view/InputWatch.h"

#include <QCoreApplication>
#include <QEvent>

#include <chrono>

namespace {

const QEvent::Type kTickEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

}  // namespace

InputWatch::Clock& InputWatch::clock() {
    static Clock steady = [] {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    };
    return steady;
}

InputWatch::InputWatch(std::function<void()> tick, QObject* parent)
    : QObject(parent), tick_(std::move(tick)) {
    noteInput();
}

// Qt 6 cannot be asked whether input is waiting: hasPendingEvents is gone from
// QCoreApplication and QAbstractEventDispatcher, and the window system's queue
// is private (the dispatcher's aboutToBlock comes before events already
// queued are delivered, so it cannot tell either). Instead the tick goes to
// the back of the queue as a low-priority event, behind every event queued
// before it; when input was handled on the way, input was waiting and the tick
// does nothing.
void InputWatch::tickDue() {
    inputSinceDue_ = false;
    QCoreApplication::postEvent(this, new QEvent(kTickEvent), Qt::LowEventPriority);
}

bool InputWatch::event(QEvent* event) {
    if (event->type() != kTickEvent) {
        return QObject::event(event);
    }
    if (!inputSinceDue_) {
        tick_();
    }
    return true;
}
