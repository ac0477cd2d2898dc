<?xml version="1.0" encoding="utf-8"?>
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
        <translation>Положительная</translation>
    </message>
    <message>
        <source>Ujemna</source>
        <translation>Отрицательная</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выкл</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Edycja</source>
        <translation>Редактирование</translation>
    </message>
    <message>
        <source>Autostart</source>
        <translation>Автостарт</translation>
    </message>
    <message>
        <source>koniec kroku</source>
        <translation>конец шага</translation>
    </message>
    <message>
        <source>koniec procesu</source>
        <translation>конец процесса</translation>
    </message>
    <message>
        <source>kontynuacja</source>
        <translation>продолжение</translation>
    </message>
    <message>
        <source>Przerwany</source>
        <translation>Прерван</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Termopara</source>
        <translation>Термопара</translation>
    </message>
    <message>
        <source>Wejście prądowe</source>
        <translation>Токовый вход</translation>
    </message>
    <message>
        <source>Wyłączony</source>
        <translation>Выключен</translation>
    </message>
    <message>
        <source>Przerwanie programu</source>
        <translation>Прерывание программы</translation>
    </message>
    <message>
        <source>Kontynuacja programu</source>
        <translation>Продолжение программы</translation>
    </message>
    <message>
        <source>Ustawienie stanu</source>
        <translation>Установка состояния</translation>
    </message>
    <message>
        <source>Dodanie stanu</source>
        <translation>Добавление состояния</translation>
    </message>
    <message>
        <source>Odjęcie stanu</source>
        <translation>Вычитание состояния</translation>
    </message>
    <message>
        <source>wyłączone</source>
        <translation>выключено</translation>
    </message>
    <message>
        <source>Zadajnik</source>
        <translation>Задатчик</translation>
    </message>
    <message>
        <source>Regulator PID </source>
        <translation>ПИД-регулятор </translation>
    </message>
    <message>
        <source>Regulator liniowy</source>
        <translation>Линейный регулятор</translation>
    </message>
    <message>
        <source>bistabilny</source>
        <translation>бистабильный</translation>
    </message>
    <message>
        <source>monostabilny</source>
        <translation>моностабильный</translation>
    </message>
    <message>
        <source>grzanie</source>
        <translation>нагрев</translation>
    </message>
    <message>
        <source>chłodzenie</source>
        <translation>охлаждение</translation>
    </message>
    <message>
        <source>Zawsze wyłączony</source>
        <translation>Всегда выключен</translation>
    </message>
    <message>
        <source>Zawsze załączony</source>
        <translation>Всегда включен</translation>
    </message>
    <message>
        <source>Opóźnione załączenie</source>
        <translation>Задержка включения</translation>
    </message>
    <message>
        <source>Opóźnione wyłączenie</source>
        <translation>Задержка выключения</translation>
    </message>
    <message>
        <source>Impulsator Start</source>
        <translation>Генератор импульсов Старт</translation>
    </message>
    <message>
        <source>Impuls Start</source>
        <translation>Импульс Старт</translation>
    </message>
    <message>
        <source>Regulacja wyłączona</source>
        <translation>Регулирование выключено</translation>
    </message>
    <message>
        <source>Grzanie &quot;dochodzenie&quot;</source>
        <translation>Нагрев &quot;приближение&quot;</translation>
    </message>
    <message>
        <source>Chłodzenie &quot;dochodzenie&quot;</source>
        <translation>Охлаждение &quot;приближение&quot;</translation>
    </message>
    <message>
        <source>Histereza Grzanie</source>
        <translation>Гистерезис Нагрев</translation>
    </message>
    <message>
        <source>Histereza Chłodzenie</source>
        <translation>Гистерезис Охлаждение</translation>
    </message>
    <message>
        <source>Mokry suchy</source>
        <translation>Мокрый и сухой</translation>
    </message>
    <message>
        <source>Czujnik cyfrowy</source>
        <translation>Цифровой датчик</translation>
    </message>
</context>
<context>
    <name>Kanaly</name>
    <message>
        <source>Wilgotność</source>
        <translation>Влажность</translation>
    </message>
    <message>
        <source>Temp. Komory</source>
        <translation>Темп. камеры</translation>
    </message>
    <message>
        <source>Temp. Batonu</source>
        <translation>Темп. продукта</translation>
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
    <name>KopiaUstawien</name>
    <message>
        <source>Plik %1 istnieje. Przerwano zapis ustawień.</source>
        <translation>Файл %1 существует. Сохранение настроек прервано.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać kopii ustawień</source>
        <translation>Не удалось сохранить копию настроек</translation>
    </message>
    <message>
        <source>Zapisano ustawienia w pliku: %1</source>
        <translation>Настройки сохранены в файле: %1</translation>
    </message>
    <message>
        <source>Nie udało się ustawić atrybutu tylko do odczytu.</source>
        <translation>Не удалось установить атрибут «только для чтения».</translation>
    </message>
    <message>
        <source>UWAGA: plik ma ustawiony atrybut tylko do odczytu!</source>
        <translation>ВНИМАНИЕ: файл имеет атрибут «только для чтения»!</translation>
    </message>
</context>
<context>
    <name>Narzedzia</name>
    <message>
        <source>Brak połączenia.
Sprawdź ustawienia sterownika.</source>
        <translation>Нет соединения.
Проверьте настройки контроллера.</translation>
    </message>
    <message>
        <source>Nieoczekiwany błąd</source>
        <translation>Непредвиденная ошибка</translation>
    </message>
    <message>
        <source>Przerwano przez użytkownika</source>
        <translation>Прервано пользователем</translation>
    </message>
</context>
<context>
    <name>PlikIni</name>
    <message>
        <source>znaków klucza „%1” w sekcji [%2] nie da się zapisać w kodowaniu tego pliku</source>
        <translation>символы ключа «%1» в разделе [%2] невозможно записать в кодировке этого файла</translation>
    </message>
    <message>
        <source>klucza „%1” w sekcji [%2] nie da się zapisać tak, by odczytał się bez zmian</source>
        <translation>ключ «%1» в разделе [%2] невозможно записать так, чтобы он читался без изменений</translation>
    </message>
    <message>
        <source>zapis zmieniłby odczyt pozostałych wierszy pliku (kodowanie znaków)</source>
        <translation>запись изменила бы чтение остальных строк файла (кодировка символов)</translation>
    </message>
    <message>
        <source>zapis zmieniłby podział pliku na wiersze</source>
        <translation>запись изменила бы разбиение файла на строки</translation>
    </message>
    <message>
        <source>to nie jest zwykły plik</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>Nie można zapisać ustawień programu.</source>
        <translation>Невозможно сохранить настройки программы.</translation>
    </message>
