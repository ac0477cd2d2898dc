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
</context>
<context>
    <name>TMymessageDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>