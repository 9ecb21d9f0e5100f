#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

// Sets the C library's local time zone through TZ ("UTC0", "MSK-3": POSIX form, which both the GNU
// and the Microsoft C library read) and puts the previous one back at the end.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) old_ = old;
        Set(zone);
    }
    ~ScopedTimeZone() { Set(old_ ? old_->c_str() : nullptr); }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    static void Set(const char* zone) {
#ifdef _WIN32
        _putenv_s("TZ", zone != nullptr ? zone : "");
        _tzset();
#else
        if (zone != nullptr) {
            setenv("TZ", zone, 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
#endif
    }

    std::optional<std::string> old_;
};