</context>
<context>
    <name>Polaczenie</name>
    <message>
        <source>Brak komunikacji</source>
        <translation>Нет связи</translation>
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
    <name>Sekcje</name>
    <message>
        <source>Sterownik w trakcie procesu. Zapis danych nie będzie możliwy!</source>
        <translation>Контроллер выполняет процесс. Запись данных будет невозможна!</translation>
    </message>
</context>
<context>
    <name>SetupTeksty</name>
    <message>
        <source>[s]</source>
        <translation>[с]</translation>
    </message>
    <message>
        <source>mm:ss</source>
        <translation>мм:сс</translation>
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
        <source>Czas warunku końca</source>
        <translation>Время условия окончания</translation>
    </message>
    <message>
        <source>Buczek Alarmu</source>
        <translation>Зуммер аварии</translation>
    </message>
    <message>
        <source>Jednostka temperatury</source>
        <translation>Единица температуры</translation>
    </message>
    <message>
        <source>Typ Delty</source>
        <translation>Тип дельты</translation>
    </message>
    <message>
        <source>Częstotliwość rejestracji</source>
        <translation>Интервал регистрации</translation>
    </message>
    <message>
        <source>Maksymalna temp. zadana komory (TK)</source>
        <translation>Макс. заданная темп. камеры (TK)</translation>
    </message>
    <message>
        <source>Maksymalna temp. zadana batonu (TB)</source>
        <translation>Макс. заданная темп. продукта (TB)</translation>
    </message>
    <message>
        <source>Minimalna temp. zadana komory (TK)</source>
        <translation>Мин. заданная темп. камеры (TK)</translation>
    </message>
    <message>
        <source>Minimalna temp. zadana batonu (TB)</source>
        <translation>Мин. заданная темп. продукта (TB)</translation>
    </message>
    <message>
        <source>Czas ponowienia alarmu [s]</source>
        <translation>Время повтора аварии [с]</translation>
    </message>
    <message>
        <source>Warunek końca INn</source>
        <translation>Условие окончания INn</translation>
    </message>
    <message>
        <source>Numer INn (DI:1-8 DO:1-32)</source>
        <translation>Номер INn (DI:1-8 DO:1-32)</translation>
    </message>
    <message>
        <source>Blokada edycji</source>
        <translation>Блокировка редактирования</translation>
    </message>
    <message>
        <source>Dźwięk klawiatury</source>
        <translation>Звук клавиатуры</translation>
    </message>
    <message>
        <source>Jednostka czasu</source>
        <translation>Единица времени</translation>
    </message>
    <message>
        <source>Identyfikator ID </source>
        <translation>Идентификатор ID </translation>
    </message>
    <message>
        <source>Wartości dziesiętne</source>
        <translation>Десятичные значения</translation>
    </message>
    <message>
        <source>Ilość zapętleń programu</source>
        <translation>Количество повторов программы</translation>
    </message>
    <message>
        <source>Przekaźnik silnika B</source>
        <translation>Реле двигателя B</translation>
    </message>
    <message>
        <source>Czas rozpędzania silnika</source>
        <translation>Время разгона двигателя</translation>
    </message>
    <message>
        <source>Czas hamowania silnika</source>
        <translation>Время торможения двигателя</translation>
    </message>
    <message>
        <source>Czas wyświetlania info</source>
        <translation>Время показа информации</translation>
    </message>
    <message>
        <source>Edycja kroku w cyklu</source>
        <translation>Редактирование шага в цикле</translation>
    </message>
    <message>
        <source>Czas wyjścia z edycji</source>
        <translation>Время выхода из редактирования</translation>
    </message>
    <message>
        <source>Czas do wylogowania</source>
        <translation>Время до выхода из системы</translation>
    </message>
    <message>
        <source>Czas blokady ekranu</source>
        <translation>Время блокировки экрана</translation>
    </message>
    <message>
        <source>Okno batonu</source>
        <translation>Окно продукта</translation>
    </message>
    <message>
        <source>Okno wilgotności</source>
        <translation>Окно влажности</translation>
    </message>
    <message>
        <source>Hasło użytkownika</source>
        <translation>Пароль пользователя</translation>
    </message>
    <message>
        <source>Hasło programowania</source>
        <translation>Пароль программирования</translation>
    </message>
    <message>
        <source>Hasło serwis</source>
        <translation>Сервисный пароль</translation>
    </message>
    <message>
        <source>Czujnik cyfrowy</source>
        <translation>Цифровой датчик</translation>
    </message>
    <message>
        <source>Duży zegar</source>
        <translation>Большие часы</translation>
    </message>
    <message>
        <source>Wygaszacz ekranu</source>
        <translation>Заставка экрана</translation>
    </message>
    <message>
        <source>Blokada transmisji (0-wyłączona)</source>
        <translation>Блокировка передачи (0-выключена)</translation>
    </message>
    <message>
        <source>Ukryj detale INFO</source>
        <translation>Скрыть детали INFO</translation>
    </message>
    <message>
        <source>Zachowanie STOP</source>
        <translation>Поведение STOP</translation>
    </message>
    <message>
        <source>Tryb rejestracji</source>
        <translation>Режим регистрации</translation>
    </message>
    <message>
        <source>Autostart</source>
        <translation>Автостарт</translation>
    </message>
    <message>
        <source>Edycja mycia</source>
        <translation>Редактирование мойки</translation>
    </message>
    <message>
        <source>Kod fabryczny</source>
        <translation>Заводской код</translation>
    </message>
    <message>
        <source>Użytkownik - AIN offset</source>
        <translation>Пользователь - смещение AIN</translation>
    </message>
    <message>
        <source>Użytkownik - dostęp do diagnostyki</source>
        <translation>Пользователь - доступ к диагностике</translation>
    </message>
    <message>
        <source>nieaktywne</source>
        <translation>неактивно</translation>
    </message>
    <message>
        <source>Celsjusz</source>
        <translation>Цельсий</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Фаренгейт</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[чч:мм]</translation>
    </message>
    <message>
        <source>Proces</source>
        <translation>Процесс</translation>
    </message>
    <message>
        <source>Ciągła</source>
        <translation>Непрерывная</translation>
    </message>
