#include "RegionMessages.h"

#include "platform/MessageBox.h"

namespace cutting {

void regionMessage(const char* text) {
    MessageBoxA(nullptr, text, "Error", MB_OK);
}

}  // namespace cutting
