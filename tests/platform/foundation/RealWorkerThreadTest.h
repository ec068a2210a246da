#pragma once

#include "foundation/Clock.h"
#include "foundation/WorkerThread.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace testing_support {

// A worker thread started on real time, with the Qt application its event loop needs.
class RealWorkerThreadTest : public ::testing::Test {
protected:
    RealWorkerThreadTest() { worker.start(); }

    int argc = 0;
    QCoreApplication app{argc, nullptr};
    foundation::SystemClock clock;
    foundation::WorkerThread worker{"com.tolvane.control.test_worker", 0.5, clock};
};

} // namespace testing_support