</context>
<context>
    <name>SetupTransfer</name>
    <message>
        <source>Wpisz hasło serwisowe</source>
        <translation>Введите сервисный пароль</translation>
    </message>
    <message>
        <source>Hasło jest wymagane, ponieważ zmieniasz ustawienie kodu fabrycznego!</source>
        <translation>Пароль требуется, так как вы изменяете настройку заводского кода!</translation>
    </message>
    <message>
        <source>Nieprawidłowe hasło serwisowe!</source>
        <translation>Неверный сервисный пароль!</translation>
    </message>
    <message>
        <source>Przerwano wysyłanie, gdyż pod nowymi ustawieniami transmijsji znaleziono sterownik o numerze seryjnym</source>
        <translation>Отправка прервана: при новых настройках передачи найден контроллер с серийным номером</translation>
    </message>
    <message>
        <source>Nie wysłano ustawień: %1 = %2. Dozwolone wartości: %3.</source>
        <translation>Настройки не отправлены: %1 = %2. Допустимые значения: %3.</translation>
    </message>
    <message>
        <source>%1 = %2: tej prędkości nie można wybrać w oknie głównym, więc po wysłaniu program nie połączy się ze sterownikiem przez RS-485. Wysłać mimo to?</source>
        <translation>%1 = %2: эту скорость нельзя выбрать в главном окне, поэтому после отправки программа не соединится с контроллером по RS-485. Всё равно отправить?</translation>
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
        <source>Brak pliku dla &quot;Ustawienia mycia&quot;. <byte value="xd"/>Zostaną ustawione wartości domyślne</source>
        <translation>Нет файла для «Настройки мойки». <byte value="xd"/>Будут установлены значения по умолчанию</translation>
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
    <name>TBlokadaOkna</name>
    <message>
        <source>Użycie z podłączonym sterownikiem może prowadzić do nieoczekiwanych sytuacji.</source>
        <translation>Работа с подключённым контроллером может привести к непредвиденным ситуациям.</translation>
    </message>
    <message>
        <source>Zwróć się do firmy Kalbren o aktualizację!</source>
        <translation>Обратитесь в компанию Kalbren за обновлением!</translation>
    </message>
    <message>
        <source>Uruchomiono nieaktualną wersję programu.</source>
        <translation>Запущена устаревшая версия программы.</translation>
    </message>
    <message>
        <source>Podłączony sterownik ma nieaktualny firmware.</source>
        <translation>Подключённый контроллер имеет устаревшую прошивку.</translation>
    </message>
    <message>
        <source>Hasło</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Blokada transmisji</source>
        <translation>Блокировка передачи</translation>
    </message>
</context>
<context>
    <name>TEdytorSekcji</name>
    <message>
        <source>Odczyt danych ze sterownika</source>
        <translation>Чтение данных из контроллера</translation>
    </message>
    <message>
        <source>Wysłanie danych do sterownika</source>
        <translation>Отправка данных в контроллер</translation>
    </message>
    <message>
        <source>Odczyt danych z dysku</source>
        <translation>Чтение данных с диска</translation>
    </message>
    <message>
        <source>Zapis danych na dysk</source>
        <translation>Запись данных на диск</translation>
    </message>
    <message>
        <source>Edycja</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Czyść</source>
        <translation>Очистить</translation>
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
        <source>Wysyłanie ustawień do sterownika</source>
        <translation>Отправка настроек в контроллер</translation>
    </message>
    <message>
        <source>Uwaga: Zmiany nie zostały zapisane. Kontynuować?</source>
        <translation>Внимание: изменения не сохранены. Продолжить?</translation>
    </message>
    <message>
        <source>Nieoczekiwany błąd</source>
        <translation>Непредвиденная ошибка</translation>
    </message>
    <message>
        <source>Ustawienia wysłane do sterownika </source>
        <translation>Настройки отправлены в контроллер </translation>
    </message>
    <message>
        <source>Potwierdzasz wyzerowanie danych dla bieżącego okna?</source>
        <translation>Подтверждаете обнуление данных текущего окна?</translation>
    </message>
    <message>
        <source>Bład otwarcia pliku</source>
        <translation>Ошибка открытия файла</translation>
    </message>
    <message>
        <source>Bład przetwarzania pliku</source>
        <translation>Ошибка обработки файла</translation>
    </message>
    <message>
        <source>Wydrukowano</source>
        <translation>Напечатано</translation>
    </message>
</context>
<context>
    <name>TFEditParPrzek</name>
    <message>
        <source>Kopiuj ustawienia</source>
        <translation>Копировать настройки</translation>
    </message>
    <message>
        <source>Gdzie użyty</source>
        <translation>Где используется</translation>
    </message>
    <message>
        <source>Moc urządzenia</source>
        <translation>Мощность устройства</translation>
    </message>
    <message>
        <source>Wybrana ikona</source>
        <translation>Выбранный значок</translation>
    </message>
    <message>
        <source>[DO] WYjście cyfrowe</source>
        <translation>[DO] Цифровой выход</translation>
    </message>
    <message>
        <source>Wybierz definicję</source>
        <translation>Выберите определение</translation>
    </message>
    <message>
        <source>Kliknij, aby zmienić ikonę</source>
        <translation>Нажмите, чтобы изменить значок</translation>
    </message>
    <message>
        <source>Czy chcesz skopiować ustawnienia z definicji innego wyjścia?</source>
        <translation>Скопировать настройки из определений другого выхода?</translation>
    </message>
</context>
<context>
    <name>TFEditWejsciePom</name>
    <message>
        <source>Skalowanie wejść prądowych</source>
        <translation>Масштабирование токовых входов</translation>
    </message>
    <message>
        <source>[AI] WEjście analogowe</source>
        <translation>[AI] Аналоговый вход</translation>
    </message>
    <message>
        <source>Alarm Min/Max</source>
        <translation>Авария мин./макс.</translation>
    </message>
    <message>
        <source>Alarm Brak czujnika</source>
        <translation>Авария: нет датчика</translation>
    </message>
    <message>
        <source>Alarm względny</source>
        <translation>Относительная авария</translation>
    </message>
</context>
<context>
    <name>TFEdycjaParametru</name>
    <message>
        <source>Edycja parametru</source>
        <translation>Редактирование параметра</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Zakres: %1 - %2</source>
        <translation>Диапазон: %1 - %2</translation>
    </message>
</context>
<context>
    <name>TFEdycjastanSpec</name>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Czas trwania</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Tryb wyzwalania</source>
        <translation>Режим запуска</translation>
    </message>
    <message>
        <source>Logika przekaźników</source>
        <translation>Логика реле</translation>
    </message>
    <message>
        <source>Tryb specjalny</source>
        <translation>Спец. режим</translation>
    </message>
    <message>
        <source>nieskończoność</source>
        <translation>бесконечно</translation>
    </message>
    <message>
        <source>Wartość ograniczono do maksymalnej!</source>
        <translation>Значение ограничено максимальным!</translation>
    </message>
    <message>
        <source>Wartość ograniczono do minmalnej!</source>
        <translation>Значение ограничено минимальным!</translation>
    </message>
