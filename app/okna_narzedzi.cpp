#include "okna_narzedzi.h"

#include "komunikaty.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include <exception>

Qt::WindowFlags flagiOknaNarzedzia()
{
    return Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

QPushButton *nowyPrzycisk(QWidget *rodzic, const char *nazwa)
{
    auto *b = new QPushButton(rodzic);
    b->setObjectName(QString::fromLatin1(nazwa));
    b->setAutoDefault(false);
    return b;
}

QLabel *nowaEtykieta(QWidget *rodzic, const char *nazwa)
{
    auto *l = new QLabel(rodzic);
    l->setObjectName(QString::fromLatin1(nazwa));
    return l;
}

void kolorTekstu(QLabel *l, const QColor &c)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

QString tekstBrakPolaczenia()
{
    return QCoreApplication::translate("Narzedzia", "Brak połączenia.\nSprawdź ustawienia sterownika.");
}

QString tekstPrzerwania() { return QCoreApplication::translate("Narzedzia", "Przerwano przez użytkownika"); }

void wykonajBezpiecznie(const std::function<void()> &f)
{
    const QString tekst = QCoreApplication::translate("Narzedzia", "Nieoczekiwany błąd");
    try {
        f();
    } catch (const std::exception &e) {
        pokazBlad(tekst + QStringLiteral(": ") + QString::fromUtf8(e.what()));
    } catch (...) {
        pokazBlad(tekst);
    }
}
