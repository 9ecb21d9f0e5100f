#include "support/CommaLocale.h"

#include <clocale>

CommaLocale::CommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
    for (const char* name : {"de_DE.UTF-8", "ru_RU.UTF-8", "Russian_Russia.1251", "Russian"}) {
        if (std::setlocale(LC_ALL, name) != nullptr && std::localeconv()->decimal_point[0] == ',') {
            active_ = true;
            return;
        }
    }
    std::setlocale(LC_ALL, previous_.c_str());
}

CommaLocale::~CommaLocale() {
    std::setlocale(LC_ALL, previous_.c_str());
}
