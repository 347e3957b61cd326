#include "user_languages.h"

#include <windows.h>

#include <algorithm>

#include "wide_text.h"

namespace ranktally {

std::vector<std::string> UserLanguages() {
    ULONG count = 0;
    ULONG size = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size)) {
        return {};
    }
    std::wstring list(size, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, list.data(), &size)) {
        return {};
    }
    return NamesInList(list);
}

std::vector<std::string> NamesInList(std::wstring_view list) {
    std::vector<std::string> names;
    while (!list.empty() && list.front() != L'\0') {
        const std::size_t end = std::min(list.find(L'\0'), list.size());
        names.push_back(Narrow(list.substr(0, end)));
        list.remove_prefix(std::min(end + 1, list.size()));
    }
    return names;
}

}  // namespace ranktally
