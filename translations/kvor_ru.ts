<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="pl">
<context>
    <name>Enumeracje</name>
    <message>
        <source>Pauza</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Zatrzymanie</source>
        <translation>Остановка</translation>
    </message>
    <message>
        <source>Zanik zasilania</source>
        <translation>Пропадание питания</translation>
    </message>
    <message>
        <source>Aktywny STOP</source>
        <translation>Активный СТОП</translation>
    </message>
    <message>
        <source>Dodatnia</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ujemna</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Edycja</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Autostart</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>koniec kroku</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>koniec procesu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>kontynuacja</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Przerwany</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Termopara</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Wejście prądowe</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Wyłączony</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Przerwanie programu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kontynuacja programu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ustawienie stanu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dodanie stanu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Odjęcie stanu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>wyłączone</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zadajnik</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Regulator PID </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Regulator liniowy</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>bistabilny</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>monostabilny</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>grzanie</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>chłodzenie</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zawsze wyłączony</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zawsze załączony</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Opóźnione załączenie</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Opóźnione wyłączenie</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Impulsator Start</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Impuls Start</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Regulacja wyłączona</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Grzanie "dochodzenie"</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Chłodzenie "dochodzenie"</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Histereza Grzanie</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Histereza Chłodzenie</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Mokry suchy</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Czujnik cyfrowy</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Kanaly</name>
    <message>
        <source>Wilgotność</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Temp. Komory</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Temp. Batonu</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Komunikaty</name>
    <message>
        <source>Błąd</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Ostrzeżenie</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Informacja</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Pytanie</source>
        <translation>Вопрос</translation>
    </message>
</context>
<context>
    <name>PortQt</name>
    <message>
        <source>urządzenie nie istnieje</source>
        <translation>устройство не существует</translation>
    </message>
    <message>
        <source>brak uprawnień (użytkownik musi należeć do grupy dialout)</source>
        <translation>нет прав доступа (пользователь должен входить в группу dialout)</translation>
    </message>
    <message>
        <source>port jest zajęty przez inny program</source>
        <translation>порт занят другой программой</translation>
    </message>
</context>
<context>
    <name>SetupTeksty</name>
    <message>
        <source>[s]</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>mm:ss</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Adres RS-485</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Prędkość transmisji</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Czas warunku końca</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Buczek Alarmu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Jednostka temperatury</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Typ Delty</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Częstotliwość rejestracji</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Maksymalna temp. zadana komory (TK)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Maksymalna temp. zadana batonu (TB)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Minimalna temp. zadana komory (TK)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Minimalna temp. zadana batonu (TB)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Czas ponowienia alarmu [s]</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Warunek końca INn</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Numer INn (DI:1-8 DO:1-32)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Blokada edycji</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dźwięk klawiatury</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Jednostka czasu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Identyfikator ID </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Wartości dziesiętne</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ilość zapętleń programu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Przekaźnik silnika B</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Czas rozpędzania silnika</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Czas hamowania silnika</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Czas wyświetlania info</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Edycja kroku w cyklu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Czas wyjścia z edycji</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Czas do wylogowania</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Czas blokady ekranu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Okno batonu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Okno wilgotności</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hasło użytkownika</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hasło programowania</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hasło serwis</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Czujnik cyfrowy</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Duży zegar</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Wygaszacz ekranu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Blokada transmisji (0-wyłączona)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ukryj detale INFO</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zachowanie STOP</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tryb rejestracji</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Autostart</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Edycja mycia</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kod fabryczny</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Użytkownik - AIN offset</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Użytkownik - dostęp do diagnostyki</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>nieaktywne</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Celsjusz</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Proces</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ciągła</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TBiezacyProjekt</name>
    <message>
        <source>Czy zapisać zmiany w projekcie?</source>
        <translation>Сохранить изменения в проекте?</translation>
    </message>
    <message>
        <source>Wybrany plik stworzony inną wersją programu, skorzystaj z konwertera!</source>
        <translation>Выбранный файл создан другой версией программы, воспользуйтесь конвертером!</translation>
    </message>
    <message>
        <source>Nie można odczytać pliku projektu</source>
        <translation>Не удаётся прочитать файл проекта</translation>
    </message>
    <message>
        <source>Brak pliku dla "Ustawienia mycia". <byte value="xd" />Zostaną ustawione wartości domyślne</source>
        <translation>Нет файла для «Настройки мойки». <byte value="xd" />Будут установлены значения по умолчанию</translation>
    </message>
    <message>
        <source>Plik projektu nie został zapisany!</source>
        <translation>Файл проекта не сохранён!</translation>
    </message>
    <message>
        <source>Błąd zapisu projektu, istnieje plik</source>
        <translation>Ошибка записи проекта, файл существует</translation>
    </message>
    <message>
        <source>Istnieje plik projektu</source>
        <translation>Файл проекта существует</translation>
    </message>
    <message>
        <source>Zastąpić ?</source>
        <translation>Заменить ?</translation>
    </message>
