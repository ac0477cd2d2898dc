// The program's own message windows and the widget implementations of the
// message and file-chooser services.
#pragma once

#include "komunikaty.h"
#include "wybor_pliku.h"

#include <QDialog>

class QLabel;
class QPushButton;

// Message with one "OK" button; stays on top, centred.
class TMymessageDlg : public QDialog {
    Q_OBJECT
public:
    explicit TMymessageDlg(QWidget *parent = nullptr);
    QLabel *Label1;
    QPushButton *Button1;
    void Button1Click();
};

// Question with "Tak" / "Nie"; wynik 6 for "Tak", 7 otherwise.
class TFMyMessageDLG : public QDialog {
    Q_OBJECT
public:
    explicit TFMyMessageDLG(QWidget *parent = nullptr);
    QLabel *Label1;
    QPushButton *Button1;
    QPushButton *button2;
    quint16 wynik = 7;
    void Button1Click();
    void Button2Click();
};

// Lays out the windows after the text was set (sizes follow the text).
void MyShowMeUklad(TMymessageDlg &okno, const QString &tekst, const QString &tytul);
void MyMessageDlgUklad(TFMyMessageDLG &okno, const QString &tekst);

int MyShowMe(const QString &tekst, const QString &tytul);
int MyMessageDlg(const QString &tekst);

// Standard boxes through QMessageBox, own windows through the classes above.
class KomunikatyOkienne final : public IKomunikaty {
public:
    int pokaz(RodzajKomunikatu rodzaj, const QString &tekst) override;
};

// QFileDialog behind the file-chooser seam.
class WyborPlikuOkienny final : public IWyborPliku {
public:
    QString plikDoOtwarcia(const QString &filtr, const QString &domyslneRozszerzenie) override;
    QString plikDoZapisu(const QString &filtr, const QString &domyslneRozszerzenie,
                         const QString &nazwaPoczatkowa) override;
};

// "Opis|*.a;*.b|Inne|*.c" -> "Opis (*.a *.b);;Inne (*.c)".
QString filtrQt(const QString &filtr);

// The window that message boxes are owned by.
QWidget *oknoWlasciciela();
