<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl">
<context>
    <name>Enumeracje</name>
    <message>
        <source>Pauza</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Zatrzymanie</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Zanik zasilania</source>
        <translation>Power failure</translation>
    </message>
    <message>
        <source>Aktywny STOP</source>
        <translation>Active STOP</translation>
    </message>
    <message>
        <source>Dodatnia</source>
        <translation>Positive</translation>
    </message>
    <message>
        <source>Ujemna</source>
        <translation>Negative</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Edycja</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Autostart</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>koniec kroku</source>
        <translation>end of step</translation>
    </message>
    <message>
        <source>koniec procesu</source>
        <translation>end of process</translation>
    </message>
    <message>
        <source>kontynuacja</source>
        <translation>continuation</translation>
    </message>
    <message>
        <source>Przerwany</source>
        <translation>Interrupted</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Termopara</source>
        <translation>Thermocouple</translation>
    </message>
    <message>
        <source>Wejście prądowe</source>
        <translation>Current input</translation>
    </message>
    <message>
        <source>Wyłączony</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Przerwanie programu</source>
        <translation>Program interruption</translation>
    </message>
    <message>
        <source>Kontynuacja programu</source>
        <translation>Program continuation</translation>
    </message>
    <message>
        <source>Ustawienie stanu</source>
        <translation>Set state</translation>
    </message>
    <message>
        <source>Dodanie stanu</source>
        <translation>Add state</translation>
    </message>
    <message>
        <source>Odjęcie stanu</source>
        <translation>Subtract state</translation>
    </message>
    <message>
        <source>wyłączone</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Zadajnik</source>
        <translation>Setpoint generator</translation>
    </message>
    <message>
        <source>Regulator PID </source>
        <translation>PID controller </translation>
    </message>
    <message>
        <source>Regulator liniowy</source>
        <translation>Linear controller</translation>
    </message>
    <message>
        <source>bistabilny</source>
        <translation>bistable</translation>
    </message>
    <message>
        <source>monostabilny</source>
        <translation>monostable</translation>
    </message>
    <message>
        <source>grzanie</source>
        <translation>heating</translation>
    </message>
    <message>
        <source>chłodzenie</source>
        <translation>cooling</translation>
    </message>
    <message>
        <source>Zawsze wyłączony</source>
        <translation>Always off</translation>
    </message>
    <message>
        <source>Zawsze załączony</source>
        <translation>Always on</translation>
    </message>
    <message>
        <source>Opóźnione załączenie</source>
        <translation>Delayed on</translation>
    </message>
    <message>
        <source>Opóźnione wyłączenie</source>
        <translation>Delayed off</translation>
    </message>
    <message>
        <source>Impulsator Start</source>
        <translation>Pulse generator Start</translation>
    </message>
    <message>
        <source>Impuls Start</source>
        <translation>Pulse Start</translation>
    </message>
    <message>
        <source>Regulacja wyłączona</source>
        <translation>Control off</translation>
    </message>
    <message>
        <source>Grzanie &quot;dochodzenie&quot;</source>
        <translation>Heating &quot;approach&quot;</translation>
    </message>
    <message>
        <source>Chłodzenie &quot;dochodzenie&quot;</source>
        <translation>Cooling &quot;approach&quot;</translation>
    </message>
    <message>
        <source>Histereza Grzanie</source>
        <translation>Hysteresis Heating</translation>
    </message>
    <message>
        <source>Histereza Chłodzenie</source>
        <translation>Hysteresis Cooling</translation>
    </message>
    <message>
        <source>Mokry suchy</source>
        <translation>Wet and dry</translation>
    </message>
    <message>
        <source>Czujnik cyfrowy</source>
        <translation>Digital sensor</translation>
    </message>
</context>
<context>
    <name>Kanaly</name>
    <message>
        <source>Wilgotność</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Temp. Komory</source>
        <translation>Chamber temp.</translation>
    </message>
    <message>
        <source>Temp. Batonu</source>
        <translation>Core temp.</translation>
    </message>
</context>
<context>
    <name>Komunikaty</name>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ostrzeżenie</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Informacja</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Pytanie</source>
        <translation>Question</translation>
    </message>
</context>
<context>
    <name>KopiaUstawien</name>
    <message>
        <source>Plik %1 istnieje. Przerwano zapis ustawień.</source>
        <translation>File %1 exists. Saving the settings was stopped.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać kopii ustawień</source>
        <translation>The copy of the settings could not be saved</translation>
    </message>
    <message>
        <source>Zapisano ustawienia w pliku: %1</source>
        <translation>The settings were saved in the file: %1</translation>
    </message>
    <message>
        <source>Nie udało się ustawić atrybutu tylko do odczytu.</source>
        <translation>The file could not be made read-only.</translation>
    </message>
    <message>
        <source>UWAGA: plik ma ustawiony atrybut tylko do odczytu!</source>
        <translation>NOTE: the file is read-only!</translation>
    </message>
</context>
<context>
    <name>Narzedzia</name>
    <message>
        <source>Brak połączenia.
Sprawdź ustawienia sterownika.</source>
        <translation>No connection.
Check the controller settings.</translation>
    </message>
    <message>
        <source>Nieoczekiwany błąd</source>
        <translation>Unexpected error</translation>
    </message>
    <message>
        <source>Przerwano przez użytkownika</source>
        <translation>Stopped by the user</translation>
    </message>
</context>
<context>
    <name>PlikIni</name>
    <message>
        <source>znaków klucza „%1” w sekcji [%2] nie da się zapisać w kodowaniu tego pliku</source>
        <translation>the characters of key “%1” in section [%2] cannot be written in this file&apos;s encoding</translation>
    </message>
    <message>
        <source>klucza „%1” w sekcji [%2] nie da się zapisać tak, by odczytał się bez zmian</source>
        <translation>key “%1” in section [%2] cannot be written so that it reads back unchanged</translation>
    </message>
    <message>
        <source>zapis zmieniłby odczyt pozostałych wierszy pliku (kodowanie znaków)</source>
        <translation>writing would change how the file&apos;s other lines read (character encoding)</translation>
    </message>
    <message>
        <source>zapis zmieniłby podział pliku na wiersze</source>
        <translation>writing would change how the file splits into lines</translation>
    </message>
    <message>
        <source>to nie jest zwykły plik</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>Nie można zapisać ustawień programu.</source>
        <translation>The program&apos;s settings cannot be saved.</translation>
    </message>
</context>
<context>
    <name>Polaczenie</name>
    <message>
        <source>Brak komunikacji</source>
        <translation>No communication</translation>
    </message>
</context>
<context>
    <name>PortQt</name>
    <message>
        <source>urządzenie nie istnieje</source>
        <translation>the device does not exist</translation>
    </message>
    <message>
        <source>brak uprawnień (użytkownik musi należeć do grupy dialout)</source>
        <translation>permission denied (the user must be a member of the dialout group)</translation>
    </message>
    <message>
        <source>port jest zajęty przez inny program</source>
        <translation>the port is in use by another program</translation>
    </message>
