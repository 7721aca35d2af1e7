#pragma once

class QWidget;

namespace vorna::ui {

// What Qt's window flags cannot ask of an X11 window manager. Both create the
// window's native window; on other platforms they do nothing.

// A thin border and nothing else: no title bar, no buttons, no resizing.
// Qt's flags give either a title bar or no frame at all.
void ask_for_border_only(QWidget& window);

// No minimise button on a modal box. Openbox offers one on every dialog,
// whatever its hints say, and minimising a modal box takes the window it
// belongs to along; there only the toolbar type goes without one.
void ask_for_no_minimise_button(QWidget& window);

}  // namespace vorna::ui
