// The English and Russian texts of the model come from the built
// language modules.
#include "enumeracje.h"
#include "gtest_qt.h"
#include "jezyki.h"
#include "kanaly.h"
#include "setup_teksty.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

class Jezyk {
public:
    explicit Jezyk(const char *modul)
    {
        zaladowany = t.load(QString::fromUtf8(modul)) && QCoreApplication::installTranslator(&t);
    }
    ~Jezyk() { QCoreApplication::removeTranslator(&t); }
    bool zaladowany = false;

private:
    QTranslator t;
};

struct Teksty {
    QString reakcja0, stan6, typAI1, trybPrzek4, regulator1, operacja2, wilgotnosc0;
    QString funkcja3, setup3, setup8, setup24, setup5, setup44, zrodlo1, opis24;
};

Teksty zbierz()
{
    return {listaReakcjaAlarmu(0),         listaStanSterownika(6),        listaTypWejsciaAI(1),
            listaTrybPrzekaznika(4),       listaTypRegulatora(1),         nazwaOperacjiStanu(2),
            listaPomiarWilgotnosci(0),     nazwaFunkcjiSpecjalnej(3, false), nazwaParametruSetup(3),
            nazwaParametruSetup(8),        nazwaParametruSetup(24),       tekstWartosciSetup(5, 0),
            tekstWartosciSetup(44, 1),     opisZrodlaZadanej(1),          opisWejsciaAnalogowego(24)};
}

} // namespace

TEST(TekstyJezyki, Angielskie)
{
    Jezyk j(KVOR_MODUL_EN);
    ASSERT_TRUE(j.zaladowany);
    const Teksty t = zbierz();
    EXPECT_EQ(t.reakcja0, QStringLiteral("OFF"));
    EXPECT_EQ(t.stan6, QStringLiteral("END OF STEP"));
    EXPECT_EQ(t.typAI1, QStringLiteral("Thermocouple K"));
    EXPECT_EQ(t.trybPrzek4, QStringLiteral("PULSE GENERATOR START=0"));
    EXPECT_EQ(t.regulator1, QStringLiteral("Heating \"approach\""));
    EXPECT_EQ(t.operacja2, QStringLiteral("Subtract state"));
    EXPECT_EQ(t.wilgotnosc0, QStringLiteral("Wet and dry"));
    EXPECT_EQ(t.funkcja3, QStringLiteral("Power failure"));
    EXPECT_EQ(t.setup3, QStringLiteral("End condition time [mm:ss]"));
    EXPECT_EQ(t.setup8, QStringLiteral("\tinactive"));
    EXPECT_EQ(t.setup24, QStringLiteral("Motor run-up time [s]"));
    EXPECT_EQ(t.setup5, QStringLiteral("Celsius"));
    EXPECT_EQ(t.setup44, QStringLiteral("Continuous"));
    EXPECT_EQ(t.zrodlo1, QStringLiteral("Core temp."));
    EXPECT_EQ(t.opis24, QStringLiteral("Humidity"));
    // Literal texts stay as they are; the end conditions follow the id.
    EXPECT_EQ(tekstWartosciSetup(4, 1), QStringLiteral("on"));
    EXPECT_EQ(listaWarunekKonca(2, jezykAngielski), QStringLiteral("C02 TIr>TIs"));
}

TEST(TekstyJezyki, RosyjskieCyrylica)
{
    Jezyk j(KVOR_MODUL_RU);
    ASSERT_TRUE(j.zaladowany);
    const Teksty t = zbierz();
    EXPECT_EQ(t.reakcja0, QStringLiteral("ВЫКЛЮЧЕН"));
    EXPECT_EQ(t.stan6, QStringLiteral("КОНЕЦ ШАГА"));
    EXPECT_EQ(t.typAI1, QStringLiteral("Термопара K"));
    EXPECT_EQ(t.trybPrzek4, QStringLiteral("ГЕНЕРАТОР ИМПУЛЬСОВ СТАРТ=0"));
    EXPECT_EQ(t.regulator1, QStringLiteral("Нагрев \"приближение\""));
    EXPECT_EQ(t.operacja2, QStringLiteral("Вычитание состояния"));
    EXPECT_EQ(t.wilgotnosc0, QStringLiteral("Мокрый и сухой"));
    EXPECT_EQ(t.funkcja3, QStringLiteral("Пропадание питания"));
    EXPECT_EQ(t.setup3, QStringLiteral("Время условия окончания [мм:сс]"));
    // Shown as real Cyrillic, the inactive mark kept.
    EXPECT_EQ(t.setup8, QStringLiteral("\tнеактивно"));
    EXPECT_TRUE(parametrSetupNieaktywny(8));
    EXPECT_EQ(t.setup24, QStringLiteral("Время разгона двигателя [с]"));
    EXPECT_EQ(t.setup5, QStringLiteral("Цельсий"));
    EXPECT_EQ(t.setup44, QStringLiteral("Непрерывная"));
    EXPECT_EQ(t.zrodlo1, QStringLiteral("Темп. продукта"));
    EXPECT_EQ(t.opis24, QStringLiteral("Влажность"));
    EXPECT_EQ(listaWarunekKonca(25, jezykRosyjski), QStringLiteral("C25 TIr>TIs i INn=0"));
}

TEST(TekstyJezyki, BezTlumaczeniaPolskie)
{
    EXPECT_EQ(zbierz().reakcja0, QStringLiteral("WYŁĄCZONY"));
    EXPECT_EQ(zbierz().setup8, QStringLiteral("\tnieaktywne"));
}