</context>
<context>
    <name>Sekcje</name>
    <message>
        <source>Sterownik w trakcie procesu. Zapis danych nie będzie możliwy!</source>
        <translation>The controller is running a process. Data cannot be written!</translation>
    </message>
</context>
<context>
    <name>SetupTeksty</name>
    <message>
        <source>[s]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>mm:ss</source>
        <translation>mm:ss</translation>
    </message>
    <message>
        <source>Adres RS-485</source>
        <translation>RS-485 address</translation>
    </message>
    <message>
        <source>Prędkość transmisji</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Czas warunku końca</source>
        <translation>End condition time</translation>
    </message>
    <message>
        <source>Buczek Alarmu</source>
        <translation>Alarm buzzer</translation>
    </message>
    <message>
        <source>Jednostka temperatury</source>
        <translation>Temperature unit</translation>
    </message>
    <message>
        <source>Typ Delty</source>
        <translation>Delta type</translation>
    </message>
    <message>
        <source>Częstotliwość rejestracji</source>
        <translation>Recording interval</translation>
    </message>
    <message>
        <source>Maksymalna temp. zadana komory (TK)</source>
        <translation>Maximum chamber setpoint temp. (TK)</translation>
    </message>
    <message>
        <source>Maksymalna temp. zadana batonu (TB)</source>
        <translation>Maximum core setpoint temp. (TB)</translation>
    </message>
    <message>
        <source>Minimalna temp. zadana komory (TK)</source>
        <translation>Minimum chamber setpoint temp. (TK)</translation>
    </message>
    <message>
        <source>Minimalna temp. zadana batonu (TB)</source>
        <translation>Minimum core setpoint temp. (TB)</translation>
    </message>
    <message>
        <source>Czas ponowienia alarmu [s]</source>
        <translation>Alarm repeat time [s]</translation>
    </message>
    <message>
        <source>Warunek końca INn</source>
        <translation>End condition INn</translation>
    </message>
    <message>
        <source>Numer INn (DI:1-8 DO:1-32)</source>
        <translation>INn number (DI:1-8 DO:1-32)</translation>
    </message>
    <message>
        <source>Blokada edycji</source>
        <translation>Edit lock</translation>
    </message>
    <message>
        <source>Dźwięk klawiatury</source>
        <translation>Keypad sound</translation>
    </message>
    <message>
        <source>Jednostka czasu</source>
        <translation>Time unit</translation>
    </message>
    <message>
        <source>Identyfikator ID </source>
        <translation>Identifier ID </translation>
    </message>
    <message>
        <source>Wartości dziesiętne</source>
        <translation>Decimal values</translation>
    </message>
    <message>
        <source>Ilość zapętleń programu</source>
        <translation>Number of program loops</translation>
    </message>
    <message>
        <source>Przekaźnik silnika B</source>
        <translation>Motor relay B</translation>
    </message>
    <message>
        <source>Czas rozpędzania silnika</source>
        <translation>Motor run-up time</translation>
    </message>
    <message>
        <source>Czas hamowania silnika</source>
        <translation>Motor braking time</translation>
    </message>
    <message>
        <source>Czas wyświetlania info</source>
        <translation>Info display time</translation>
    </message>
    <message>
        <source>Edycja kroku w cyklu</source>
        <translation>Step editing in a row</translation>
    </message>
    <message>
        <source>Czas wyjścia z edycji</source>
        <translation>Edit exit time</translation>
    </message>
    <message>
        <source>Czas do wylogowania</source>
        <translation>Time to logout</translation>
    </message>
    <message>
        <source>Czas blokady ekranu</source>
        <translation>Screen lock time</translation>
    </message>
    <message>
        <source>Okno batonu</source>
        <translation>Core window</translation>
    </message>
    <message>
        <source>Okno wilgotności</source>
        <translation>Humidity window</translation>
    </message>
    <message>
        <source>Hasło użytkownika</source>
        <translation>User password</translation>
    </message>
    <message>
        <source>Hasło programowania</source>
        <translation>Programming password</translation>
    </message>
    <message>
        <source>Hasło serwis</source>
        <translation>Service password</translation>
    </message>
    <message>
        <source>Czujnik cyfrowy</source>
        <translation>Digital sensor</translation>
    </message>
    <message>
        <source>Duży zegar</source>
        <translation>Large clock</translation>
    </message>
    <message>
        <source>Wygaszacz ekranu</source>
        <translation>Screen saver</translation>
    </message>
    <message>
        <source>Blokada transmisji (0-wyłączona)</source>
        <translation>Transmission lock (0-off)</translation>
    </message>
    <message>
        <source>Ukryj detale INFO</source>
        <translation>Hide INFO details</translation>
    </message>
    <message>
        <source>Zachowanie STOP</source>
        <translation>STOP behaviour</translation>
    </message>
    <message>
        <source>Tryb rejestracji</source>
        <translation>Recording mode</translation>
    </message>
    <message>
        <source>Autostart</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Edycja mycia</source>
        <translation>Washing editing</translation>
    </message>
    <message>
        <source>Kod fabryczny</source>
        <translation>Factory code</translation>
    </message>
    <message>
        <source>Użytkownik - AIN offset</source>
        <translation>User - AIN offset</translation>
    </message>
    <message>
        <source>Użytkownik - dostęp do diagnostyki</source>
        <translation>User - diagnostics access</translation>
    </message>
    <message>
        <source>nieaktywne</source>
        <translation>inactive</translation>
    </message>
    <message>
        <source>Celsjusz</source>
        <translation>Celsius</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Fahrenheit</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hh:mm]</translation>
    </message>
    <message>
        <source>Proces</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Ciągła</source>
        <translation>Continuous</translation>
    </message>
</context>
<context>
    <name>SetupTransfer</name>
    <message>
        <source>Wpisz hasło serwisowe</source>
        <translation>Enter the service password</translation>
    </message>
    <message>
        <source>Hasło jest wymagane, ponieważ zmieniasz ustawienie kodu fabrycznego!</source>
        <translation>The password is required because you are changing the factory code setting!</translation>
    </message>
    <message>
        <source>Nieprawidłowe hasło serwisowe!</source>
        <translation>Incorrect service password!</translation>
    </message>
    <message>
        <source>Przerwano wysyłanie, gdyż pod nowymi ustawieniami transmijsji znaleziono sterownik o numerze seryjnym</source>
        <translation>Sending stopped: a controller was found under the new transmission settings, serial number</translation>
    </message>
    <message>
        <source>Nie wysłano ustawień: %1 = %2. Dozwolone wartości: %3.</source>
        <translation>The settings were not sent: %1 = %2. Allowed values: %3.</translation>
    </message>
    <message>
        <source>%1 = %2: tej prędkości nie można wybrać w oknie głównym, więc po wysłaniu program nie połączy się ze sterownikiem przez RS-485. Wysłać mimo to?</source>
        <translation>%1 = %2: this speed cannot be chosen in the main window, so after sending the program will not connect to the controller over RS-485. Send anyway?</translation>
    </message>
