// The built-in SETUP table: a new project takes it, and the SETUP editor's
// "Czyść" brings it back.
#pragma once

#include "rekordy_projekt.h"

const TFunkcjeKvor3 &domyslnySetup();
