#include "cmdline/option_loop.h"

#include <algorithm>

#include "cmdline/cmdline_texts.h"

namespace vorna::cmdline {

Script script_of(const std::vector<std::string>& arguments) {
    return std::find(arguments.begin(), arguments.end(), "--translit") != arguments.end()
               ? Script::translit
               : Script::cyrillic;
}

OptionLoop::OptionLoop(const std::vector<std::string>& arguments)
    : arguments_(arguments), script_(script_of(arguments)) {}

bool OptionLoop::next() {
    while (error_.empty()) {
        if (started_)
            ++index_;
        started_ = true;
        if (index_ >= arguments_.size())
            return false;
        if (!at_option())
            return true;
        if (argument() == "--translit")
            continue;
        if (argument() == "--help" || argument() == "-h") {
            help_ = true;
            continue;
        }
        return true;
    }
    return false;
}

bool OptionLoop::at_option() const {
    const std::string& text = argument();
    return !options_ended_ && text.size() > 1 && text[0] == '-';
}

void OptionLoop::take_value(std::string& value) {
    const std::string& option = argument();
    if (index_ + 1 >= arguments_.size()) {
        refuse(texts::kNeedsValue.in(script_) + option + texts::kNeedsValueEnd.in(script_));
        return;
    }
    if (std::find(valued_options_seen_.begin(), valued_options_seen_.end(), option) !=
        valued_options_seen_.end()) {
        refuse(texts::kGivenTwice.in(script_) + option);
        return;
    }
    valued_options_seen_.push_back(option);
    value = arguments_[++index_];
}

void OptionLoop::take_value(std::optional<std::string>& value) {
    std::string taken;
    take_value(taken);
    if (error_.empty())
        value = std::move(taken);
}

void OptionLoop::refuse(std::string message) {
    if (error_.empty())
        error_ = std::move(message);
}

void OptionLoop::refuse_unknown_option() {
    refuse(texts::kUnknownOption.in(script_) + argument());
}

void OptionLoop::refuse_extra_argument() {
    refuse(texts::kExtraArgument.in(script_) + argument());
}

std::string OptionLoop::error() const {
    return error_.empty() ? error_ : error_ + texts::kSeeHelp.in(script_);
}

}  // namespace vorna::cmdline
