#include "komunikaty_skrypt.h"

#include <QCoreApplication>

#include <cstdio>

std::function<void(const QString &)> &KomunikatySkrypt::naBlad()
{
    static std::function<void(const QString &)> f = [](const QString &s) {
        std::fprintf(stderr, "FAIL: %s\n", qUtf8Printable(s));
    };
    return f;
}

QString nazwaRodzaju(RodzajKomunikatu r)
{
    switch (r) {
    case RodzajKomunikatu::Blad:
        return QStringLiteral("pokazBlad");
    case RodzajKomunikatu::Ostrzezenie:
        return QStringLiteral("pokazOstrzezenie");
    case RodzajKomunikatu::PytanieOstrzezenie:
        return QStringLiteral("pytanieOstrzezenie");
    case RodzajKomunikatu::Informacja:
        return QStringLiteral("pokazInformacje");
    case RodzajKomunikatu::Pytanie:
        return QStringLiteral("pytanie");
    case RodzajKomunikatu::PytanieTakNieAnuluj:
        return QStringLiteral("pytanieTakNieAnuluj");
    case RodzajKomunikatu::Komunikat:
        return QStringLiteral("pokazKomunikat");
    case RodzajKomunikatu::PytanieMyDlg:
        return QStringLiteral("pytanieMyDlg");
    }
    return {};
}

KomunikatySkrypt::KomunikatySkrypt() { ustawKomunikaty(this); }

KomunikatySkrypt::~KomunikatySkrypt()
{
    ustawKomunikaty(nullptr);
    for (const auto &o : oczekiwane_)
        naBlad()(QStringLiteral("expected box not shown: %1 \"%2\"").arg(nazwaRodzaju(o.rodzaj), o.fragment));
}

KomunikatySkrypt &KomunikatySkrypt::oczekuj(RodzajKomunikatu rodzaj, const QString &fragment, int odpowiedz)
{
    oczekiwane_.push_back({rodzaj, fragment, odpowiedz});
    return *this;
}

int KomunikatySkrypt::pokaz(RodzajKomunikatu rodzaj, const QString &tekst)
{
    pokazane.push_back({rodzaj, tekst});
    if (oczekiwane_.empty()) {
        naBlad()(QStringLiteral("unexpected box: %1 \"%2\"").arg(nazwaRodzaju(rodzaj), tekst));
        return rodzaj == RodzajKomunikatu::PytanieMyDlg ? 7 : rodzaj == RodzajKomunikatu::PytanieTakNieAnuluj ? -1 : 0;
    }
    const Oczekiwany o = oczekiwane_.front();
    oczekiwane_.pop_front();
    if (o.rodzaj != rodzaj || !tekst.contains(o.fragment))
        naBlad()(QStringLiteral("box %1 \"%2\" shown where %3 \"%4\" was expected")
                     .arg(nazwaRodzaju(rodzaj), tekst, nazwaRodzaju(o.rodzaj), o.fragment));
    return o.odpowiedz;
}

ZegarTestowy::ZegarTestowy() { ustawZegar(this); }
ZegarTestowy::~ZegarTestowy() { ustawZegar(nullptr); }

void ZegarTestowy::spij(int ms)
{
    if (ms > 0) {
        teraz += ms;
        przespane += ms;
    }
}

void ZegarTestowy::przetworzZdarzenia()
{
    if (przetwarzajZdarzenia && QCoreApplication::instance())
        QCoreApplication::processEvents();
    if (naPrzetworz)
        naPrzetworz();
}

void ZegarTestowy::czekajDokladnie(int ms)
{
    dokladne.push_back(ms);
    if (ms > 0)
        teraz += ms;
}

WyborPlikuSkrypt::WyborPlikuSkrypt() { ustawWyborPliku(this); }
WyborPlikuSkrypt::~WyborPlikuSkrypt() { ustawWyborPliku(nullptr); }

QString WyborPlikuSkrypt::plikDoOtwarcia(const QString &filtr, const QString &)
{
    ++ileOtwarc;
    filtry << filtr;
    if (odpowiedzi.empty()) {
        KomunikatySkrypt::naBlad()(QStringLiteral("unexpected open dialog"));
        return {};
    }
    QString w = odpowiedzi.front();
    odpowiedzi.pop_front();
    return w;
}

QString WyborPlikuSkrypt::plikDoZapisu(const QString &filtr, const QString &, const QString &nazwaPoczatkowa)
{
    ++ileZapisow;
    filtry << filtr;
    nazwyPoczatkowe << nazwaPoczatkowa;
    if (odpowiedzi.empty()) {
        KomunikatySkrypt::naBlad()(QStringLiteral("unexpected save dialog"));
        return {};
    }
    QString w = odpowiedzi.front();
    odpowiedzi.pop_front();
    return w;
}
