#include "image/UiText.h"
#include <atomic>

namespace {
std::atomic<UiLanguage> currentLanguage{UiLanguage::English};
}

void SetUiLanguage(UiLanguage language) {
    currentLanguage = language;
}

UiLanguage CurrentUiLanguage() {
    return currentLanguage;
}

QString UiText(const char *english, const char *japanese) {
    return UiText(CurrentUiLanguage(), english, japanese);
}

QString UiText(UiLanguage language, const char *english, const char *japanese) {
    return QString::fromUtf8(language == UiLanguage::Japanese ? japanese : english);
}
