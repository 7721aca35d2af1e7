#include "rtf/rtf_document_tables.h"

namespace vorna::rtf {

void DocumentTables::set_default_font(int font) {
    default_font_ = font;
    ++version_;
}

const FontEntry* DocumentTables::font(int font) const {
    auto found = fonts_.find(font < 0 ? default_font_ : font);
    return found == fonts_.end() ? nullptr : &found->second;
}

int DocumentTables::code_page_of(int font) const {
    const FontEntry* entry = this->font(font);
    return entry != nullptr && entry->code_page != 0 ? entry->code_page : code_page_;
}

int DocumentTables::defined_font_code_page() const {
    auto found = fonts_.find(defined_font_);
    return found != fonts_.end() && found->second.code_page != 0 ? found->second.code_page
                                                                 : code_page_;
}

void DocumentTables::begin_font(int number, std::size_t depth) {
    finish_font();
    ++version_;
    defined_font_ = number;
    fonts_[number] = FontEntry{};
    font_depth_ = depth;
}

void DocumentTables::finish_font() {
    if (defined_font_ < 0)
        return;
    font_name_ += decoder_.decode(defined_font_code_page(), font_name_bytes_);
    fonts_[defined_font_].family = font_name_.trimmed();
    ++version_;
    font_name_.clear();
    font_name_bytes_.clear();
    defined_font_ = -1;
}

void DocumentTables::set_font_charset(int charset) {
    if (defined_font_ >= 0)
        fonts_[defined_font_].code_page = code_page_of_charset(charset);
}

void DocumentTables::set_font_code_page(int code_page) {
    if (defined_font_ >= 0)
        fonts_[defined_font_].code_page = code_page;
}

void DocumentTables::add_to_font_name(unsigned char byte) {
    if (defined_font_ >= 0)
        font_name_bytes_.append(static_cast<char>(byte));
}

void DocumentTables::add_to_font_name(char16_t unit) {
    if (defined_font_ < 0)
        return;
    // Bytes before the character are in the entry's code page; it is not.
    font_name_ += decoder_.decode(defined_font_code_page(), font_name_bytes_);
    font_name_bytes_.clear();
    font_name_.append(QChar(unit));
}

void DocumentTables::begin_colours() {
    colours_.clear();
    pending_colour_.reset();
    ++version_;
}

void DocumentTables::set_colour_component(Component component, int value) {
    QColor colour = pending_colour_.value_or(QColor(0, 0, 0));
    switch (component) {
        case Component::red:
            colour.setRed(value);
            break;
        case Component::green:
            colour.setGreen(value);
            break;
        case Component::blue:
            colour.setBlue(value);
            break;
    }
    pending_colour_ = colour;
}

void DocumentTables::finish_colour() {
    // An entry with no component is the automatic colour: no colour of its own.
    colours_.push_back(pending_colour_);
    pending_colour_.reset();
    ++version_;
}

std::optional<QColor> DocumentTables::colour(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= colours_.size())
        return std::nullopt;
    return colours_[static_cast<std::size_t>(index)];
}

}  // namespace vorna::rtf
