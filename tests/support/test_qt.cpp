#include "test_qt.h"

#include "okno_modalne.h"
#include "qtest_komunikaty.h"

#include <QLocale>

TestQt::TestQt(QObject *parent) : QObject(parent)
{
    bledyKomunikatowWQtTest();
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
}

TestQt::~TestQt() = default;

void TestQt::init()
{
    stan_ = std::make_unique<StanGlobalny>();
    przedTestem();
}

void TestQt::cleanup()
{
    zakonczOknaModalne();
    poTescie();
    stan_.reset();
}
