// GoogleTest main with a QCoreApplication and the message service's
// failures reported as test failures.
#include "komunikaty_skrypt.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    KomunikatySkrypt::naBlad() = [](const QString &s) { ADD_FAILURE() << s.toStdString(); };
    return RUN_ALL_TESTS();
}