</context>
<context>
    <name>TFListaWejscCyfrowych</name>
    <message>
        <source>Nr</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Logika</source>
        <translation>Логика</translation>
    </message>
    <message>
        <source>Status alarmu</source>
        <translation>Статус аварии</translation>
    </message>
    <message>
        <source>Logika przekaźników</source>
        <translation>Логика реле</translation>
    </message>
    <message>
        <source>Opóźnienie alarmu</source>
        <translation>Задержка аварии</translation>
    </message>
    <message>
        <source>Zasilanie</source>
        <translation>Питание</translation>
    </message>
    <message>
        <source>Stan wyjść przekaźnikowych</source>
        <translation>Состояние релейных выходов</translation>
    </message>
    <message>
        <source>[DI] WEjścia cyfrowe</source>
        <translation>[DI] Цифровые входы</translation>
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
    <name>TFProgramMycia</name>
    <message>
        <source>Nazwa kroku</source>
        <translation>Название шага</translation>
    </message>
    <message>
        <source>Krok</source>
        <translation>Шаг</translation>
    </message>
    <message>
        <source>Godzin</source>
        <translation>Часов</translation>
    </message>
    <message>
        <source>Minut</source>
        <translation>Минут</translation>
    </message>
    <message>
        <source>Wilgotność</source>
        <translation>Влажность</translation>
    </message>
    <message>
        <source>Delta</source>
        <translation>Дельта</translation>
    </message>
    <message>
        <source>Dodatek</source>
        <translation>Доп. </translation>
    </message>
    <message>
        <source>Nazwa programu</source>
        <translation>Название программы</translation>
    </message>
    <message>
        <source>Numer programu</source>
        <translation>Номер программы</translation>
    </message>
    <message>
        <source>Czas</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Godziny</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Minuty</source>
        <translation>Минуты</translation>
    </message>
    <message>
        <source>Dodatki</source>
        <translation>Дополнения</translation>
    </message>
    <message>
        <source>Porównaj</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>Kopiuj ustawienia</source>
        <translation>Копировать настройки</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Mycie</source>
        <translation>Мойка</translation>
    </message>
    <message>
        <source>Program mycia</source>
        <translation>Программа мойки</translation>
    </message>
    <message>
        <source>Ustawienie PROGRAMU sterownika zgodne z programem.</source>
        <translation>ПРОГРАММА контроллера совпадает с программой.</translation>
    </message>
    <message>
        <source>Wynik porównania ustawień PROGRAMU</source>
        <translation>Результат сравнения настроек ПРОГРАММЫ</translation>
    </message>
    <message>
        <source>Czy chcesz skopiować ustawnienia programu?</source>
        <translation>Скопировать настройки программы?</translation>
    </message>
</context>
<context>
    <name>TFProjektRSIn</name>
    <message>
        <source>Setup</source>
        <translation>Настройка</translation>
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
        <source>Wysyłanie projektu do sterownika</source>
        <translation>Отправка проекта в контроллер</translation>
    </message>
    <message>
        <source>Odczytanie projektu ze sterownika</source>
        <translation>Чтение проекта из контроллера</translation>
    </message>
    <message>
        <source>Wybierz co ma być wysłane</source>
        <translation>Выберите, что отправить</translation>
    </message>
    <message>
        <source>Wybierz co ma być odebrane</source>
        <translation>Выберите, что прочитать</translation>
    </message>
    <message>
        <source>Odznacz wszystko</source>
        <translation>Снять все</translation>
    </message>
    <message>
        <source>Zaznacz wszystko</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>Tylko porównaj</source>
        <translation>Только сравнить</translation>
    </message>
    <message>
        <source>Porównaj po wysłaniu</source>
        <translation>Сравнить после отправки</translation>
    </message>
    <message>
        <source>Czy chcesz wysłać zaznaczone pozycje do <byte value="xd"/> sterownika %s: %d ?</source>
        <translation>Отправить выбранные позиции в <byte value="xd"/> контроллер %s: %d ?</translation>
    </message>
    <message>
        <source>Numer Seryjny</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Adres RS-485</source>
        <translation>Адрес RS-485</translation>
    </message>
    <message>
        <source>Wysyłanie</source>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>Czekaj</source>
        <translation>Ждите</translation>
    </message>
    <message>
        <source>Porównanie</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>Czytanie</source>
        <translation>Чтение</translation>
    </message>
</context>
<context>
    <name>TFStanPrzekaznikow</name>
    <message>
        <source>Warunki końca kroku</source>
        <translation>Условия окончания шага</translation>
    </message>
    <message>
        <source>Zadane stałe dla kroku</source>
        <translation>Постоянные уставки шага</translation>
    </message>
    <message>
        <source>Parametry kroku</source>
        <translation>Параметры шага</translation>
    </message>
    <message>
        <source>Mycie</source>
        <translation>Мойка</translation>
    </message>
</context>
<context>
    <name>TFTypPrzekTable</name>
    <message>
        <source>Typ czasowy</source>
        <translation>Временной режим</translation>
    </message>
</context>
<context>
    <name>TFTypReglerTable</name>
    <message>
        <source>Typ regulatora</source>
        <translation>Тип регулятора</translation>
    </message>
    <message>
        <source>Algortym</source>
        <translation>Алгоритм</translation>
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
    <message>
        <source>Nie wybrano portu szeregowego.</source>
        <translation>Последовательный порт не выбран.</translation>
    </message>
    <message>
        <source>to nie jest zwykły plik</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>Nie można zapisać dziennika ramek</source>
        <translation>Невозможно записать журнал кадров</translation>
    </message>
</context>
<context>
    <name>TFkonfigwyjsc</name>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Wartość zadana</source>
        <translation>Значение выхода</translation>
    </message>
    <message>
        <source>Zatrzymanie</source>
        <translation>Остановка</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Активный стоп</translation>
    </message>
    <message>
        <source>Pauza</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Moc</source>
        <translation>Мощность</translation>
    </message>
    <message>
        <source>zakres proporcjonalności</source>
        <translation>зона пропорциональности</translation>
    </message>
    <message>
        <source>czas całkowania (zdwojenia)</source>
        <translation>время интегрирования (удвоения)</translation>
    </message>
    <message>
        <source>czas różniczkowania (wyprzedzenia)</source>
        <translation>время дифференцирования (предварения)</translation>
    </message>
    <message>
        <source>czas próbkowania</source>
        <translation>время выборки</translation>
    </message>
    <message>
        <source>czas cyklu wyjścia cyfrowego</source>
        <translation>время цикла цифрового выхода</translation>
    </message>
    <message>
        <source>[AO] WYjście analogowe</source>
        <translation>[AO] Аналоговый выход</translation>
    </message>
    <message>
        <source>Parametry wyjścia</source>
        <translation>Параметры выхода</translation>
    </message>
    <message>
        <source>Zadajnik</source>
        <translation>Задатчик</translation>
    </message>
    <message>
        <source>Regulator PID </source>
        <translation>ПИД-регулятор </translation>
    </message>
    <message>
        <source>Regulator liniowy</source>
        <translation>Линейный регулятор</translation>
    </message>
    <message>
        <source>Zmieniono wartości, które nie spełniały zakresu Min/Max!</source>
        <translation>Значения вне диапазона Min/Max были изменены!</translation>
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
    <message>
        <source>Czekaj</source>
        <translation>Ждите</translation>
    </message>
    <message>
        <source>Połączono ze sterownikiem</source>
        <translation>Связь с контроллером установлена</translation>
    </message>
    <message>
        <source>UWAGA: włączona blokada transmisji ustawień!</source>
        <translation>ВНИМАНИЕ: включена блокировка передачи настроек!</translation>
    </message>
