#pragma once

#include <QObject>

class QSocketNotifier;
class QWidget;

// Turns SIGINT and SIGTERM into closing the given window, the same way its
// close button does, so a logout or Ctrl+C loses nothing.
class SignalCloser : public QObject {
    Q_OBJECT
public:
    explicit SignalCloser(QWidget* window);
    ~SignalCloser() override;

private:
    QWidget* m_window;
    QSocketNotifier* m_notifier = nullptr;
};
