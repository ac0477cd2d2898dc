// The alarm of a measuring input, a digital input or the humidity: its
// reaction ("Status alarmu"), what it does to the outputs ("Logika
// przekaźników"), its delay, for alarms with thresholds "Wartość max" and
// "Wartość min", and the states it gives outputs 1..32. TPanelAlarmu shows
// one alarm; its controls come from the section's fields (kontrolki_pol.h)
// and the record window binds them (kontrolki()). polaAlarmu declares the
// fields of an alarm held as vxt_alarm_konfiguracja_t.
#pragma once

#include "edycja_czasu.h"
#include "enumeracje.h"
#include "pola_sekcji.h"
#include "powiazanie_czasu.h"
#include "rekordy_projekt.h"

#include <QByteArray>
#include <QWidget>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QTabWidget;
class TFloatEdit;
class TPrzekazniki32;

class TPanelAlarmu : public QWidget {
    Q_OBJECT
public:
    // The fields the panel edits. Without `max` / `min` the alarm has no
    // such threshold.
    struct Pola {
        TOpisPola status, logika, opoznienie, przekazniki;
        std::optional<TOpisPola> max, min;
        bool minUkryte = false; // the lower threshold is kept, never shown
        QString poOpoznieniu;   // after "Opóźnienie alarmu": " [mm:ss]", ...
        QString poGranicy;      // after "Wartość max" and "Wartość min"
    };

    // `nazwa` names the controls: co_<nazwa>Status, co_<nazwa>Logika,
    // dt_<nazwa>Opoznienie, fe_<nazwa>_Max, fe_<nazwa>_Min, przekaz_<nazwa>.
    TPanelAlarmu(const Pola &pola, const QString &nazwa, int jezykId, QWidget *parent = nullptr);

    QGroupBox *gb_status, *gb_logikaPrzekaznikow;
    QComboBox *co_status, *co_logika;
    QLabel *L_opoznienie;
    TMin99SecEdit *dt_opoznienie;
    QLabel *L_max = nullptr, *L_min = nullptr;
    TFloatEdit *fe_max = nullptr, *fe_min = nullptr;
    TPrzekazniki32 *przekazniki;

    // Each control with the name of the field it edits.
    const std::vector<std::pair<QWidget *, QString>> &kontrolki() const { return kontrolki_; }
    // The texts in the current language (the list items follow with their
    // binding).
    void jezyk();

private:
    QWidget *dodaj(const TOpisPola &opis, const QString &nazwa, int jezykId);

    Pola pola_;
    std::vector<std::pair<QWidget *, QString>> kontrolki_;
};

// A tab of `zakladki` (named `nazwaZakladki`, captioned by the window) with
// a panel of the alarm; `powiaz` binds each of its controls to the field
// it edits.
TPanelAlarmu *dodajZakladkeAlarmu(QTabWidget *zakladki, const QString &nazwaZakladki, const TPanelAlarmu::Pola &pola,
                                  const QString &nazwa, int jezykId,
                                  const std::function<void(QWidget *k, const QString &pole)> &powiaz);

// " Stan wyjść przekaźnikowych ": the caption of an alarm's relay states.
QString tytulStanuWyjsc();