</context>
<context>
    <name>TBiezacyProjekt</name>
    <message>
        <source>Czy zapisać zmiany w projekcie?</source>
        <translation>Save the changes to the project?</translation>
    </message>
    <message>
        <source>Wybrany plik stworzony inną wersją programu, skorzystaj z konwertera!</source>
        <translation>The selected file was created by another version of the program, use the converter!</translation>
    </message>
    <message>
        <source>Nie można odczytać pliku projektu</source>
        <translation>Cannot read the project file</translation>
    </message>
    <message>
        <source>Brak pliku dla &quot;Ustawienia mycia&quot;. <byte value="xd"/>Zostaną ustawione wartości domyślne</source>
        <translation>No file for &quot;Washing settings&quot;. <byte value="xd"/>Default values will be set</translation>
    </message>
    <message>
        <source>Plik projektu nie został zapisany!</source>
        <translation>The project file was not saved!</translation>
    </message>
    <message>
        <source>Błąd zapisu projektu, istnieje plik</source>
        <translation>Project save error, the file exists</translation>
    </message>
    <message>
        <source>Istnieje plik projektu</source>
        <translation>The project file exists</translation>
    </message>
    <message>
        <source>Zastąpić ?</source>
        <translation>Replace ?</translation>
    </message>
</context>
<context>
    <name>TBlokadaOkna</name>
    <message>
        <source>Użycie z podłączonym sterownikiem może prowadzić do nieoczekiwanych sytuacji.</source>
        <translation>Using it with the connected controller may lead to unexpected situations.</translation>
    </message>
    <message>
        <source>Zwróć się do firmy Kalbren o aktualizację!</source>
        <translation>Ask Kalbren for an update!</translation>
    </message>
    <message>
        <source>Uruchomiono nieaktualną wersję programu.</source>
        <translation>An outdated version of the program is running.</translation>
    </message>
    <message>
        <source>Podłączony sterownik ma nieaktualny firmware.</source>
        <translation>The connected controller has outdated firmware.</translation>
    </message>
    <message>
        <source>Hasło</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Blokada transmisji</source>
        <translation>Transmission lock</translation>
    </message>
</context>
<context>
    <name>TEdytorSekcji</name>
    <message>
        <source>Odczyt danych ze sterownika</source>
        <translation>Read data from the controller</translation>
    </message>
    <message>
        <source>Wysłanie danych do sterownika</source>
        <translation>Send data to the controller</translation>
    </message>
    <message>
        <source>Odczyt danych z dysku</source>
        <translation>Read data from disk</translation>
    </message>
    <message>
        <source>Zapis danych na dysk</source>
        <translation>Save data to disk</translation>
    </message>
    <message>
        <source>Edycja</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Czyść</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Wysyłanie ustawień do sterownika</source>
        <translation>Sending settings to the controller</translation>
    </message>
    <message>
        <source>Uwaga: Zmiany nie zostały zapisane. Kontynuować?</source>
        <translation>Warning: the changes have not been saved. Continue?</translation>
    </message>
    <message>
        <source>Nieoczekiwany błąd</source>
        <translation>Unexpected error</translation>
    </message>
    <message>
        <source>Ustawienia wysłane do sterownika </source>
        <translation>Settings sent to the controller </translation>
    </message>
    <message>
        <source>Potwierdzasz wyzerowanie danych dla bieżącego okna?</source>
        <translation>Do you confirm clearing the data of this window?</translation>
    </message>
    <message>
        <source>Bład otwarcia pliku</source>
        <translation>Error opening the file</translation>
    </message>
    <message>
        <source>Bład przetwarzania pliku</source>
        <translation>Error processing the file</translation>
    </message>
    <message>
        <source>Wydrukowano</source>
        <translation>Printed</translation>
    </message>
</context>
<context>
    <name>TFEditParPrzek</name>
    <message>
        <source>Kopiuj ustawienia</source>
        <translation>Copy settings</translation>
    </message>
    <message>
        <source>Gdzie użyty</source>
        <translation>Where used</translation>
    </message>
    <message>
        <source>Moc urządzenia</source>
        <translation>Device power</translation>
    </message>
    <message>
        <source>Wybrana ikona</source>
        <translation>Chosen icon</translation>
    </message>
    <message>
        <source>[DO] WYjście cyfrowe</source>
        <translation>[DO] Digital output</translation>
    </message>
    <message>
        <source>Wybierz definicję</source>
        <translation>Choose a definition</translation>
    </message>
    <message>
        <source>Kliknij, aby zmienić ikonę</source>
        <translation>Click to change the icon</translation>
    </message>
    <message>
        <source>Czy chcesz skopiować ustawnienia z definicji innego wyjścia?</source>
        <translation>Do you want to copy the settings from the definitions of another output?</translation>
    </message>
</context>
<context>
    <name>TFEditWejsciePom</name>
    <message>
        <source>Skalowanie wejść prądowych</source>
        <translation>Current input scaling</translation>
    </message>
    <message>
        <source>[AI] WEjście analogowe</source>
        <translation>[AI] Analog input</translation>
    </message>
    <message>
        <source>Alarm Min/Max</source>
        <translation>Min/Max alarm</translation>
    </message>
    <message>
        <source>Alarm Brak czujnika</source>
        <translation>Sensor missing alarm</translation>
    </message>
    <message>
        <source>Alarm względny</source>
        <translation>Relative alarm</translation>
    </message>
</context>
<context>
    <name>TFEdycjaParametru</name>
    <message>
        <source>Edycja parametru</source>
        <translation>Edit parameter</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zakres: %1 - %2</source>
        <translation>Range: %1 - %2</translation>
    </message>
</context>
<context>
    <name>TFEdycjastanSpec</name>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Czas trwania</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Tryb wyzwalania</source>
        <translation>Trigger mode</translation>
    </message>
    <message>
        <source>Logika przekaźników</source>
        <translation>Relay logic</translation>
    </message>
    <message>
        <source>Tryb specjalny</source>
        <translation>Special mode</translation>
    </message>
    <message>
        <source>nieskończoność</source>
        <translation>infinite</translation>
    </message>
    <message>
        <source>Wartość ograniczono do maksymalnej!</source>
        <translation>The value was limited to the maximum!</translation>
    </message>
    <message>
        <source>Wartość ograniczono do minmalnej!</source>
        <translation>The value was limited to the minimum!</translation>
    </message>
</context>
<context>
    <name>TFListaWejscCyfrowych</name>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Logika</source>
        <translation>Logic</translation>
    </message>
    <message>
        <source>Status alarmu</source>
        <translation>Alarm status</translation>
    </message>
    <message>
        <source>Logika przekaźników</source>
        <translation>Relay logic</translation>
    </message>
    <message>
        <source>Opóźnienie alarmu</source>
        <translation>Alarm delay</translation>
    </message>
    <message>
        <source>Zasilanie</source>
        <translation>Supply</translation>
    </message>
    <message>
        <source>Stan wyjść przekaźnikowych</source>
        <translation>Relay output states</translation>
    </message>
    <message>
        <source>[DI] WEjścia cyfrowe</source>
        <translation>[DI] Digital inputs</translation>
    </message>
