#include "BKIT32.h"

extern "C" {

void DispatchSoundMessages(void) {}
}
