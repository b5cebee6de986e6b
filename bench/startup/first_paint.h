// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>

#include <cstdio>
#include <functional>

namespace mokopi::bench {

// Tells the measuring parent, on standard output, that a widget has put its
// first frame of interest on the screen. The line is written after the whole
// repaint has been flushed to the display, not when the paint event starts.
class FirstPaintReporter final : public QObject {
public:
    // isTheFrame: whether a paint event of `watched` draws the frame awaited.
    // then: what the process does once the line is out.
    FirstPaintReporter(std::function<bool(QObject* watched)> isTheFrame, std::function<void()> then)
        : isTheFrame_(std::move(isTheFrame)), then_(std::move(then))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!reported_ && event->type() == QEvent::Paint && isTheFrame_(watched)) {
            reported_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    std::puts("painted");
                    std::fflush(stdout);
                    then_();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<bool(QObject*)> isTheFrame_;
    std::function<void()> then_;
    bool reported_ = false;
};

// The resident memory of this process, VmRSS in KiB.
inline long residentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// How long a memory run plays before it reads VmRSS.
inline constexpr int PlayMs = 3000;

inline void reportMemoryAndQuit()
{
    std::printf("rss %ld\n", residentKib());
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

}  // namespace mokopi::bench
