// Pieces the maintenance windows (update, logo, clock, confirmation) share.
#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <utility>

class QColor;
class QLabel;
class QPushButton;
class QWidget;

// A fixed-size dialog with a title and a close box.
Qt::WindowFlags flagiOknaNarzedzia();
// A named button that Enter does not press unless it is the default.
QPushButton *nowyPrzycisk(QWidget *rodzic, const char *nazwa);
QLabel *nowaEtykieta(QWidget *rodzic, const char *nazwa);
void kolorTekstu(QLabel *l, const QColor &c);

// "Brak połączenia.\nSprawdź ustawienia sterownika."
QString tekstBrakPolaczenia();

// "Przerwano przez użytkownika": an operation the user stopped.
QString tekstPrzerwania();

// Runs a handler; what it raises becomes an error box, never a crash.
void wykonajBezpiecznie(const std::function<void()> &f);

// Runs f when the scope ends, also on an exception.
template <class F>
class NaKoniec {
public:
    explicit NaKoniec(F f) : f_(std::move(f)) {}
    ~NaKoniec() { f_(); }
    NaKoniec(const NaKoniec &) = delete;
    NaKoniec &operator=(const NaKoniec &) = delete;

private:
    F f_;
};