</context>
<context>
    <name>TFMyMessageDLG</name>
    <message>
        <source>Tak</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>TFProgramMycia</name>
    <message>
        <source>Nazwa kroku</source>
        <translation>Step name</translation>
    </message>
    <message>
        <source>Krok</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Godzin</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Minut</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Wilgotność</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Delta</source>
        <translation>Delta</translation>
    </message>
    <message>
        <source>Dodatek</source>
        <translation>Addition </translation>
    </message>
    <message>
        <source>Nazwa programu</source>
        <translation>Program name</translation>
    </message>
    <message>
        <source>Numer programu</source>
        <translation>Program number</translation>
    </message>
    <message>
        <source>Czas</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Godziny</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Minuty</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Dodatki</source>
        <translation>Additions</translation>
    </message>
    <message>
        <source>Porównaj</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Kopiuj ustawienia</source>
        <translation>Copy settings</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Mycie</source>
        <translation>Washing</translation>
    </message>
    <message>
        <source>Program mycia</source>
        <translation>Washing program</translation>
    </message>
    <message>
        <source>Ustawienie PROGRAMU sterownika zgodne z programem.</source>
        <translation>The controller&apos;s PROGRAM matches the program.</translation>
    </message>
    <message>
        <source>Wynik porównania ustawień PROGRAMU</source>
        <translation>Result of comparing the PROGRAM settings</translation>
    </message>
    <message>
        <source>Czy chcesz skopiować ustawnienia programu?</source>
        <translation>Do you want to copy a program&apos;s settings?</translation>
    </message>
</context>
<context>
    <name>TFProjektRSIn</name>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>[AI] Wejścia analogowe</source>
        <translation>[AI] Analog inputs</translation>
    </message>
    <message>
        <source>[DO] WYjścia cyfrowe</source>
        <translation>[DO] Digital outputs</translation>
    </message>
    <message>
        <source>[AO] WYjścia analogowe</source>
        <translation>[AO] Analog outputs</translation>
    </message>
    <message>
        <source>[DI] WEjścia cyfrowe</source>
        <translation>[DI] Digital inputs</translation>
    </message>
    <message>
        <source>Moduły dodatkowe</source>
        <translation>Extra modules</translation>
    </message>
    <message>
        <source>Zadane</source>
        <translation>Setpoints</translation>
    </message>
    <message>
        <source>Dodatki</source>
        <translation>Additions</translation>
    </message>
    <message>
        <source>Wilgotność</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Tryby specjalne</source>
        <translation>Special modes</translation>
    </message>
    <message>
        <source>Kroki</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Programy</source>
        <translation>Programs</translation>
    </message>
    <message>
        <source>Kroki mycia</source>
        <translation>Washing steps</translation>
    </message>
    <message>
        <source>Program mycia</source>
        <translation>Washing program</translation>
    </message>
    <message>
        <source>Ustawienia mycia</source>
        <translation>Washing settings</translation>
    </message>
    <message>
        <source>Wysyłanie projektu do sterownika</source>
        <translation>Send the project to the controller</translation>
    </message>
    <message>
        <source>Odczytanie projektu ze sterownika</source>
        <translation>Read the project from the controller</translation>
    </message>
    <message>
        <source>Wybierz co ma być wysłane</source>
        <translation>Choose what to send</translation>
    </message>
    <message>
        <source>Wybierz co ma być odebrane</source>
        <translation>Choose what to read</translation>
    </message>
    <message>
        <source>Odznacz wszystko</source>
        <translation>Unselect all</translation>
    </message>
    <message>
        <source>Zaznacz wszystko</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Tylko porównaj</source>
        <translation>Compare only</translation>
    </message>
    <message>
        <source>Porównaj po wysłaniu</source>
        <translation>Compare after sending</translation>
    </message>
    <message>
        <source>Czy chcesz wysłać zaznaczone pozycje do <byte value="xd"/> sterownika %s: %d ?</source>
        <translation>Do you want to send the selected items to the <byte value="xd"/> controller %s: %d ?</translation>
    </message>
    <message>
        <source>Numer Seryjny</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Adres RS-485</source>
        <translation>RS-485 address</translation>
    </message>
    <message>
        <source>Wysyłanie</source>
        <translation>Sending</translation>
    </message>
    <message>
        <source>Czekaj</source>
        <translation>Wait</translation>
    </message>
    <message>
        <source>Porównanie</source>
        <translation>Comparing</translation>
    </message>
    <message>
        <source>Czytanie</source>
        <translation>Reading</translation>
    </message>
</context>
<context>
    <name>TFStanPrzekaznikow</name>
    <message>
        <source>Warunki końca kroku</source>
        <translation>Step end conditions</translation>
    </message>
    <message>
        <source>Zadane stałe dla kroku</source>
        <translation>Constant setpoints of the step</translation>
    </message>
    <message>
        <source>Parametry kroku</source>
        <translation>Step parameters</translation>
    </message>
    <message>
        <source>Mycie</source>
        <translation>Washing</translation>
    </message>
</context>
<context>
    <name>TFTypPrzekTable</name>
    <message>
        <source>Typ czasowy</source>
        <translation>Time mode</translation>
    </message>
</context>
<context>
    <name>TFTypReglerTable</name>
    <message>
        <source>Typ regulatora</source>
        <translation>Regulator type</translation>
    </message>
    <message>
        <source>Algortym</source>
        <translation>Algorithm</translation>
    </message>
</context>
<context>
    <name>TFkomunikacja</name>
    <message>
        <source>nie znaleziono portu szeregowego</source>
        <translation>no serial port found</translation>
    </message>
    <message>
        <source>nieobsługiwana prędkość (kod %1)</source>
        <translation>unsupported baud rate (code %1)</translation>
    </message>
    <message>
        <source>Nie mogę otworzyć portu</source>
        <translation>Cannot open port</translation>
    </message>
    <message>
        <source>Nie wybrano portu szeregowego.</source>
        <translation>No serial port is selected.</translation>
    </message>
    <message>
        <source>to nie jest zwykły plik</source>
        <translation>this is not a regular file</translation>
    </message>
    <message>
        <source>Nie można zapisać dziennika ramek</source>
        <translation>Cannot write the frame log</translation>
    </message>
