// In QtTest binaries an unexpected or missing message box fails the test
// function that is running (GoogleTest binaries get this from their main).
#pragma once

#include "komunikaty_skrypt.h"

#include <QtTest>

inline void bledyKomunikatowWQtTest()
{
    KomunikatySkrypt::naBlad() = [](const QString &s) { QTest::qFail(qPrintable(s), __FILE__, __LINE__); };
}
