// Name boxes: typing stops at a number of characters, while a longer name
// that came from a file or the controller is shown and kept whole (it can
// only be shortened).
#pragma once

class QLineEdit;

void ograniczPisanie(QLineEdit *pole, int znakow);