</context>
<context>
    <name>TFormConfirmDlg</name>
    <message>
        <source>Potwierdzenie</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Posiadam kopię ustawień sterownika</source>
        <translation>У меня есть копия настроек контроллера</translation>
    </message>
    <message>
        <source>Wykonaj teraz kopię ustawień w programie</source>
        <translation>Сделать копию настроек в программе сейчас</translation>
    </message>
    <message>
        <source>Dalej</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TFormDO_Alarmy</name>
    <message>
        <source>Opóźnienie alarmu</source>
        <translation>Задержка аварии</translation>
    </message>
    <message>
        <source>[DO] WYjścia cyfrowe</source>
        <translation>[DO] Цифровые выходы</translation>
    </message>
    <message>
        <source>alarmy</source>
        <translation>аварии</translation>
    </message>
    <message>
        <source>Wybierz definicję</source>
        <translation>Выберите определение</translation>
    </message>
    <message>
        <source>Status alarmu</source>
        <translation>Статус аварии</translation>
    </message>
</context>
<context>
    <name>TFormDataCzas</name>
    <message>
        <source>Brak komunikacji</source>
        <translation>Нет связи</translation>
    </message>
    <message>
        <source>Ustawienie daty i czasu</source>
        <translation>Установка даты и времени</translation>
    </message>
    <message>
        <source>Data i czas komputera</source>
        <translation>Дата и время компьютера</translation>
    </message>
    <message>
        <source>Data i czas sterownika</source>
        <translation>Дата и время контроллера</translation>
    </message>
    <message>
        <source>Czekaj</source>
        <translation>Ждите</translation>
    </message>
    <message>
        <source>Wyślij</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Закрыть</translation>
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
<context>
    <name>TFormLan</name>
    <message>
        <source>Wpisz poprawny numer seryjny! </source>
        <translation>Введите правильный серийный номер! </translation>
    </message>
    <message>
        <source>Wpisz poprawny adres IP </source>
        <translation>Введите правильный IP-адрес </translation>
    </message>
</context>
<context>
    <name>TFormLista</name>
    <message>
        <source>Wybrany</source>
        <translation>Выбран</translation>
    </message>
    <message>
        <source>Alarm Min/Max</source>
        <translation>Авария мин./макс.</translation>
    </message>
    <message>
        <source>Alarm względny</source>
        <translation>Относительная авария</translation>
    </message>
    <message>
        <source>Alarm Brak czujnika</source>
        <translation>Авария: нет датчика</translation>
    </message>
    <message>
        <source>Wilgotność</source>
        <translation>Влажность</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Авария</translation>
    </message>
    <message>
        <source>Ustawienia mycia</source>
        <translation>Настройки мойки</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Kopiuj do schowka</source>
        <translation>Копировать в буфер обмена</translation>
    </message>
    <message>
        <source>Skopiowano do schowka.</source>
        <translation>Скопировано в буфер обмена.</translation>
    </message>
    <message>
        <source>Informacja o użyciu wyjść cyfrowych [DO] </source>
        <translation>Использование цифровых выходов [DO] </translation>
    </message>
</context>
<context>
    <name>TFormLogo</name>
    <message>
        <source>Wysłanie graficznego LOGO </source>
        <translation>Отправка графического ЛОГОТИПА </translation>
    </message>
    <message>
        <source>Wybierz plik logo</source>
        <translation>Выбрать файл логотипа</translation>
    </message>
    <message>
        <source>zalecany format</source>
        <translation>рекомендуемый формат</translation>
    </message>
    <message>
        <source>Wybrany</source>
        <translation>Выбран</translation>
    </message>
    <message>
        <source>Wyczyść grafikę w urządzeniu</source>
        <translation>Очистить графику в устройстве</translation>
    </message>
    <message>
        <source>Utwórz plik do wgrania przez USB</source>
        <translation>Создать файл для загрузки через USB</translation>
    </message>
    <message>
        <source>Wyślij do sterownika</source>
        <translation>Отправить в контроллер</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Wysyłanie grafiki LOGO</source>
        <translation>Отправка графики ЛОГОТИПА</translation>
    </message>
    <message>
        <source>Wszystkie</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Plik  PNG</source>
        <translation>Файл PNG</translation>
    </message>
    <message>
        <source>Bitmapa</source>
        <translation>Растровое изображение</translation>
    </message>
    <message>
        <source>Nie można wczytać grafiki z pliku</source>
        <translation>Невозможно загрузить изображение из файла</translation>
    </message>
    <message>
        <source>Wymagane wymiary: %1x%2, wybrana grafika: %3x%4</source>
        <translation>Требуемый размер: %1x%2, выбранное изображение: %3x%4</translation>
    </message>
    <message>
        <source>Nie można utworzyć folderu</source>
        <translation>Невозможно создать папку</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku</source>
        <translation>Не удалось сохранить файл</translation>
    </message>
    <message>
        <source>Przygotowano plik z grafiką LOGO, dla sterownika.
Umieść plik %1 na pendrivie 
Podłącz pendrive do Kvor350, wybierz &quot;Zapisz Logo&quot;.</source>
        <translation>Файл с графикой ЛОГОТИПА для контроллера подготовлен.
Поместите файл %1 на флешку 
Подключите флешку к Kvor350 и выберите &quot;Zapisz Logo&quot;.</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TFormModuly</name>
    <message>
        <source>Moduły dodatkowe</source>
        <translation>Дополнительные модули</translation>
    </message>