</context>
<context>
    <name>TFkonfigwyjsc</name>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Wartość zadana</source>
        <translation>Output value</translation>
    </message>
    <message>
        <source>Zatrzymanie</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Active stop</translation>
    </message>
    <message>
        <source>Pauza</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Moc</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>zakres proporcjonalności</source>
        <translation>proportional band</translation>
    </message>
    <message>
        <source>czas całkowania (zdwojenia)</source>
        <translation>integral time (reset time)</translation>
    </message>
    <message>
        <source>czas różniczkowania (wyprzedzenia)</source>
        <translation>derivative time (rate time)</translation>
    </message>
    <message>
        <source>czas próbkowania</source>
        <translation>sampling time</translation>
    </message>
    <message>
        <source>czas cyklu wyjścia cyfrowego</source>
        <translation>digital output cycle time</translation>
    </message>
    <message>
        <source>[AO] WYjście analogowe</source>
        <translation>[AO] Analog output</translation>
    </message>
    <message>
        <source>Parametry wyjścia</source>
        <translation>Output parameters</translation>
    </message>
    <message>
        <source>Zadajnik</source>
        <translation>Setpoint generator</translation>
    </message>
    <message>
        <source>Regulator PID </source>
        <translation>PID controller </translation>
    </message>
    <message>
        <source>Regulator liniowy</source>
        <translation>Linear controller</translation>
    </message>
    <message>
        <source>Zmieniono wartości, które nie spełniały zakresu Min/Max!</source>
        <translation>Values outside the Min/Max range have been changed!</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Plik</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Nowy</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Otwórz</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zapisz jako...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Wyjście</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Zapisać zmiany?</source>
        <translation>Save changes?</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>[AI] Wejścia analogowe</source>
        <translation>[AI] Analog inputs</translation>
    </message>
    <message>
        <source>[DO] WYjścia cyfrowe</source>
        <translation>[DO] Digital outputs</translation>
    </message>
    <message>
        <source>[AO] WYjścia analogowe</source>
        <translation>[AO] Analog outputs</translation>
    </message>
    <message>
        <source>[DI] WEjścia cyfrowe</source>
        <translation>[DI] Digital inputs</translation>
    </message>
    <message>
        <source>Moduły dodatkowe</source>
        <translation>Extra modules</translation>
    </message>
    <message>
        <source>Zadane</source>
        <translation>Setpoints</translation>
    </message>
    <message>
        <source>Dodatki</source>
        <translation>Additions</translation>
    </message>
    <message>
        <source>Wilgotność</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Tryby specjalne</source>
        <translation>Special modes</translation>
    </message>
    <message>
        <source>Kroki</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Programy</source>
        <translation>Programs</translation>
    </message>
    <message>
        <source>Kroki mycia</source>
        <translation>Washing steps</translation>
    </message>
    <message>
        <source>Program mycia</source>
        <translation>Washing program</translation>
    </message>
    <message>
        <source>Ustawienia mycia</source>
        <translation>Washing settings</translation>
    </message>
    <message>
        <source>konfiguracja</source>
        <translation>configuration</translation>
    </message>
    <message>
        <source>alarmy</source>
        <translation>alarms</translation>
    </message>
    <message>
        <source>Test połączenia</source>
        <translation>Connection test</translation>
    </message>
    <message>
        <source>Nr COM</source>
        <translation>COM port</translation>
    </message>
    <message>
        <source>Adres RS-485</source>
        <translation>RS-485 address</translation>
    </message>
    <message>
        <source>Prędkość transmisji</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Numer Seryjny</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Adres IP</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Automatycznie czytaj</source>
        <translation>Read automatically</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Odczytanie projektu ze sterownika</source>
        <translation>Read the project from the controller</translation>
    </message>
    <message>
        <source>Wysyłanie projektu do sterownika</source>
        <translation>Send the project to the controller</translation>
    </message>
    <message>
        <source>Narzędzia</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Wysłanie graficznego LOGO </source>
        <translation>Send the logo picture</translation>
    </message>
    <message>
        <source>Wgranie aktualizacji firmware</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>Wysłanie grafik</source>
        <translation>Send graphics</translation>
    </message>
    <message>
        <source>Wybierz język</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Polski</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Angielski</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Ustawienie daty i czasu</source>
        <translation>Controller date and time</translation>
    </message>
    <message>
        <source>Czekaj</source>
        <translation>Wait</translation>
    </message>
    <message>
        <source>Połączono ze sterownikiem</source>
        <translation>Connected to the controller</translation>
    </message>
    <message>
        <source>UWAGA: włączona blokada transmisji ustawień!</source>
        <translation>WARNING: the settings transmission lock is on!</translation>
    </message>
</context>
<context>
    <name>TFormConfirmDlg</name>
    <message>
        <source>Potwierdzenie</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Posiadam kopię ustawień sterownika</source>
        <translation>I have a copy of the controller settings</translation>
    </message>
    <message>
        <source>Wykonaj teraz kopię ustawień w programie</source>
        <translation>Make a copy of the settings in the program now</translation>
    </message>
    <message>
        <source>Dalej</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TFormDO_Alarmy</name>
    <message>
        <source>Opóźnienie alarmu</source>
        <translation>Alarm delay</translation>
    </message>
    <message>
        <source>[DO] WYjścia cyfrowe</source>
        <translation>[DO] Digital outputs</translation>
    </message>
    <message>
        <source>alarmy</source>
        <translation>alarms</translation>
    </message>
    <message>
        <source>Wybierz definicję</source>
        <translation>Select definition</translation>
    </message>
    <message>
        <source>Status alarmu</source>
        <translation>Alarm status</translation>
    </message>
</context>
<context>
    <name>TFormDataCzas</name>
    <message>
        <source>Brak komunikacji</source>
        <translation>No communication</translation>
    </message>
    <message>
        <source>Ustawienie daty i czasu</source>
        <translation>Date and time setting</translation>
    </message>
    <message>
        <source>Data i czas komputera</source>
        <translation>Computer date and time</translation>
    </message>
    <message>
        <source>Data i czas sterownika</source>
        <translation>Controller date and time</translation>
    </message>
    <message>
        <source>Czekaj</source>
        <translation>Wait</translation>
    </message>
    <message>
        <source>Wyślij</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TFormHaslo</name>
    <message>
        <source>Hasło:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Czekaj</source>
        <translation>Wait</translation>
    </message>
    <message>
        <source>Wprowadź dane</source>
        <translation>Enter data</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Zbyt wiele razy wprowadzono błędne hasło.</source>
        <translation>A wrong password has been entered too many times.</translation>
    </message>
</context>
<context>
    <name>TFormLan</name>
    <message>
        <source>Wpisz poprawny numer seryjny! </source>
        <translation>Enter a valid serial number! </translation>
    </message>
    <message>
        <source>Wpisz poprawny adres IP </source>
        <translation>Enter a valid IP address </translation>
    </message>
</context>
<context>
    <name>TFormLista</name>
    <message>
        <source>Wybrany</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>Alarm Min/Max</source>
        <translation>Min/Max alarm</translation>
    </message>
    <message>
        <source>Alarm względny</source>
        <translation>Relative alarm</translation>
    </message>
    <message>
        <source>Alarm Brak czujnika</source>
        <translation>Sensor missing alarm</translation>
    </message>
    <message>
        <source>Wilgotność</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Ustawienia mycia</source>
        <translation>Washing settings</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kopiuj do schowka</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>Skopiowano do schowka.</source>
        <translation>Copied to the clipboard.</translation>
    </message>
    <message>
        <source>Informacja o użyciu wyjść cyfrowych [DO] </source>
        <translation>Use of the digital outputs [DO] </translation>
    </message>
