#include "ui/popup/popup_request.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vorna::ui {

namespace {

// The protocol's name and version lead every request, so that bytes from
// anything else that finds the socket are refused rather than guessed at.
constexpr std::string_view kPrefix = "vorna-popup/1 ";

constexpr std::array<std::pair<std::string_view, PopupRequest>, 3> kRequests = {{
    {"popup primary", {PopupRequest::Kind::popup, SelectionSource::primary}},
    {"popup clipboard", {PopupRequest::Kind::popup, SelectionSource::clipboard}},
    {"quit", {PopupRequest::Kind::quit, SelectionSource::primary}},
}};

constexpr std::array<std::pair<std::string_view, PopupReply>, 3> kReplies = {{
    {"done", PopupReply::done},
    {"refused", PopupReply::refused},
    {"window-stays", PopupReply::window_stays},
}};

bool same_request(const PopupRequest& a, const PopupRequest& b) {
    return a.kind == b.kind && (a.kind == PopupRequest::Kind::quit || a.source == b.source);
}

}  // namespace

std::string request_line(const PopupRequest& request) {
    for (const auto& [words, known] : kRequests) {
        if (same_request(known, request))
            return std::string(kPrefix) + std::string(words) + '\n';
    }
    return {};
}

ParsedRequest parse_request(std::string_view received) {
    const std::size_t end = received.find('\n');
    if (end == std::string_view::npos) {
        return {received.size() >= kMaxRequestBytes ? RequestProblem::too_long
                                                    : RequestProblem::incomplete,
                std::nullopt};
    }
    if (end >= kMaxRequestBytes)
        return {RequestProblem::too_long, std::nullopt};
    // One request per connection: whatever follows the line is not ours.
    if (end + 1 != received.size())
        return {RequestProblem::malformed, std::nullopt};
    std::string_view line = received.substr(0, end);
    if (line.substr(0, kPrefix.size()) != kPrefix)
        return {RequestProblem::malformed, std::nullopt};
    line.remove_prefix(kPrefix.size());
    const auto known = std::find_if(kRequests.begin(), kRequests.end(),
                                    [line](const auto& entry) { return entry.first == line; });
    if (known == kRequests.end())
        return {RequestProblem::malformed, std::nullopt};
    return {RequestProblem::none, known->second};
}

std::string reply_line(PopupReply reply) {
    for (const auto& [word, known] : kReplies) {
        if (known == reply)
            return std::string(word) + '\n';
    }
    return {};
}

std::optional<PopupReply> parse_reply(std::string_view line) {
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    for (const auto& [word, known] : kReplies) {
        if (word == line)
            return known;
    }
    return std::nullopt;
}

}  // namespace vorna::ui
