<?xml version='1.0' encoding='utf-8'?>
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
        <source>Brak pliku dla "Ustawienia mycia". <byte value="xd" />Zostaną ustawione wartości domyślne</source>
        <translation>No file for "Washing settings". <byte value="xd" />Default values will be set</translation>
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
</context>
<context>
    <name>TMymessageDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>