</context>
<context>
    <name>TFMyMessageDLG</name>
    <message>
        <source>Tak</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>TFkomunikacja</name>
    <message>
        <source>nie znaleziono portu szeregowego</source>
        <translation>последовательный порт не найден</translation>
    </message>
    <message>
        <source>nieobsługiwana prędkość (kod %1)</source>
        <translation>неподдерживаемая скорость (код %1)</translation>
    </message>
    <message>
        <source>Nie mogę otworzyć portu</source>
        <translation>Не удаётся открыть порт</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Plik</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Nowy</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>Otwórz</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Zapisz jako...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Wyjście</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Zapisać zmiany?</source>
        <translation>Сохранить изменения?</translation>
    </message>
    <message>
        <source>Nieoczekiwany błąd</source>
        <translation>Непредвиденная ошибка</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>[AI] Wejścia analogowe</source>
        <translation>[AI] Аналоговые входы</translation>
    </message>
    <message>
        <source>[DO] WYjścia cyfrowe</source>
        <translation>[DO] Цифровые выходы</translation>
    </message>
    <message>
        <source>[AO] WYjścia analogowe</source>
        <translation>[AO] Аналоговые выходы</translation>
    </message>
    <message>
        <source>[DI] WEjścia cyfrowe</source>
        <translation>[DI] Цифровые входы</translation>
    </message>
    <message>
        <source>Moduły dodatkowe</source>
        <translation>Доп. модули</translation>
    </message>
    <message>
        <source>Zadane</source>
        <translation>Уставки</translation>
    </message>
    <message>
        <source>Dodatki</source>
        <translation>Дополнения</translation>
    </message>
    <message>
        <source>Wilgotność</source>
        <translation>Влажность</translation>
    </message>
    <message>
        <source>Tryby specjalne</source>
        <translation>Спец. режимы</translation>
    </message>
    <message>
        <source>Kroki</source>
        <translation>Шаги</translation>
    </message>
    <message>
        <source>Programy</source>
        <translation>Программы</translation>
    </message>
    <message>
        <source>Kroki mycia</source>
        <translation>Шаги мойки</translation>
    </message>
    <message>
        <source>Program mycia</source>
        <translation>Программа мойки</translation>
    </message>
    <message>
        <source>Ustawienia mycia</source>
        <translation>Настройки мойки</translation>
    </message>
    <message>
        <source>konfiguracja</source>
        <translation>конфигурация</translation>
    </message>
    <message>
        <source>alarmy</source>
        <translation>аварии</translation>
    </message>
    <message>
        <source>Test połączenia</source>
        <translation>Проверка связи</translation>
    </message>
    <message>
        <source>Nr COM</source>
        <translation>Порт COM</translation>
    </message>
    <message>
        <source>Adres RS-485</source>
        <translation>Адрес RS-485</translation>
    </message>
    <message>
        <source>Prędkość transmisji</source>
        <translation>Скорость передачи</translation>
    </message>
    <message>
        <source>Numer Seryjny</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Adres IP</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Automatycznie czytaj</source>
        <translation>Читать автоматически</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Проект</translation>
    </message>
    <message>
        <source>Odczytanie projektu ze sterownika</source>
        <translation>Чтение проекта из контроллера</translation>
    </message>
    <message>
        <source>Wysyłanie projektu do sterownika</source>
        <translation>Отправка проекта в контроллер</translation>
    </message>
    <message>
        <source>Narzędzia</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Wysłanie graficznego LOGO </source>
        <translation>Отправка логотипа</translation>
    </message>
    <message>
        <source>Wgranie aktualizacji firmware</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>Wysłanie grafik</source>
        <translation>Отправка графики</translation>
    </message>
    <message>
        <source>Wybierz język</source>
        <translation>Выбор языка</translation>
    </message>
    <message>
        <source>Polski</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Angielski</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Ustawienie daty i czasu</source>
        <translation>Установка даты и времени</translation>
    </message>
</context>
<context>
    <name>TKbProgress</name>
    <message>
        <source>Wybierz do transmisji</source>
        <translation>Выбрать для передачи</translation>
    </message>
    <message>
        <source>Status transmisji</source>
        <translation>Состояние передачи</translation>
    </message>
    <message>
        <source>Status porównania</source>
        <translation>Результат сравнения</translation>
    </message>
    <message>
        <source>Nieznany błąd</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>TMymessageDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TRaport</name>
    <message>
        <source>Zbiór danych raportu %1 ma %2 pól, podano %3 wartości</source>
        <translation>Набор данных отчёта %1 имеет полей: %2, передано значений: %3</translation>
    </message>
    <message>
        <source>Raport %1: obiekt %2 występuje dwa razy</source>
        <translation>Отчёт %1: объект %2 встречается дважды</translation>
    </message>
    <message>
        <source>Raport %1: brak zbioru danych %2</source>
        <translation>Отчёт %1: нет набора данных %2</translation>
    </message>
    <message>
        <source>Raport %1: zbiór danych %2 nie ma pola %3</source>
        <translation>Отчёт %1: в наборе данных %2 нет поля %3</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1</source>
        <translation>Не удаётся записать файл %1</translation>
    </message>
    <message>
        <source>Raport %1: brak obiektu %2</source>
        <translation>Отчёт %1: нет объекта %2</translation>
    </message>
    <message>
        <source>Raport %1: obiekt %2 nie jest obiektem tekstowym</source>
        <translation>Отчёт %1: объект %2 не является текстовым</translation>
    </message>
</context>
<context>
    <name>TpasekPostepu</name>
    <message>
        <source>Anuluj</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Czekaj</source>
        <translation>Ждите</translation>
    </message>
</context>
<context>
    <name>WydrukOkienny</name>
    <message>
        <source>Brak drukarki</source>
        <translation>Нет принтера</translation>
    </message>
    <message>
        <source>Nie można drukować na drukarce %1</source>
        <translation>Не удаётся печатать на принтере %1</translation>
    </message>
</context>
<context>
    <name>TFormHaslo</name>
    <message>
        <source>Hasło:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Czekaj</source>
        <translation>Подождите</translation>
    </message>
    <message>
        <source>Wprowadź dane</source>
        <translation>Введите данные</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Zbyt wiele razy wprowadzono błędne hasło.</source>
        <translation>Слишком много раз введён неверный пароль.</translation>
    </message>
</context>
</TS>