</context>
<context>
    <name>TFormPlikWyslij</name>
    <message>
        <source>Unexpected Error</source>
        <translation>Непредвиденная ошибка</translation>
    </message>
    <message>
        <source>Brak pliku</source>
        <translation>Нет файла</translation>
    </message>
    <message>
        <source>Nie można otworzyć pliku</source>
        <translation>Невозможно открыть файл</translation>
    </message>
    <message>
        <source>Wybrany plik jest za duży.</source>
        <translation>Выбранный файл слишком велик.</translation>
    </message>
    <message>
        <source>Aktualizacja Firmware </source>
        <translation>Обновление прошивки </translation>
    </message>
    <message>
        <source>plik firmware Kvor</source>
        <translation>файл прошивки Kvor</translation>
    </message>
    <message>
        <source>wszystkie pliki</source>
        <translation>все файлы</translation>
    </message>
    <message>
        <source>Aktualizacja Grafik</source>
        <translation>Обновление графики</translation>
    </message>
    <message>
        <source>plik grafik Kvor</source>
        <translation>файл графики Kvor</translation>
    </message>
    <message>
        <source>Wgranie aktualizacji firmware</source>
        <translation>Загрузка обновления прошивки</translation>
    </message>
    <message>
        <source>Wysłanie grafik</source>
        <translation>Отправка графики</translation>
    </message>
    <message>
        <source>Wybierz</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Wybrany</source>
        <translation>Выбран</translation>
    </message>
    <message>
        <source>Dane sterownika</source>
        <translation>Данные контроллера</translation>
    </message>
    <message>
        <source>sprawdź</source>
        <translation>проверить</translation>
    </message>
    <message>
        <source>Wykonaj aktualizację</source>
        <translation>Выполнить обновление</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Czekaj trwa łączenie</source>
        <translation>Ждите, идёт соединение</translation>
    </message>
    <message>
        <source>Wybrany plik jest pusty.</source>
        <translation>Выбранный файл пуст.</translation>
    </message>
    <message>
        <source>Wybrany plik jest za duży: %1 bajtów, najwięcej %2.</source>
        <translation>Выбранный файл слишком велик: %1 байт, не более %2.</translation>
    </message>
    <message>
        <source>UWAGA: wysyłanie firmwaru do sterownika powinno być poprzedzone zrobieniem kopii ustawień sterownika na USB</source>
        <translation>ВНИМАНИЕ: перед отправкой прошивки в контроллер следует сделать копию настроек контроллера на USB</translation>
    </message>
    <message>
        <source>Skorzystaj na sterowniku z funkcji</source>
        <translation>Используйте на контроллере функцию</translation>
    </message>
    <message>
        <source>Zapisz konfigurację na USB</source>
        <translation>Сохранить конфигурацию на USB</translation>
    </message>
    <message>
        <source>Kontynuować?</source>
        <translation>Продолжить?</translation>
    </message>
    <message>
        <source>Wykonanie kopii zakończone błędem!</source>
        <translation>Создание копии завершилось ошибкой!</translation>
    </message>
    <message>
        <source>Czy jesteś pewien, że chcesz wykonać aktualizację?</source>
        <translation>Вы уверены, что хотите выполнить обновление?</translation>
    </message>
    <message>
        <source>Przerwano aktualizację.</source>
        <translation>Обновление прервано.</translation>
    </message>
    <message>
        <source>Wykonano aktualizacje Grafik. 
Może być wymagany restart sterownika!</source>
        <translation>Графика обновлена. 
Может потребоваться перезапуск контроллера!</translation>
    </message>
    <message>
        <source>Wykonano aktualizację firmware
Nastąpi reset sterownika...</source>
        <translation>Прошивка обновлена
Контроллер будет перезапущен...</translation>
    </message>
</context>
<context>
    <name>TFormPorownaj</name>
    <message>
        <source>Id/Nr</source>
        <translation>Id/№</translation>
    </message>
    <message>
        <source>Nazwa pozycji</source>
        <translation>Название позиции</translation>
    </message>
    <message>
        <source>W programie</source>
        <translation>В программе</translation>
    </message>
    <message>
        <source>W sterowniku</source>
        <translation>В контроллере</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>W programie na PC</source>
        <translation>В программе на ПК</translation>
    </message>
</context>
<context>
    <name>TFormWybierzDef</name>
    <message>
        <source>Wybierz definicję dla</source>
        <translation>Выберите определение для</translation>
    </message>
    <message>
        <source>Wybierz definicję</source>
        <translation>Выберите определение</translation>
    </message>
    <message>
        <source>Wybierz definicję </source>
        <translation>Выберите определение </translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Wybierz</source>
        <translation>Выбрать</translation>
    </message>
</context>
<context>
    <name>TFormWybierzPozycjeDlg</name>
    <message>
        <source>Wybierz pozycję</source>
        <translation>Выберите позицию</translation>
    </message>
    <message>
        <source>Kopiuj z</source>
        <translation>Копировать из</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TFormZadane</name>
    <message>
        <source>Zadane</source>
        <translation>Уставки</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Значение</translation>
    </message>
</context>
<context>
    <name>TFrameBiezaceOdczyty</name>
    <message>
        <source>Blokada transmisji</source>
        <translation>Блокировка передачи</translation>
    </message>
    <message>
        <source>Dostępna wersja</source>
        <translation>Доступная версия</translation>
    </message>
    <message>
        <source>Sterownik</source>
        <translation>Контроллер</translation>
    </message>
    <message>
        <source>Wersja programu</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Czas</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Nieobsługiwane urządzenie!!!</source>
        <translation>Неподдерживаемое устройство!!!</translation>
    </message>
</context>
<context>
    <name>TFsetupBKN</name>
    <message>
        <source>Nr</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Nazwa funkcji</source>
        <translation>Название функции</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Porównaj</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>Czyść filtr</source>
        <translation>Очистить фильтр</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Nie można edytować komórki!</source>
        <translation>Эту ячейку нельзя редактировать!</translation>
    </message>
    <message>
        <source>Wyłączć kod fabryczny?</source>
        <translation>Отключить заводской код?</translation>
    </message>
    <message>
        <source>Odczyt ustawień</source>
        <translation>Чтение настроек</translation>
    </message>
    <message>
        <source>Setup został zapisany</source>
        <translation>Setup записан</translation>
    </message>
    <message>
        <source>Wynik porównania ustawień</source>
        <translation>Результат сравнения настроек</translation>
    </message>
    <message>
        <source>Ustawienie SETUP sterownika zgodne z programem.</source>
        <translation>SETUP контроллера совпадает с программой.</translation>
    </message>
    <message>
        <source>Potwierdź ustawienie wartości domyślnych dla bieążącego okna?</source>
        <translation>Подтвердите установку значений по умолчанию для текущего окна?</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
</context>
<context>
    <name>TGridFilter</name>
    <message>
        <source>Filtr</source>
        <translation>Фильтр</translation>
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
    <name>TKvor350inOutModul</name>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ВКЛ</translation>
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
    <name>TPanelAlarmu</name>
    <message>
        <source>Status alarmu</source>
        <translation>Статус аварии</translation>
    </message>
    <message>
        <source>Logika przekaźników</source>
        <translation>Логика реле</translation>
    </message>
    <message>
        <source>Opóźnienie alarmu</source>
        <translation>Задержка аварии</translation>
    </message>
    <message>
        <source>Wartość max</source>
        <translation>Макс. значение</translation>
    </message>
    <message>
        <source>Wartość min</source>
        <translation>Мин. значение</translation>
    </message>
    <message>
        <source>Stan wyjść przekaźnikowych</source>
        <translation>Состояние релейных выходов</translation>
    </message>