</context>
<context>
    <name>TFormLogo</name>
    <message>
        <source>Wysłanie graficznego LOGO </source>
        <translation>Send the graphic LOGO </translation>
    </message>
    <message>
        <source>Wybierz plik logo</source>
        <translation>Choose the logo file</translation>
    </message>
    <message>
        <source>zalecany format</source>
        <translation>recommended format</translation>
    </message>
    <message>
        <source>Wybrany</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>Wyczyść grafikę w urządzeniu</source>
        <translation>Clear the graphic in the device</translation>
    </message>
    <message>
        <source>Utwórz plik do wgrania przez USB</source>
        <translation>Create a file to load over USB</translation>
    </message>
    <message>
        <source>Wyślij do sterownika</source>
        <translation>Send to the controller</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Wysyłanie grafiki LOGO</source>
        <translation>Sending the LOGO graphic</translation>
    </message>
    <message>
        <source>Wszystkie</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Plik  PNG</source>
        <translation>PNG file</translation>
    </message>
    <message>
        <source>Bitmapa</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>Nie można wczytać grafiki z pliku</source>
        <translation>Cannot load a picture from the file</translation>
    </message>
    <message>
        <source>Wymagane wymiary: %1x%2, wybrana grafika: %3x%4</source>
        <translation>Required size: %1x%2, selected picture: %3x%4</translation>
    </message>
    <message>
        <source>Nie można utworzyć folderu</source>
        <translation>Cannot create the folder</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku</source>
        <translation>The file could not be saved</translation>
    </message>
    <message>
        <source>Przygotowano plik z grafiką LOGO, dla sterownika.
Umieść plik %1 na pendrivie 
Podłącz pendrive do Kvor350, wybierz &quot;Zapisz Logo&quot;.</source>
        <translation>The file with the LOGO graphic for the controller is ready.
Put the file %1 on a USB stick 
Connect the USB stick to the Kvor350 and choose &quot;Zapisz Logo&quot;.</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TFormModuly</name>
    <message>
        <source>Moduły dodatkowe</source>
        <translation>Extra modules</translation>
    </message>
</context>
<context>
    <name>TFormPlikWyslij</name>
    <message>
        <source>Unexpected Error</source>
        <translation>Unexpected Error</translation>
    </message>
    <message>
        <source>Brak pliku</source>
        <translation>No file</translation>
    </message>
    <message>
        <source>Nie można otworzyć pliku</source>
        <translation>Cannot open the file</translation>
    </message>
    <message>
        <source>Wybrany plik jest za duży.</source>
        <translation>The selected file is too large.</translation>
    </message>
    <message>
        <source>Aktualizacja Firmware </source>
        <translation>Firmware update </translation>
    </message>
    <message>
        <source>plik firmware Kvor</source>
        <translation>Kvor firmware file</translation>
    </message>
    <message>
        <source>wszystkie pliki</source>
        <translation>all files</translation>
    </message>
    <message>
        <source>Aktualizacja Grafik</source>
        <translation>Graphics update</translation>
    </message>
    <message>
        <source>plik grafik Kvor</source>
        <translation>Kvor graphics file</translation>
    </message>
    <message>
        <source>Wgranie aktualizacji firmware</source>
        <translation>Firmware update upload</translation>
    </message>
    <message>
        <source>Wysłanie grafik</source>
        <translation>Send graphics</translation>
    </message>
    <message>
        <source>Wybierz</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Wybrany</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>Dane sterownika</source>
        <translation>Controller data</translation>
    </message>
    <message>
        <source>sprawdź</source>
        <translation>check</translation>
    </message>
    <message>
        <source>Wykonaj aktualizację</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Czekaj trwa łączenie</source>
        <translation>Wait, connecting</translation>
    </message>
    <message>
        <source>Wybrany plik jest pusty.</source>
        <translation>The selected file is empty.</translation>
    </message>
    <message>
        <source>Wybrany plik jest za duży: %1 bajtów, najwięcej %2.</source>
        <translation>The selected file is too large: %1 bytes, at most %2.</translation>
    </message>
    <message>
        <source>UWAGA: wysyłanie firmwaru do sterownika powinno być poprzedzone zrobieniem kopii ustawień sterownika na USB</source>
        <translation>NOTE: before sending firmware to the controller, a copy of the controller settings should be made on USB</translation>
    </message>
    <message>
        <source>Skorzystaj na sterowniku z funkcji</source>
        <translation>Use the controller function</translation>
    </message>
    <message>
        <source>Zapisz konfigurację na USB</source>
        <translation>Save configuration to USB</translation>
    </message>
    <message>
        <source>Kontynuować?</source>
        <translation>Continue?</translation>
    </message>
    <message>
        <source>Wykonanie kopii zakończone błędem!</source>
        <translation>Making the copy failed!</translation>
    </message>
    <message>
        <source>Czy jesteś pewien, że chcesz wykonać aktualizację?</source>
        <translation>Are you sure you want to update?</translation>
    </message>
    <message>
        <source>Przerwano aktualizację.</source>
        <translation>The update was stopped.</translation>
    </message>
    <message>
        <source>Wykonano aktualizacje Grafik. 
Może być wymagany restart sterownika!</source>
        <translation>The graphics were updated. 
The controller may need a restart!</translation>
    </message>
    <message>
        <source>Wykonano aktualizację firmware
Nastąpi reset sterownika...</source>
        <translation>The firmware was updated
The controller will reset...</translation>
    </message>
</context>
<context>
    <name>TFormPorownaj</name>
    <message>
        <source>Id/Nr</source>
        <translation>Id/No.</translation>
    </message>
    <message>
        <source>Nazwa pozycji</source>
        <translation>Item name</translation>
    </message>
    <message>
        <source>W programie</source>
        <translation>In the program</translation>
    </message>
    <message>
        <source>W sterowniku</source>
        <translation>In the controller</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>W programie na PC</source>
        <translation>In the PC program</translation>
    </message>
</context>
<context>
    <name>TFormWybierzDef</name>
    <message>
        <source>Wybierz definicję dla</source>
        <translation>Choose the definition for</translation>
    </message>
    <message>
        <source>Wybierz definicję</source>
        <translation>Choose a definition</translation>
    </message>
    <message>
        <source>Wybierz definicję </source>
        <translation>Choose a definition </translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Wybierz</source>
        <translation>Choose</translation>
    </message>
</context>
<context>
    <name>TFormWybierzPozycjeDlg</name>
    <message>
        <source>Wybierz pozycję</source>
        <translation>Choose an item</translation>
    </message>
    <message>
        <source>Kopiuj z</source>
        <translation>Copy from</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TFormZadane</name>
    <message>
        <source>Zadane</source>
        <translation>Setpoints</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>TFrameBiezaceOdczyty</name>
    <message>
        <source>Blokada transmisji</source>
        <translation>Transmission lock</translation>
    </message>
    <message>
        <source>Dostępna wersja</source>
        <translation>Available version</translation>
    </message>
    <message>
        <source>Sterownik</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Wersja programu</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Czas</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Nieobsługiwane urządzenie!!!</source>
        <translation>Unsupported device!!!</translation>
    </message>
</context>
<context>
    <name>TFsetupBKN</name>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Nazwa funkcji</source>
        <translation>Function name</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Porównaj</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Czyść filtr</source>
        <translation>Clear filter</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Nie można edytować komórki!</source>
        <translation>This cell cannot be edited!</translation>
    </message>
    <message>
        <source>Wyłączć kod fabryczny?</source>
        <translation>Switch the factory code off?</translation>
    </message>
    <message>
        <source>Odczyt ustawień</source>
        <translation>Reading the settings</translation>
    </message>
    <message>
        <source>Setup został zapisany</source>
        <translation>Setup has been written</translation>
    </message>
    <message>
        <source>Wynik porównania ustawień</source>
        <translation>Settings compare result</translation>
    </message>
    <message>
        <source>Ustawienie SETUP sterownika zgodne z programem.</source>
        <translation>The controller&apos;s SETUP matches the program.</translation>
    </message>
    <message>
        <source>Potwierdź ustawienie wartości domyślnych dla bieążącego okna?</source>
        <translation>Confirm the default values for the current window?</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>TGridFilter</name>
    <message>
        <source>Filtr</source>
        <translation>Filter</translation>
    </message>
