// Acting on a modal window from a test: the call that opens it blocks, so
// the action runs from a timer once the window is up.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs `akcja` on the modal window once it is up.
inline void gdyOknoModalne(std::function<void(QWidget *)> akcja)
{
    auto *t = new QTimer;
    t->setInterval(10);
    QObject::connect(t, &QTimer::timeout, [t, akcja] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            t->stop();
            t->deleteLater();
            akcja(w);
        }
    });
    t->start();
}