</context>
<context>
    <name>TPanelDefinicji</name>
    <message>
        <source>Krok</source>
        <translation>Шаг</translation>
    </message>
    <message>
        <source>Regulator</source>
        <translation>Регулятор</translation>
    </message>
    <message>
        <source>Ta</source>
        <translation>Ta</translation>
    </message>
    <message>
        <source>Tb</source>
        <translation>Tb</translation>
    </message>
    <message>
        <source>Tryb wyzwalania</source>
        <translation>Режим запуска</translation>
    </message>
    <message>
        <source>Kanał zadany</source>
        <translation>Канал уставки</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>Okno</source>
        <translation>Окно</translation>
    </message>
    <message>
        <source>Histereza górna</source>
        <translation>Верхний гистерезис</translation>
    </message>
    <message>
        <source>Histereza dolna</source>
        <translation>Нижний гистерезис</translation>
    </message>
    <message>
        <source>Typ regulatora</source>
        <translation>Тип регулятора</translation>
    </message>
    <message>
        <source>Xp [%]</source>
        <translation>Xp [%]</translation>
    </message>
    <message>
        <source>ti [s]</source>
        <translation>ti [с]</translation>
    </message>
    <message>
        <source>td [s]</source>
        <translation>td [с]</translation>
    </message>
    <message>
        <source>tp [s]</source>
        <translation>tp [с]</translation>
    </message>
    <message>
        <source>to [s]</source>
        <translation>to [с]</translation>
    </message>
    <message>
        <source>Kanał pomiarowy</source>
        <translation>Измерительный канал</translation>
    </message>
    <message>
        <source>Typ regulatora:</source>
        <translation>Тип регулятора:</translation>
    </message>
    <message>
        <source>Kanał pomiarowy:</source>
        <translation>Измерительный канал:</translation>
    </message>
    <message>
        <source>Kanał zadany:</source>
        <translation>Канал уставки:</translation>
    </message>
    <message>
        <source>zakres proporcjonalności</source>
        <translation>зона пропорциональности</translation>
    </message>
    <message>
        <source>kp - Wzmocnienie:</source>
        <translation>kp - Усиление:</translation>
    </message>
    <message>
        <source>czas całkowania (zdwojenia)</source>
        <translation>время интегрирования (удвоения)</translation>
    </message>
    <message>
        <source>ti - Czas całkowania [s]:</source>
        <translation>ti - Время интегрирования [с]:</translation>
    </message>
    <message>
        <source>czas różniczkowania (wyprzedzenia)</source>
        <translation>время дифференцирования (предварения)</translation>
    </message>
    <message>
        <source>td - Czas różniczkowania [s]:</source>
        <translation>td - Время дифференцирования [с]:</translation>
    </message>
    <message>
        <source>czas próbkowania</source>
        <translation>время выборки</translation>
    </message>
    <message>
        <source>tp - Częstotliwość próbkowania [s]:</source>
        <translation>tp - Период выборки [с]:</translation>
    </message>
    <message>
        <source>czas cyklu wyjścia cyfrowego</source>
        <translation>время цикла цифрового выхода</translation>
    </message>
    <message>
        <source>to - Okres impul. dla wyj. cyfr.[ms]:</source>
        <translation>to - Период импульсов цифр. выхода [мс]:</translation>
    </message>
    <message>
        <source>Typ czasowy</source>
        <translation>Временной режим</translation>
    </message>
    <message>
        <source>Parametry regulatora</source>
        <translation>Параметры регулятора</translation>
    </message>
    <message>
        <source>Kliknij, aby wybrać typ</source>
        <translation>Нажмите, чтобы выбрать режим</translation>
    </message>
    <message>
        <source>Kliknij, aby wybrać</source>
        <translation>Нажмите, чтобы выбрать</translation>
    </message>
    <message>
        <source>Kliknij, aby wybrać regulator</source>
        <translation>Нажмите, чтобы выбрать регулятор</translation>
    </message>
</context>
<context>
    <name>TPole</name>
    <message>
        <source> Nieprawidłowy zakres parametru !</source>
        <translation> Недопустимый диапазон параметра!</translation>
    </message>
</context>
<context>
    <name>TPrzekazniki32</name>
    <message>
        <source>Off</source>
        <translation>Выкл</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл</translation>
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
    <name>TTabelaTypow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TfListaWyjAnal</name>
    <message>
        <source>Nr</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Typ pracy</source>
        <translation>Режим работы</translation>
    </message>
    <message>
        <source>Typ wyjścia</source>
        <translation>Тип выхода</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Минимум</translation>
    </message>
    <message>
        <source>Maksimum</source>
        <translation>Максимум</translation>
    </message>
    <message>
        <source>Zatrzymanie</source>
        <translation>Остановка</translation>
    </message>
    <message>
        <source>Aktywny STOP</source>
        <translation>Активный СТОП</translation>
    </message>
    <message>
        <source>Pauza</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Moc</source>
        <translation>Мощность</translation>
    </message>
    <message>
        <source>Koszt</source>
        <translation>Стоимость</translation>
    </message>
    <message>
        <source>Kanał zadany</source>
        <translation>Канал уставки</translation>
    </message>
    <message>
        <source>Typ regulatora</source>
        <translation>Действие регулятора</translation>
    </message>
    <message>
        <source>Kanał pomiarowy</source>
        <translation>Измерительный канал</translation>
    </message>
    <message>
        <source>Xp</source>
        <translation>Xp</translation>
    </message>
    <message>
        <source>ti [s]</source>
        <translation>ti [с]</translation>
    </message>
    <message>
        <source>td [s]</source>
        <translation>td [с]</translation>
    </message>
    <message>
        <source>tp [s]</source>
        <translation>tp [с]</translation>
    </message>
    <message>
        <source>to [s]</source>
        <translation>to [с]</translation>
    </message>
    <message>
        <source>0mA/4mA</source>
        <translation>0мА/4мА</translation>
    </message>
    <message>
        <source>20mA</source>
        <translation>20мА</translation>
    </message>
    <message>
        <source>[AO] WYjścia analogowe</source>
        <translation>[AO] Аналоговые выходы</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Макс</translation>
    </message>
</context>
<context>
    <name>TfListakrokow</name>
    <message>
        <source>Nr</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Warunek</source>
        <translation>Условие</translation>
    </message>
    <message>
        <source>Stan wyjść przekaźnikowych</source>
        <translation>Состояние релейных выходов</translation>
    </message>
    <message>
        <source>Mycie</source>
        <translation>Мойка</translation>
    </message>
    <message>
        <source>Lista kroków</source>
        <translation>Список шагов</translation>
    </message>
    <message>
        <source>Lista kroków mycia</source>
        <translation>Список шагов мойки</translation>
    </message>
    <message>
        <source>Warunek końca</source>
        <translation>Условие окончания</translation>
    </message>
    <message>
        <source>Zadane</source>
        <translation>Уставки</translation>
    </message>