</context>
<context>
    <name>TKbProgress</name>
    <message>
        <source>Wybierz do transmisji</source>
        <translation>Select for transfer</translation>
    </message>
    <message>
        <source>Status transmisji</source>
        <translation>Transfer status</translation>
    </message>
    <message>
        <source>Status porównania</source>
        <translation>Comparison status</translation>
    </message>
    <message>
        <source>Nieznany błąd</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>TKvor350inOutModul</name>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
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
        <translation>Alarm status</translation>
    </message>
    <message>
        <source>Logika przekaźników</source>
        <translation>Relay logic</translation>
    </message>
    <message>
        <source>Opóźnienie alarmu</source>
        <translation>Alarm delay</translation>
    </message>
    <message>
        <source>Wartość max</source>
        <translation>Max value</translation>
    </message>
    <message>
        <source>Wartość min</source>
        <translation>Min value</translation>
    </message>
    <message>
        <source>Stan wyjść przekaźnikowych</source>
        <translation>Relay output states</translation>
    </message>
</context>
<context>
    <name>TPanelDefinicji</name>
    <message>
        <source>Krok</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Regulator</source>
        <translation>Controller</translation>
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
        <translation>Trigger mode</translation>
    </message>
    <message>
        <source>Kanał zadany</source>
        <translation>Setpoint channel</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Okno</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Histereza górna</source>
        <translation>Upper hysteresis</translation>
    </message>
    <message>
        <source>Histereza dolna</source>
        <translation>Lower hysteresis</translation>
    </message>
    <message>
        <source>Typ regulatora</source>
        <translation>Controller type</translation>
    </message>
    <message>
        <source>Xp [%]</source>
        <translation>Xp [%]</translation>
    </message>
    <message>
        <source>ti [s]</source>
        <translation>ti [s]</translation>
    </message>
    <message>
        <source>td [s]</source>
        <translation>td [s]</translation>
    </message>
    <message>
        <source>tp [s]</source>
        <translation>tp [s]</translation>
    </message>
    <message>
        <source>to [s]</source>
        <translation>to [s]</translation>
    </message>
    <message>
        <source>Kanał pomiarowy</source>
        <translation>Measuring channel</translation>
    </message>
    <message>
        <source>Typ regulatora:</source>
        <translation>Controller type:</translation>
    </message>
    <message>
        <source>Kanał pomiarowy:</source>
        <translation>Measuring channel:</translation>
    </message>
    <message>
        <source>Kanał zadany:</source>
        <translation>Setpoint channel:</translation>
    </message>
    <message>
        <source>zakres proporcjonalności</source>
        <translation>proportional band</translation>
    </message>
    <message>
        <source>kp - Wzmocnienie:</source>
        <translation>kp - Gain:</translation>
    </message>
    <message>
        <source>czas całkowania (zdwojenia)</source>
        <translation>integral (reset) time</translation>
    </message>
    <message>
        <source>ti - Czas całkowania [s]:</source>
        <translation>ti - Integral time [s]:</translation>
    </message>
    <message>
        <source>czas różniczkowania (wyprzedzenia)</source>
        <translation>derivative (rate) time</translation>
    </message>
    <message>
        <source>td - Czas różniczkowania [s]:</source>
        <translation>td - Derivative time [s]:</translation>
    </message>
    <message>
        <source>czas próbkowania</source>
        <translation>sampling time</translation>
    </message>
    <message>
        <source>tp - Częstotliwość próbkowania [s]:</source>
        <translation>tp - Sampling period [s]:</translation>
    </message>
    <message>
        <source>czas cyklu wyjścia cyfrowego</source>
        <translation>cycle time of the digital output</translation>
    </message>
    <message>
        <source>to - Okres impul. dla wyj. cyfr.[ms]:</source>
        <translation>to - Pulse period of dig. output [ms]:</translation>
    </message>
    <message>
        <source>Typ czasowy</source>
        <translation>Time mode</translation>
    </message>
    <message>
        <source>Parametry regulatora</source>
        <translation>Controller parameters</translation>
    </message>
    <message>
        <source>Kliknij, aby wybrać typ</source>
        <translation>Click to choose the mode</translation>
    </message>
    <message>
        <source>Kliknij, aby wybrać</source>
        <translation>Click to choose</translation>
    </message>
    <message>
        <source>Kliknij, aby wybrać regulator</source>
        <translation>Click to choose the controller</translation>
    </message>
</context>
<context>
    <name>TPole</name>
    <message>
        <source> Nieprawidłowy zakres parametru !</source>
        <translation> Parameter out of range!</translation>
    </message>
</context>
<context>
    <name>TPrzekazniki32</name>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
</context>
<context>
    <name>TRaport</name>
    <message>
        <source>Zbiór danych raportu %1 ma %2 pól, podano %3 wartości</source>
        <translation>Report dataset %1 has %2 fields, %3 values were given</translation>
    </message>
    <message>
        <source>Raport %1: obiekt %2 występuje dwa razy</source>
        <translation>Report %1: object %2 occurs twice</translation>
    </message>
    <message>
        <source>Raport %1: brak zbioru danych %2</source>
        <translation>Report %1: no dataset %2</translation>
    </message>
    <message>
        <source>Raport %1: zbiór danych %2 nie ma pola %3</source>
        <translation>Report %1: dataset %2 has no field %3</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1</source>
        <translation>Cannot write the file %1</translation>
    </message>
    <message>
        <source>Raport %1: brak obiektu %2</source>
        <translation>Report %1: no object %2</translation>
    </message>
    <message>
        <source>Raport %1: obiekt %2 nie jest obiektem tekstowym</source>
        <translation>Report %1: object %2 is not a text object</translation>
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
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfListaWyjAnal</name>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Typ pracy</source>
        <translation>Operating mode</translation>
    </message>
    <message>
        <source>Typ wyjścia</source>
        <translation>Output type</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maksimum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Zatrzymanie</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Aktywny STOP</source>
        <translation>Active STOP</translation>
    </message>
    <message>
        <source>Pauza</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Moc</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Koszt</source>
        <translation>Cost</translation>
    </message>
    <message>
        <source>Kanał zadany</source>
        <translation>Setpoint channel</translation>
    </message>
    <message>
        <source>Typ regulatora</source>
        <translation>Controller action</translation>
    </message>
    <message>
        <source>Kanał pomiarowy</source>
        <translation>Measuring channel</translation>
    </message>
    <message>
        <source>Xp</source>
        <translation>Xp</translation>
    </message>
    <message>
        <source>ti [s]</source>
        <translation>ti [s]</translation>
    </message>
    <message>
        <source>td [s]</source>
        <translation>td [s]</translation>
    </message>
    <message>
        <source>tp [s]</source>
        <translation>tp [s]</translation>
    </message>
    <message>
        <source>to [s]</source>
        <translation>to [s]</translation>
    </message>
    <message>
        <source>0mA/4mA</source>
        <translation>0mA/4mA</translation>
    </message>
    <message>
        <source>20mA</source>
        <translation>20mA</translation>
    </message>
    <message>
        <source>[AO] WYjścia analogowe</source>
        <translation>[AO] Analog outputs</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
