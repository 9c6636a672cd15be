#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Watches a window for its first paint. Once that paint pass has finished (the children
// paint and the frame is flushed in the same pass), prints one line to stdout:
//   first_paint_ns=<CLOCK_MONOTONIC ns> width=<px> height=<px>
// and then runs onPainted, which is meant to end the program.
class CFirstFrame : public QObject {
public:
    CFirstFrame(QWidget* pWindow, std::function<void()> onPainted);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    QWidget* m_pWindow;
    std::function<void()> m_onPainted;
    bool m_bSeen = false;
};