</context>
<context>
    <name>TfUstawieniaMycia</name>
    <message>
        <source>Czas do mycia </source>
        <translation>Время до мойки </translation>
    </message>
    <message>
        <source>Przekaźnik względem którego, jest naliczany czas mycia</source>
        <translation>Реле, по которому отсчитывается время мойки</translation>
    </message>
    <message>
        <source>Ustawienia mycia</source>
        <translation>Настройки мойки</translation>
    </message>
    <message>
        <source>Odczyt ustawień</source>
        <translation>Чтение настроек</translation>
    </message>
</context>
<context>
    <name>Tfdodatki</name>
    <message>
        <source>Wartość max</source>
        <translation>Макс. значение</translation>
    </message>
    <message>
        <source>Wartość min</source>
        <translation>Мин. значение</translation>
    </message>
    <message>
        <source>Ilość aktywnych dodatków</source>
        <translation>Количество активных дополнений</translation>
    </message>
    <message>
        <source>Dodatki</source>
        <translation>Дополнения</translation>
    </message>
    <message>
        <source>Dodatek</source>
        <translation>Дополнение</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Макс</translation>
    </message>
</context>
<context>
    <name>TfeditWejscieCyfrowe</name>
    <message>
        <source>1.  DC</source>
        <translation>1.  DC</translation>
    </message>
    <message>
        <source>2. AC</source>
        <translation>2. AC</translation>
    </message>
    <message>
        <source>[DI] WEjście cyfrowe</source>
        <translation>[DI] Цифровой вход</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Авария</translation>
    </message>
    <message>
        <source>Błędne dane, poza zakresem! </source>
        <translation>Неверные данные, вне диапазона! </translation>
    </message>
</context>
<context>
    <name>Tflistafunkcji</name>
    <message>
        <source>Nr</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Czas trwania</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Logika przekaźników</source>
        <translation>Логика реле</translation>
    </message>
    <message>
        <source>Typ wyzwalania</source>
        <translation>Тип запуска</translation>
    </message>
    <message>
        <source>Stan wyjść przekaźnikowych</source>
        <translation>Состояние релейных выходов</translation>
    </message>
    <message>
        <source>nieskończoność</source>
        <translation>бесконечно</translation>
    </message>
    <message>
        <source>Tryby specjalne</source>
        <translation>Спец. режимы</translation>
    </message>
</context>
<context>
    <name>Tflistaprojektow</name>
    <message>
        <source>Nr</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Lista programów</source>
        <translation>Список программ</translation>
    </message>
</context>
<context>
    <name>Tflistaprzekaznikow</name>
    <message>
        <source>Koszt</source>
        <translation>Стоимость</translation>
    </message>
    <message>
        <source>Typ czasowy</source>
        <translation>Временной режим</translation>
    </message>
    <message>
        <source>Ta [s]</source>
        <translation>Ta [с]</translation>
    </message>
    <message>
        <source>Tb [s]</source>
        <translation>Tb [с]</translation>
    </message>
    <message>
        <source>Typ regulatora</source>
        <translation>Тип регулятора</translation>
    </message>
    <message>
        <source>Kanał pomiarowy</source>
        <translation>Измерительный канал</translation>
    </message>
    <message>
        <source>Kanał zadany</source>
        <translation>Канал уставки</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Moc</source>
        <translation>Мощность</translation>
    </message>
    <message>
        <source>Jednostkowy koszt energii</source>
        <translation>Удельная стоимость энергии</translation>
    </message>
    <message>
        <source>Koszt energii</source>
        <translation>Стоимость энергии</translation>
    </message>
    <message>
        <source>Ikonka</source>
        <translation>Значок</translation>
    </message>
    <message>
        <source>offset: </source>
        <translation>смещение: </translation>
    </message>
    <message>
        <source>okno: </source>
        <translation>окно: </translation>
    </message>
    <message>
        <source>h.górna: </source>
        <translation>г.верх.: </translation>
    </message>
    <message>
        <source>h.dolna: </source>
        <translation>г.ниж.: </translation>
    </message>
    <message>
        <source>Gdzie użyty</source>
        <translation>Где используется</translation>
    </message>
    <message>
        <source>[DO] WYjścia cyfrowe</source>
        <translation>[DO] Цифровые выходы</translation>
    </message>
</context>
<context>
    <name>TflistawejscPom</name>
    <message>
        <source>Skalowanie</source>
        <translation>Масштабирование</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Typ wejścia</source>
        <translation>Тип входа</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>Alarm Min/Max</source>
        <translation>Авария мин./макс.</translation>
    </message>
    <message>
        <source>Alarm Brak czujnika</source>
        <translation>Авария: нет датчика</translation>
    </message>
    <message>
        <source>Alarm względny</source>
        <translation>Относительная авария</translation>
    </message>
    <message>
        <source>[AI] Wejścia analogowe</source>
        <translation>[AI] Аналоговые входы</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Авария</translation>
    </message>
    <message>
        <source>Tryb</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Logika</source>
        <translation>Логика</translation>
    </message>
    <message>
        <source>Opóźnienie</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Макс.</translation>
    </message>
</context>
<context>
    <name>TfustawWilg</name>
    <message>
        <source>Tryb pomiaru</source>
        <translation>Режим измерения</translation>
    </message>
    <message>
        <source>Kanał pomiarowy</source>
        <translation>Измерительный канал</translation>
    </message>
    <message>
        <source>Wartość max</source>
        <translation>Макс. значение</translation>
    </message>
    <message>
        <source>Wartość min</source>
        <translation>Мин. значение</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Авария</translation>
    </message>
    <message>
        <source>Wartości zadane</source>
        <translation>Заданные значения</translation>
    </message>
    <message>
        <source>Ustawienia wilgotności</source>
        <translation>Настройки влажности</translation>
    </message>
</context>
<context>
    <name>Tfwyborikony</name>
    <message>
        <source>Wybierz ikonę</source>
        <translation>Выберите значок</translation>
    </message>
    <message>
        <source>Kliknij, aby wybrać</source>
        <translation>Нажмите, чтобы выбрать</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Tfzadane</name>
    <message>
        <source>Zadane</source>
        <translation>Уставки</translation>
    </message>
    <message>
        <source>Zadana</source>
        <translation>Уставка</translation>
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
    <name>TransferSekcji</name>
    <message>
        <source>Brak komunikacji</source>
        <translation>Нет связи</translation>
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
</TS>
