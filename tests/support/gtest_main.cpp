// GoogleTest main with a QCoreApplication, the message service's failures
// reported as test failures, and the program's globals put back after
// every test.
#include "komunikaty_skrypt.h"
#include "stan_globalny.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <memory>

namespace {

class PrzywracanieStanu : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override { stan_ = std::make_unique<StanGlobalny>(); }
    void OnTestEnd(const ::testing::TestInfo &) override { stan_.reset(); }
    std::unique_ptr<StanGlobalny> stan_;
};

} // namespace

int main(int argc, char **argv)
{
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    KomunikatySkrypt::naBlad() = [](const QString &s) { ADD_FAILURE() << s.toStdString(); };
    ::testing::UnitTest::GetInstance()->listeners().Append(new PrzywracanieStanu);
    return RUN_ALL_TESTS();
}
