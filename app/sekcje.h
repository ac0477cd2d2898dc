// Section dispatch: a section command of the main window opens the
// section's editor on a copy of one block of the current project, copies
// the block back when the user confirmed a change and marks the project
// changed. The window stays locked while the editor is open.
#pragma once

class TForm1;

enum class Sekcja {
    Zadane, // "Zadane": the ten setpoints
    // Item "alarmy" of the digital-output panel: alarm outputs F1..F4.
    AlarmyDO,
    // "Dodatki": additions D1..D8.
    Dodatki,
    Setup,            // "Setup": the SETUP table F0..F100
    Moduly,           // "Moduły dodatkowe": the extra input/output modules
    WyjsciaAnalogowe, // "[AO] WYjścia analogowe": AO1.1..AO1.4
    Programy,         // "Programy": P01..P100
    ProgramMycia,     // "Program mycia": the washing program
    Przekazniki,      // "[DO]", item "konfiguracja": the digital outputs
    // "Kroki" and "Kroki mycia": the process and the washing steps
    Kroki,
    KrokiMycia,
    WejsciaPomiarowe, // "[AI] Wejścia analogowe": the 24 measuring inputs
    WejsciaCyfrowe,   // "[DI] WEjścia cyfrowe": the 32 digital inputs
    Wilgotnosc,       // "Wilgotność": the humidity settings
    TrybySpecjalne,   // "Tryby specjalne": the 14 special modes
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
// and the commands of the section buttons that have an editor.
void podlaczSekcje(TForm1 &okno);
