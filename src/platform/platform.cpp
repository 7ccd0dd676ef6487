#include "platform/platform.h"

namespace {

Platform* currentPlatform = nullptr;

}  // namespace

void setPlatform(Platform* platform) {
    currentPlatform = platform;
}

Platform& platform() {
    return *currentPlatform;
}
