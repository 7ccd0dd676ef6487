#include "error_stream_platform.h"

#include "cp1250.h"

void ErrorStreamPlatform::showError(const std::string& text, const std::string& caption) {
    err_ << displayText(caption) << ": " << displayText(text) << '\n';
}