// The fields of the alarm `alarm` of records R: `prefiks` (the reaction,
// a list), prefiks + "_logika" (the state operation), "_opoznienie"
// (seconds, mm:ss), "_max" and "_min" (tenths, -200.0 .. 999.9, typed
// values truncated) and "_przekazniki" (outputs 1..32). A list showing no
// item keeps the stored code. None is a grid column; each is titled
// "<alarm>: <field>". A record window binds the delay box through
// powiazanieOpoznienia.
template <class R>
std::vector<TPole<R>> polaAlarmu(const QString &prefiks, std::function<QString()> tytulAlarmu,
                                 vxt_alarm_konfiguracja_t R::*alarm)
{
    using P = TPole<R>;
    using A = vxt_alarm_konfiguracja_t;
    // The alarm is copied out and back whole: no reference to a packed member.
    const auto pole = [alarm](auto czytaj, auto zapisz) {
        return std::make_pair(
            [alarm, czytaj](const R &r) -> qint64 {
                const A a = r.*alarm;
                return czytaj(a);
            },
            [alarm, zapisz](R &r, qint64 v) {
                A a = r.*alarm;
                zapisz(a, v);
                r.*alarm = a;
            });
    };
    const auto tytul = [tytulAlarmu](const char *t) {
        return [tytulAlarmu, t] {
            return tytulAlarmu() + QStringLiteral(": ") + QCoreApplication::translate("TPanelAlarmu", t);
        };
    };
    auto status = pole([](const A &a) { return a.status; }, [](A &a, qint64 v) { a.status = uint8_t(v); });
    auto logika = pole([](const A &a) { return a.logika; }, [](A &a, qint64 v) { a.logika = uint8_t(v); });
    // The delay's two bytes are unsigned seconds (0..65535).
    auto opoznienie = pole([](const A &a) { return uint16_t(a.opoznienie); },
                           [](A &a, qint64 v) { a.opoznienie = int16_t(uint16_t(v)); });
    auto max = pole([](const A &a) { return a.warunek2; }, [](A &a, qint64 v) { a.warunek2 = int16_t(v); });
    auto min = pole([](const A &a) { return a.warunek1; }, [](A &a, qint64 v) { a.warunek1 = int16_t(v); });

    std::vector<P> w;
    w.push_back(P::wyliczenie(prefiks, nullptr, status.first, status.second, zListy(listaReakcjaAlarmu))
                    .ukryte()
                    .tytulZ(tytul(QT_TRANSLATE_NOOP("TPanelAlarmu", "Status alarmu"))));
    w.push_back(P::wyliczenie(prefiks + QStringLiteral("_logika"), nullptr, logika.first, logika.second,
                              zListy(listaOperacjaStanu))
                    .ukryte()
                    .tytulZ(tytul(QT_TRANSLATE_NOOP("TPanelAlarmu", "Logika przekaźników"))));
    w.push_back(P::liczbowe(prefiks + QStringLiteral("_opoznienie"), nullptr, TRodzajPola::MinutySekundy,
                            opoznienie.first, opoznienie.second, 0, 5999)
                    .ukryte()
                    .tytulZ(tytul(QT_TRANSLATE_NOOP("TPanelAlarmu", "Opóźnienie alarmu"))));
    w.push_back(P::liczbowe(prefiks + QStringLiteral("_max"), nullptr, TRodzajPola::DziesiateObciete, max.first,
                            max.second, -2000, 9999)
                    .ukryte()
                    .tytulZ(tytul(QT_TRANSLATE_NOOP("TPanelAlarmu", "Wartość max"))));
    w.push_back(P::liczbowe(prefiks + QStringLiteral("_min"), nullptr, TRodzajPola::DziesiateObciete, min.first,
                            min.second, -2000, 9999)
                    .ukryte()
                    .tytulZ(tytul(QT_TRANSLATE_NOOP("TPanelAlarmu", "Wartość min"))));
    w.push_back(P::przekaznikowe(
                    prefiks + QStringLiteral("_przekazniki"), nullptr,
                    [alarm](const R &r) {
                        const A a = r.*alarm;
                        return QByteArray(reinterpret_cast<const char *>(a.przekazniki), 32);
                    },
                    [alarm](R &r, const QByteArray &b) {
                        A a = r.*alarm;
                        for (int j = 0; j < 32 && j < b.size(); ++j)
                            a.przekazniki[j] = uint8_t(b[j]);
                        r.*alarm = a;
                    })
                    .tytulZ(tytul(QT_TRANSLATE_NOOP("TPanelAlarmu", "Stan wyjść przekaźnikowych"))));
    return w;
}

// The panel's fields out of a section's table, for an alarm declared by
// polaAlarmu with `prefiks`.
template <class R>
TPanelAlarmu::Pola polaPaneluAlarmu(const TPolaSekcji<R> &pola, const QString &prefiks, bool zProgami)
{
    TPanelAlarmu::Pola p;
    p.status = pola[prefiks];
    p.logika = pola[prefiks + QStringLiteral("_logika")];
    p.opoznienie = pola[prefiks + QStringLiteral("_opoznienie")];
    p.przekazniki = pola[prefiks + QStringLiteral("_przekazniki")];
    if (zProgami) {
        p.max = pola[prefiks + QStringLiteral("_max")];
        p.min = pola[prefiks + QStringLiteral("_min")];
    }
    return p;
}

// The binder dodajZakladkeAlarmu takes in a record window over the fields
// `pola` of its record: each control goes to its field through
// powiaz(k, pole), the delay box through powiaz(k, pokaz, przyjmij) of
// powiazanieOpoznienia. `powiaz` forwards to the window's own:
// [this](QWidget *k, auto &&...a) { powiaz(k, a...); }.
template <class R, class Powiaz>
std::function<void(QWidget *, const QString &)> powiazaniaAlarmu(const TPolaSekcji<R> &pola, R &rekord, Powiaz powiaz)
{
    return [p = &pola, r = &rekord, powiaz](QWidget *k, const QString &nazwa) {
        const TPole<R> &pole = (*p)[nazwa];
        auto *t = qobject_cast<TMin99SecEdit *>(k);
        if (!t) {
            powiaz(k, pole);
            return;
        }
        const TPowiazanieOpoznienia o = powiazanieOpoznienia(
            t, [pole, r] { return pole.wartosc(*r); }, [pole, r](qint64 v) { pole.zEdycji(*r, v); });
        powiaz(k, o.pokaz, o.przyjmij);
    };
}
