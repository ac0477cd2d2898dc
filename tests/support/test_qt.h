// Base of the QtTest classes. An unexpected or missing message box fails
// the running test function; the locale is Polish; every global the
// program keeps (StanGlobalny: message service, clock, file chooser,
// language, settings sources, link settings...) is put back after each test
// function as it was before it, whatever the test did or failed to undo;
// and a modal-window helper still waiting when the test function ends
// (gdyOknoModalne) fails it and is stopped.
//
// A derived class sets up and tears down each test function in
// przedTestem / poTescie, not in init() / cleanup() slots of its own.
#pragma once

#include "stan_globalny.h"

#include <QObject>

#include <memory>

class TestQt : public QObject {
    Q_OBJECT
public:
    explicit TestQt(QObject *parent = nullptr);
    ~TestQt() override;

protected:
    virtual void przedTestem() {}
    virtual void poTescie() {}

private slots:
    void init();
    void cleanup();

private:
    std::unique_ptr<StanGlobalny> stan_;
};
