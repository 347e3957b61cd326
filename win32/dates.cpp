#include "dates.h"

#include "wide_text.h"

namespace ranktally {

std::string DateText(CivilDate day, DWORD format) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(day.year);
    time.wMonth = static_cast<WORD>(day.month);
    time.wDay = static_cast<WORD>(day.day);
    wchar_t text[128] = L"";
    const int length =
        GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, format, &time, nullptr, text, 128, nullptr);
    // The length counts the closing NUL; none is written on failure.
    return Narrow(std::wstring_view(text, length > 0 ? static_cast<std::size_t>(length) - 1 : 0));
}

std::string DateText(const Arrival& arrival, DWORD format) {
    return arrival.date ? DateText(*arrival.date, format) : arrival.text;
}

CivilDate Today() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

}  // namespace ranktally
