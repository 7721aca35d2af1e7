#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include <cstddef>
#include <map>
#include <optional>
#include <vector>

#include "rtf/code_page_decoder.h"

namespace vorna::rtf {

struct FontEntry {
    QString family;
    int code_page = 0;  // 0: the document's code page
};

// What an RTF document's header defines for its text: the code page, the
// default font, the font table and the colour table, as they are read.
// version() changes whenever something a run's format depends on does.
class DocumentTables {
  public:
    static constexpr int kWesternCodePage = 1252;

    explicit DocumentTables(CodePageDecoder& decoder) : decoder_(decoder) {}

    int version() const { return version_; }

    void set_code_page(int code_page) { code_page_ = code_page; }
    void set_default_font(int font);

    // The entry of `font`, -1 naming the default font; null when there is none.
    const FontEntry* font(int font) const;
    // The code page text in `font` is written in.
    int code_page_of(int font) const;

    // --- the font table: entries are read one at a time ---
    // \fN inside the table, in a group `depth` deep.
    void begin_font(int number, std::size_t depth);
    // The end of the entry's name: its ';' or the end of its group.
    void finish_font();
    bool defining_font() const { return defined_font_ >= 0; }
    std::size_t font_depth() const { return font_depth_; }
    void set_font_charset(int charset);
    void set_font_code_page(int code_page);
    void add_to_font_name(unsigned char byte);
    void add_to_font_name(char16_t unit);

    // --- the colour table ---
    void begin_colours();
    enum class Component { red, green, blue };
    // \red, \green or \blue of the colour being read.
    void set_colour_component(Component component, int value);
    // The colour being read is complete at its ';'.
    void finish_colour();
    std::optional<QColor> colour(int index) const;

  private:
    int defined_font_code_page() const;

    CodePageDecoder& decoder_;
    int version_ = 0;
    int code_page_ = kWesternCodePage;
    int default_font_ = 0;
    std::map<int, FontEntry> fonts_;
    int defined_font_ = -1;  // the font table entry being read
    std::size_t font_depth_ = 0;
    QString font_name_;
    QByteArray font_name_bytes_;
    std::vector<std::optional<QColor>> colours_;
    std::optional<QColor> pending_colour_;
};

}  // namespace vorna::rtf
