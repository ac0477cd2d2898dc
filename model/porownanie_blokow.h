// The fifteen transfer blocks of two projects compared as the controller
// keeps them: each block looks only at the fields the controller stores
// and returns, names compared exactly, trimmed or by their first 15 units
// as the block keeps them. Used after a read that compares the controller's
// project with the one in memory.
#pragma once

#include "porownania.h"
#include "rekordy_projekt.h"
#include "wiersze_projektu.h"

// Row 1..15 (nrWiersza) of `kopia` (with its washing settings
// `kopiaMycia`) against `projekt` / `mycie`: not compared when the row was
// not read or lies outside 1..15, otherwise equal or different (the first
// difference decides).
WynikPorownania porownajBlokProjektu(bool odczytany, int wiersz, const TProjektVXTNew &kopia,
                                     const TProjektVXTNew &projekt, const TProjektDodatkiMycie &kopiaMycia,
                                     const TProjektDodatkiMycie &mycie);

// A program as the controller keeps it: unless bezNazwy the exact name,
// then values 0..14 of rows 1..50.
bool porownajProgramBlok(bool bezNazwy, const TProgram &a, const TProgram &b);
