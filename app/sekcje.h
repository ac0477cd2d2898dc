// Section dispatch: a section command of the main window opens the
// section's editor on a copy of one block of the current project, copies
// the block back when the user confirmed a change and marks the project
// changed. The window stays locked while the editor is open.
#pragma once

class TForm1;

// The section editors in the order of the transfer rows their blocks go
// with (wiersze_projektu.h).
enum class Sekcja {
    Setup,            // "Setup": the SETUP table F0..F100
    WejsciaPomiarowe, // "[AI] Wejścia analogowe": the 24 measuring inputs
    Przekazniki,      // "[DO]", item "konfiguracja": the digital outputs
    AlarmyDO,         // "[DO]", item "alarmy": the alarm outputs F1..F4
    WyjsciaAnalogowe, // "[AO] WYjścia analogowe": AO1.1..AO1.4
    WejsciaCyfrowe,   // "[DI] WEjścia cyfrowe": the 32 digital inputs
    Moduly,           // "Moduły dodatkowe": the extra input/output modules
    Zadane,           // "Zadane": the ten setpoints
    Dodatki,          // "Dodatki": additions D1..D8
    Wilgotnosc,       // "Wilgotność": the humidity settings
    TrybySpecjalne,   // "Tryby specjalne": the 14 special modes
    Kroki,            // "Kroki": the process steps
    Programy,         // "Programy": P01..P100
    KrokiMycia,       // "Kroki mycia": the washing steps
    ProgramMycia,     // "Program mycia": the washing program
    UstawieniaMycia,  // "Ustawienia mycia": the project's washing settings
};

// The lock check and, unless cicho, the warning "Sterownik w trakcie
// procesu. Zapis danych nie będzie możliwy!" when the controller is busy.
void SprawdzStanSterownika(TForm1 &okno, bool cicho);

// True when the user confirmed a change (the project then holds it and
// bylazmianaProjektu is set); false leaves the project and the flag alone.
bool otworzSekcje(TForm1 &okno, Sekcja s);

// What the editors need from the main window: its connection record with
// the lock check before their transfers, the project's digital outputs,
// and the commands of the section buttons, one per editor.
void podlaczSekcje(TForm1 &okno);
