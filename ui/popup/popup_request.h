#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorna::ui {

// Which text a popup translates: the X11 primary selection or the clipboard.
enum class SelectionSource { primary, clipboard };

// What one `vorna --popup` or `vorna --quit` asks of the running instance.
struct PopupRequest {
    enum class Kind { popup, quit };
    Kind kind = Kind::popup;
    SelectionSource source = SelectionSource::primary;
};

// A request is one short line of printable ASCII; anything longer is refused
// before it is read further, so a peer cannot make the instance hold much.
inline constexpr std::size_t kMaxRequestBytes = 64;

// The line a client writes, LF included.
std::string request_line(const PopupRequest& request);

// What the bytes received so far hold.
enum class RequestProblem {
    none,        // `request` is set
    incomplete,  // no line end yet: wait for more
    too_long,    // no line end within kMaxRequestBytes
    malformed,   // a line, but not a request (or bytes after it)
};

struct ParsedRequest {
    RequestProblem problem = RequestProblem::incomplete;
    std::optional<PopupRequest> request;
};

ParsedRequest parse_request(std::string_view received);

// The instance's one-line answers, LF included.
enum class PopupReply {
    done,          // the popup is on its way, or the instance quits
    refused,       // not a request
    window_stays,  // a quit asked of a process whose main window is open
};
std::string reply_line(PopupReply reply);
std::optional<PopupReply> parse_reply(std::string_view line);

}  // namespace vorna::ui
