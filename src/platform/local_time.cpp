#include "platform/local_time.hpp"

#include <array>

#ifdef _WIN32
#include <windows.h>
#else
#include <locale.h>
#include <time.h>
#endif

namespace quimbo::platform {

std::string regionalDateTime(std::time_t moment) {
#ifdef _WIN32
    FILETIME fileTime;
    const ULONGLONG ticks = (static_cast<ULONGLONG>(moment) + 11644473600ULL) * 10000000ULL;
    fileTime.dwLowDateTime = static_cast<DWORD>(ticks);
    fileTime.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    FILETIME localFileTime;
    FileTimeToLocalFileTime(&fileTime, &localFileTime);
    SYSTEMTIME local;
    FileTimeToSystemTime(&localFileTime, &local);
    std::array<wchar_t, 128> date{};
    std::array<wchar_t, 128> time{};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date.data(), 128,
                    nullptr);
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &local, nullptr, time.data(), 128);
    const std::wstring wide = std::wstring(date.data()) + L" " + time.data();
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, out.data(), size, nullptr, nullptr);
    return out;
#else
    std::tm local{};
    localtime_r(&moment, &local);
    locale_t userLocale = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
    if (userLocale == static_cast<locale_t>(0)) {
        userLocale = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
    }
    std::array<char, 128> buffer{};
    const std::size_t length =
        strftime_l(buffer.data(), buffer.size(), "%x %X", &local, userLocale);
    freelocale(userLocale);
    return std::string(buffer.data(), length);
#endif
}

std::string regionalDateTimeNow() {
    return regionalDateTime(std::time(nullptr));
}

}  // namespace quimbo::platform