</context>
<context>
    <name>TfListakrokow</name>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Warunek</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>Stan wyjść przekaźnikowych</source>
        <translation>Relay output states</translation>
    </message>
    <message>
        <source>Mycie</source>
        <translation>Washing</translation>
    </message>
    <message>
        <source>Lista kroków</source>
        <translation>Step list</translation>
    </message>
    <message>
        <source>Lista kroków mycia</source>
        <translation>Washing step list</translation>
    </message>
    <message>
        <source>Warunek końca</source>
        <translation>End condition</translation>
    </message>
    <message>
        <source>Zadane</source>
        <translation>Setpoints</translation>
    </message>
</context>
<context>
    <name>TfUstawieniaMycia</name>
    <message>
        <source>Czas do mycia </source>
        <translation>Time to washing </translation>
    </message>
    <message>
        <source>Przekaźnik względem którego, jest naliczany czas mycia</source>
        <translation>Relay against which the washing time is counted</translation>
    </message>
    <message>
        <source>Ustawienia mycia</source>
        <translation>Washing settings</translation>
    </message>
    <message>
        <source>Odczyt ustawień</source>
        <translation>Reading the settings</translation>
    </message>
</context>
<context>
    <name>Tfdodatki</name>
    <message>
        <source>Wartość max</source>
        <translation>Max value</translation>
    </message>
    <message>
        <source>Wartość min</source>
        <translation>Min value</translation>
    </message>
    <message>
        <source>Ilość aktywnych dodatków</source>
        <translation>Number of active additions</translation>
    </message>
    <message>
        <source>Dodatki</source>
        <translation>Additions</translation>
    </message>
    <message>
        <source>Dodatek</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
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
        <translation>[DI] Digital input</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Błędne dane, poza zakresem! </source>
        <translation>Invalid data, out of range! </translation>
    </message>
</context>
<context>
    <name>Tflistafunkcji</name>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Czas trwania</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Logika przekaźników</source>
        <translation>Relay logic</translation>
    </message>
    <message>
        <source>Typ wyzwalania</source>
        <translation>Trigger type</translation>
    </message>
    <message>
        <source>Stan wyjść przekaźnikowych</source>
        <translation>Relay output states</translation>
    </message>
    <message>
        <source>nieskończoność</source>
        <translation>infinite</translation>
    </message>
    <message>
        <source>Tryby specjalne</source>
        <translation>Special modes</translation>
    </message>
</context>
<context>
    <name>Tflistaprojektow</name>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Lista programów</source>
        <translation>Program list</translation>
    </message>
</context>
<context>
    <name>Tflistaprzekaznikow</name>
    <message>
        <source>Koszt</source>
        <translation>Cost</translation>
    </message>
    <message>
        <source>Typ czasowy</source>
        <translation>Time mode</translation>
    </message>
    <message>
        <source>Ta [s]</source>
        <translation>Ta [s]</translation>
    </message>
    <message>
        <source>Tb [s]</source>
        <translation>Tb [s]</translation>
    </message>
    <message>
        <source>Typ regulatora</source>
        <translation>Controller type</translation>
    </message>
    <message>
        <source>Kanał pomiarowy</source>
        <translation>Measuring channel</translation>
    </message>
    <message>
        <source>Kanał zadany</source>
        <translation>Setpoint channel</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Moc</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Jednostkowy koszt energii</source>
        <translation>Unit energy cost</translation>
    </message>
    <message>
        <source>Koszt energii</source>
        <translation>Energy cost</translation>
    </message>
    <message>
        <source>Ikonka</source>
        <translation>Icon</translation>
    </message>
    <message>
        <source>offset: </source>
        <translation>offset: </translation>
    </message>
    <message>
        <source>okno: </source>
        <translation>window: </translation>
    </message>
    <message>
        <source>h.górna: </source>
        <translation>h.upper: </translation>
    </message>
    <message>
        <source>h.dolna: </source>
        <translation>h.lower: </translation>
    </message>
    <message>
        <source>Gdzie użyty</source>
        <translation>Where used</translation>
    </message>
    <message>
        <source>[DO] WYjścia cyfrowe</source>
        <translation>[DO] Digital outputs</translation>
    </message>
</context>
<context>
    <name>TflistawejscPom</name>
    <message>
        <source>Skalowanie</source>
        <translation>Scaling</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Typ wejścia</source>
        <translation>Input type</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Alarm Min/Max</source>
        <translation>Min/Max alarm</translation>
    </message>
    <message>
        <source>Alarm Brak czujnika</source>
        <translation>Sensor missing alarm</translation>
    </message>
    <message>
        <source>Alarm względny</source>
        <translation>Relative alarm</translation>
    </message>
    <message>
        <source>[AI] Wejścia analogowe</source>
        <translation>[AI] Analog inputs</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Tryb</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Logika</source>
        <translation>Logic</translation>
    </message>
    <message>
        <source>Opóźnienie</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
</context>
<context>
    <name>TfustawWilg</name>
    <message>
        <source>Tryb pomiaru</source>
        <translation>Measurement mode</translation>
    </message>
    <message>
        <source>Kanał pomiarowy</source>
        <translation>Measuring channel</translation>
    </message>
    <message>
        <source>Wartość max</source>
        <translation>Max value</translation>
    </message>
    <message>
        <source>Wartość min</source>
        <translation>Min value</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Wartości zadane</source>
        <translation>Setpoints</translation>
    </message>
    <message>
        <source>Ustawienia wilgotności</source>
        <translation>Humidity settings</translation>
    </message>
</context>
<context>
    <name>Tfwyborikony</name>
    <message>
        <source>Wybierz ikonę</source>
        <translation>Choose an icon</translation>
    </message>
    <message>
        <source>Kliknij, aby wybrać</source>
        <translation>Click to choose</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Tfzadane</name>
    <message>
        <source>Zadane</source>
        <translation>Setpoints</translation>
    </message>
    <message>
        <source>Zadana</source>
        <translation>Setpoint</translation>
    </message>
</context>
<context>
    <name>TpasekPostepu</name>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Czekaj</source>
        <translation>Wait</translation>
    </message>
</context>
<context>
    <name>TransferSekcji</name>
    <message>
        <source>Brak komunikacji</source>
        <translation>No communication</translation>
    </message>
</context>
<context>
    <name>WydrukOkienny</name>
    <message>
        <source>Brak drukarki</source>
        <translation>No printer</translation>
    </message>
    <message>
        <source>Nie można drukować na drukarce %1</source>
        <translation>Cannot print on the printer %1</translation>
    </message>
</context>
</TS>
