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

#include <functional>

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

struct Tekst {
    std::function<QString()> daj;
    const char *pl, *en, *ru;
};

const Tekst teksty[] = {
    {[] { return listaReakcjaAlarmu(0); }, "WYŁĄCZONY", "OFF", "ВЫКЛЮЧЕН"},
    {[] { return listaStanSterownika(6); }, "KONIEC KROKU", "END OF STEP", "КОНЕЦ ШАГА"},
    {[] { return listaTypWejsciaAI(1); }, "Termopara K", "Thermocouple K", "Термопара K"},
    {[] { return listaTrybPrzekaznika(4); }, "IMPULSATOR START=0", "PULSE GENERATOR START=0",
     "ГЕНЕРАТОР ИМПУЛЬСОВ СТАРТ=0"},
    {[] { return listaTypRegulatora(1); }, "Grzanie \"dochodzenie\"", "Heating \"approach\"", "Нагрев \"приближение\""},
    {[] { return listaOperacjaStanu(2); }, "Odjęcie stanu", "Subtract state", "Вычитание состояния"},
    {[] { return listaPomiarWilgotnosci(0); }, "Mokry suchy", "Wet and dry", "Мокрый и сухой"},
    {[] { return nazwaFunkcjiSpecjalnej(3, false); }, "Zanik zasilania", "Power failure", "Пропадание питания"},
    {[] { return nazwaParametruSetup(3); }, "Czas warunku końca [mm:ss]", "End condition time [mm:ss]",
     "Время условия окончания [мм:сс]"},
    // Shown as real Cyrillic, the inactive mark kept.
    {[] { return nazwaParametruSetup(8); }, "\tnieaktywne", "\tinactive", "\tнеактивно"},
    {[] { return nazwaParametruSetup(24); }, "Czas rozpędzania silnika [s]", "Motor run-up time [s]",
     "Время разгона двигателя [с]"},
    {[] { return tekstWartosciSetup(5, 0); }, "Celsjusz", "Celsius", "Цельсий"},
    {[] { return tekstWartosciSetup(44, 1); }, "Ciągła", "Continuous", "Непрерывная"},
    {[] { return opisZrodlaZadanej(1); }, "Temp. Batonu", "Core temp.", "Темп. продукта"},
    {[] { return opisWejsciaAnalogowego(24); }, "Wilgotność", "Humidity", "Влажность"},
    // Literal texts stay as they are in every language.
    {[] { return tekstWartosciSetup(4, 1); }, "on", "on", "on"},
    {[] { return listaTypWejsciaAI(0); }, "PT100", "PT100", "PT100"},
};

void sprawdz(const char *Tekst::*jezyk)
{
    for (const Tekst &t : teksty)
        EXPECT_EQ(t.daj(), QString::fromUtf8(t.*jezyk)) << t.pl;
}

} // namespace

TEST(TekstyJezyki, Polskie) { sprawdz(&Tekst::pl); }

TEST(TekstyJezyki, Angielskie)
{
    Jezyk j(KVOR_MODUL_EN);
    ASSERT_TRUE(j.zaladowany);
    sprawdz(&Tekst::en);
}

TEST(TekstyJezyki, Rosyjskie)
{
    Jezyk j(KVOR_MODUL_RU);
    ASSERT_TRUE(j.zaladowany);
    sprawdz(&Tekst::ru);
    EXPECT_TRUE(parametrSetupNieaktywny(8));
}
