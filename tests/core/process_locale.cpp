// The core's tests run under the locale the environment names, as the desktop program
// does once Qt has set it up, so `make test-locale` checks the core under a decimal comma.
#include <clocale>

namespace {
const bool kLocaleFromEnvironment = std::setlocale(LC_ALL, "") != nullptr;
}  // namespace
