#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "calculator_window.h"

namespace ranktally {

// A window that holds its texts in memory and, unless told not to, logs every call in the order
// it came.
class FakeWindow : public CalculatorWindow {
public:
    std::map<Input, std::string> inputs;
    std::map<Result, std::string> results;
    std::string warning;
    int heightTwips = 0;
    bool logging = true;
    mutable std::vector<std::string> log;

    std::string InputText(Input input) const override {
        if (logging) {
            log.push_back("read " + std::string(InputName(input)));
        }
        const auto found = inputs.find(input);
        return found == inputs.end() ? std::string() : found->second;
    }
    void SetResultText(Result result, std::string_view text) override {
        if (logging) {
            log.push_back(std::string(ResultName(result)) + "=" + std::string(text));
        }
        results[result] = text;
    }
    void SetWarningCaption(std::string_view caption) override {
        if (logging) {
            log.push_back(caption.empty() ? "warning cleared" : "warning shown");
        }
        warning = caption;
    }
    void SetOuterHeight(int twips) override {
        if (logging) {
            log.push_back("height=" + std::to_string(twips));
        }
        heightTwips = twips;
    }

private:
    static std::string_view InputName(Input input) {
        switch (input) {
            case Input::CurrentLevel:
                return "current";
            case Input::Rate:
                return "rate";
            case Input::HoursPerDay:
                return "hours";
            case Input::TargetLevel:
                return "target";
        }
        return "?";
    }
    static std::string_view ResultName(Result result) {
        switch (result) {
            case Result::PointsNeeded:
                return "points";
            case Result::HoursNeeded:
                return "hours";
            case Result::DaysNeeded:
                return "days";
        }
        return "?";
    }
};

}  // namespace ranktally
