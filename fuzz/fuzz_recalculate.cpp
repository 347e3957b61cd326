#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calculator.h"
#include "fake_window.h"

using ranktally::Input;
using ranktally::Result;

// Any four input texts, separated by NUL bytes, recalculated twice through the fake window:
// every result is written, and the warning and the height always agree.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    ranktally::FakeWindow window;
    for (const Input input :
         {Input::CurrentLevel, Input::TargetLevel, Input::HoursPerDay, Input::Rate}) {
        const std::size_t end = rest.find('\0');
        window.inputs[input] = std::string(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    ranktally::Calculator calculator(window, rest.empty() ? "." : std::string(rest.substr(0, 4)));
    for (int run = 0; run < 2; ++run) {
        calculator.Recalculate();
        for (const Result result :
             {Result::PointsNeeded, Result::HoursNeeded, Result::DaysNeeded}) {
            if (window.results[result].empty()) {
                std::abort();
            }
        }
        const bool shown = window.warning == ranktally::kWarningMessage;
        if (!shown && !window.warning.empty()) {
            std::abort();
        }
        if (window.heightTwips !=
            (shown ? ranktally::kExpandedHeightTwips : ranktally::kCompactHeightTwips)) {
            std::abort();
        }
    }
    return 0;
}
