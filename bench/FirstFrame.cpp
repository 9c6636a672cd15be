#include "bench/FirstFrame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

CFirstFrame::CFirstFrame(QWidget* pWindow, std::function<void()> onPainted)
    : QObject(pWindow), m_pWindow(pWindow), m_onPainted(std::move(onPainted)) {
    pWindow->installEventFilter(this);
}

bool CFirstFrame::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched == m_pWindow && pEvent->type() == QEvent::Paint && !m_bSeen) {
        m_bSeen = true;
        // The window paints before its children; the pass is complete only once control
        // is back in the event loop.
        QTimer::singleShot(0, m_pWindow, [this] {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            const long long ns = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
            std::printf("first_paint_ns=%lld width=%d height=%d\n", ns, m_pWindow->width(),
                        m_pWindow->height());
            std::fflush(stdout);
            m_onPainted();
        });
    }
    return false;
}
